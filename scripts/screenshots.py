#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Takes pictures of the main window in its typical states (and the part of
it the README shows), of the about box and of the help, by driving the real program headless through
tavelo-scenario. Usage: scripts/screenshots.py [OUTPUT_DIR] (after a build)."""
import json
import os
import subprocess
import sys

root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
driver = os.path.join(root, "build", "tests", "scenario", "tavelo-scenario")
out = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "build", "screenshots"))
os.makedirs(out, exist_ok=True)

proc = subprocess.Popen([driver, "--seed", "7"], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)


def ask(command):
    proc.stdin.write(command + "\n")
    proc.stdin.flush()
    answer = json.loads(proc.stdout.readline())
    if not answer.get("ok"):
        sys.exit(f"{command}: {answer.get('error')}")
    return answer


def state():
    return ask("state")["state"]


def answer(text):
    for c in text:
        ask("key KP_Subtract" if c == "-" else f"key {c}")
    ask("key Return")


def opposite(expected):
    """The answer with the wrong sign: always a breach of a sign rule."""
    value = int(expected)
    return str(-value) if value != 0 else "1"


def shot(name, window="general", zone=""):
    ask(f"shot {window} {zone} {os.path.join(out, name + '.png')}".replace("  ", " "))


def wrong(expected):
    """A wrong answer of the same sign: a slip for the growing and shrinking types."""
    value = int(expected)
    return str(value + 1 if value > 0 else value - 1) if value != 0 else "5"


shot("01-start")
shot("00-readme", zone="0,0,640,432")            # the README's picture, docs/tavelo.png
answer(state()["texte_resultat"])
shot("02-right-answer")
ask("wait 400")

ask("set score 10")
answer(wrong(state()["texte_resultat"]))          # type 12, (-x)+x: a rule error
shot("03-rule-error-line")
ask("click Button10")
answer(state()["texte_resultat"])
ask("wait 400")
answer(wrong(state()["texte_resultat"]))          # type 15: a mental-calculation slip
shot("04-mental-calculation-error")
ask("click Button10")

ask("set score 19")
answer(state()["texte_resultat"])
ask("wait 1000")
shot("05-bravo-banner")
ask("wait 4500")
shot("06-level-2")
ask("set score 10")
answer(opposite(state()["texte_resultat"]))       # type 22, x-Y: the subtraction line
shot("07-subtraction-line")

ask("menu Aide/A propos...")
shot("08-about", "a_propos")
ask("menu Aide/Aide de TAVELO")
ask("wait 300")
shot("09-help", "aide")
ask("quit")
print(out)
