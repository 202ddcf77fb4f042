#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Turns a WOFF 1.0 font into the TrueType font it wraps.

    python3 tools/woff_en_ttf.py comic-relief-latin-700-normal.woff ComicRelief-Bold.ttf

Each table is inflated and laid out again, 4-byte aligned and sorted by
tag, with its checksum and the whole font's checkSumAdjustment recomputed.
The tables themselves are copied unchanged. Made the fonts of
resources/polices/ from the WOFF files of the npm package
@fontsource/comic-relief 5.3.0.
"""
import struct
import sys
import zlib


def somme(donnees):
    donnees += b'\0' * (-len(donnees) % 4)
    return sum(struct.unpack('>%dI' % (len(donnees) // 4), donnees)) & 0xFFFFFFFF


def convertit(woff):
    signature, saveur, _, nombre = struct.unpack('>4sIIH', woff[:14])
    if signature != b'wOFF':
        raise SystemExit('not a WOFF 1.0 font')
    tables = {}
    for i in range(nombre):
        entree = woff[44 + 20 * i:64 + 20 * i]
        etiquette, decalage, compresse, origine, _ = struct.unpack('>4sIIII', entree)
        donnees = woff[decalage:decalage + compresse]
        if compresse < origine:
            donnees = zlib.decompress(donnees)
        tables[etiquette] = donnees
    # The adjustment is computed over the font with it set to 0.
    tables[b'head'] = tables[b'head'][:8] + b'\0\0\0\0' + tables[b'head'][12:]

    etiquettes = sorted(tables)
    puissance = max(k for k in range(16) if 2 ** k <= nombre)
    sortie = bytearray(struct.pack('>IHHHH', saveur, nombre, 16 * 2 ** puissance, puissance,
                                   16 * nombre - 16 * 2 ** puissance))
    decalage = 12 + 16 * nombre
    corps = bytearray()
    place_head = 0
    for etiquette in etiquettes:
        donnees = tables[etiquette]
        if etiquette == b'head':
            place_head = decalage + len(corps)
        sortie += struct.pack('>4sIII', etiquette, somme(donnees), decalage + len(corps),
                              len(donnees))
        corps += donnees + b'\0' * (-len(donnees) % 4)
    sortie += corps
    struct.pack_into('>I', sortie, place_head + 8, (0xB1B0AFBA - somme(bytes(sortie))) & 0xFFFFFFFF)
    return bytes(sortie)


if __name__ == '__main__':
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    with open(sys.argv[1], 'rb') as entree:
        ttf = convertit(entree.read())
    with open(sys.argv[2], 'wb') as sortie:
        sortie.write(ttf)
