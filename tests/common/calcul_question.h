// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRegularExpression>
#include <QString>

// The result of a test question such as "(-26)+(-35)" or "-4-7", computed
// from its text alone (an "=" at the end is ignored); "?" for a text that
// is no question.
inline QString calcule_question(const QString &question)
{
    static const QRegularExpression forme(
        QStringLiteral(R"(^\(?(-?\d+)\)?([+-])(\((-\d+)\)|(\d+))=?$)"));
    const QRegularExpressionMatch m = forme.match(question);
    if (!m.hasMatch())
        return QStringLiteral("?");
    const int a = m.captured(1).toInt();
    const int b = (m.hasCaptured(4) ? m.captured(4) : m.captured(5)).toInt();
    return QString::number(m.captured(2) == QLatin1String("+") ? a + b : a - b);
}
