#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Tavelo against a bare Qt window, side by side in one run.

Starts an X server of its own (Xvfb, 1920 x 1080), then alternates the two
programs under sonde_x11 and prints, for each measure, the medians and
their ratio:
  - launch to the first window mapped, and to its first pixels painted;
  - the program's CPU time up to that paint (steadier than the delays on
    a loaded machine);
  - anonymous resident memory a second after the start;
  - mouse press and release on keypad key 7 to the pixels changing there,
    and the CPU time each takes, against a plain QPushButton at the same
    place of a bare window.

    bench/startup/demarrage.py [--build build] [--tours 8] [--clics 10]
"""
import argparse
import os
import statistics
import subprocess
import sys
import time

# Key 7 of the keypad in the main window's coordinates: left frame 4, bar
# and its line 20 + 4, menu bar, then the key at (114, 170), 45 x 45.
BOUTON_7 = "118,212,45,45"


def serveur_x():
    for numero in range(90, 100):
        if os.path.exists(f"/tmp/.X11-unix/X{numero}"):
            continue
        serveur = subprocess.Popen(
            ["Xvfb", f":{numero}", "-screen", "0", "1920x1080x24", "-nolisten", "tcp", "-br"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(100):
            if os.path.exists(f"/tmp/.X11-unix/X{numero}"):
                return serveur, f":{numero}"
            time.sleep(0.05)
        serveur.kill()
    sys.exit("demarrage.py: no X server could start")


def sonde(build, env, programme, clic=None, clics=10):
    commande = [os.path.join(build, "bench/startup/sonde_x11")]
    if clic:
        commande += ["--clic", clic, "--clics", str(clics)]
    sortie = subprocess.run(commande + ["--"] + programme, env=env, capture_output=True,
                            text=True, check=True).stdout.split()
    return [float(x) for x in sortie]


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    p.add_argument("--build", default="build")
    p.add_argument("--tours", type=int, default=8)
    p.add_argument("--clics", type=int, default=10)
    p.add_argument("--bouton", default=BOUTON_7,
                   help="key 7's rectangle X,Y,W,H in the main window")
    p.add_argument("--zoom", type=float, default=1.75)
    a = p.parse_args()
    x, y, w, h = (int(v) for v in a.bouton.split(","))
    # The probe clicks and watches in device pixels, a fifth of the key in
    # from its top-left corner: the middle of a pressed key keeps its
    # colours in the style's look.
    clic = f"{round((x + w / 5) * a.zoom)},{round((y + h / 5) * a.zoom)}"
    tavelo = [os.path.join(a.build, "src/app/tavelo"), "--zoom", str(a.zoom)]
    nue = [os.path.join(a.build, "bench/startup/fenetre_nue")]

    serveur, affichage = serveur_x()
    env = dict(os.environ, DISPLAY=affichage, QT_QPA_PLATFORM="xcb")
    env_nue = dict(env, QT_SCALE_FACTOR=str(a.zoom))
    mesures = {"tavelo": [], "nue": []}
    clics = {"tavelo": [], "nue": []}
    try:
        for tour in range(a.tours):
            # Each program goes first every other round.
            ordre = ["tavelo", "nue"] if tour % 2 == 0 else ["nue", "tavelo"]
            for qui in ordre:
                mesures[qui].append(sonde(a.build, env if qui == "tavelo" else env_nue,
                                          tavelo if qui == "tavelo" else nue))
            for qui in ordre:
                programme = tavelo if qui == "tavelo" else nue + ["--bouton", a.bouton]
                clics[qui].append(sonde(a.build, env if qui == "tavelo" else env_nue, programme,
                                        clic, a.clics)[4:])
    finally:
        serveur.terminate()
        serveur.wait()

    def mediane(serie, rang):
        return statistics.median(m[rang] for m in serie)

    print(f"{a.tours} rounds at zoom {a.zoom}, medians  Tavelo    bare Qt    ratio")
    lignes = [("launch -> mapped (ms)", mesures, 0), ("launch -> first paint (ms)", mesures, 1),
              ("CPU to first paint (ms)", mesures, 2), ("anonymous RSS (kB)", mesures, 3),
              ("press -> pixels (ms)", clics, 0), ("release -> pixels (ms)", clics, 1),
              ("CPU per press (ms)", clics, 2), ("CPU per release (ms)", clics, 3)]
    for nom, serie, rang in lignes:
        t, n = mediane(serie["tavelo"], rang), mediane(serie["nue"], rang)
        print(f"{nom:27} {t:9.2f} {n:10.2f} {t / n:8.2f}")


if __name__ == "__main__":
    main()
