// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QStringList>

// What must hold of the shared state after every step of a run, whatever
// the pupil did: the level and its score bounds, the position in the
// series, a question whose parts agree, 40 valid ids in the test's
// composition (20 of each operation), settings within what the options
// dialog allows, and adaptive weights that stay non-negative with a kept
// total. Returns one line per breach, empty when all hold.
QStringList invariants_rompus(const QJsonObject &etat);
