// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QTemporaryFile>

#include <memory>

// Qt's offscreen platform shows one 800 x 800 screen unless it is given a
// configuration file. This writes one describing a single screen of the
// given size at 96 dpi, with the desktop's own scale `echelle` (its device
// pixel ratio: the screen then has `taille` times `echelle` device pixels),
// and points QT_QPA_PLATFORM at it; call it before the
// QApplication is built and keep the returned file until the end.
std::unique_ptr<QTemporaryFile> configure_ecran_virtuel(QSize taille, qreal echelle = 1);
