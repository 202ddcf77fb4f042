// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The plain colours the windows' designs name, one definition for all.
namespace teintes {
inline const QColor noir(0, 0, 0);
inline const QColor bleu(0, 0, 255);
inline const QColor rouge(255, 0, 0);
inline const QColor jaune(255, 255, 0);
inline const QColor lime(0, 255, 0);
inline const QColor marron(128, 0, 0);
inline const QColor argent(192, 192, 192);
} // namespace teintes
