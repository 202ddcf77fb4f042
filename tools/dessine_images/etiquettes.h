// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// The level badge "NIVEAU n", 69 × 20: red for the level being played,
// grey for the others.
QImage dessine_niveau(int niveau, bool courant);

// A word in italic capitals, 88 × 44, filled from `clair` at the top to
// `fonce` at the bottom, outlined and lightly shadowed (OUI!, FAUX!).
QImage dessine_mot(const QString &mot, const QColor &clair, const QColor &fonce);

// A red diagonal cross, 80 × 60, that strikes out a wrong answer.
QImage dessine_croix();
