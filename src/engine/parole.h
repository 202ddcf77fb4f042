// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What a screen reader says of the drill and of the tests: texts for the
// ear, never shown. The window names its controls and announces the drill's
// events with them.
namespace parole {

// "Question : (-5)+3".
QString question(const QString &texte);

// "Question 12 : (-5)+3", a question of the on-screen test.
QString question_numerotee(int n, const QString &texte);

// "Score : 7 sur 20"; out of 40 at level 3.
QString score(int score, int niveau);

// "OUI!" or "FAUX!", followed by the correction line and the captions
// that name the rule: "FAUX! 3-7 = 3+(-7) = -4".
QString verdict(bool juste, const QString &ligne = {}, const QStringList &legendes = {});

// The end of a level, and of the last one: "BRAVO", then what replaces the
// question.
QString fin_de_niveau(const QStringList &message = {});

} // namespace parole
