// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts the windows ask for resolve to their metric twins, the built-in
// Comic Relief included, in the regular and bold faces the windows use.
#include "polices.h"

#include <QApplication>
#include <QFontInfo>
#include <QTest>

class tst_Polices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installe_polices_de_substitution(); }
    void faceInstallee_data();
    void faceInstallee();
};

void tst_Polices::faceInstallee_data()
{
    QTest::addColumn<QString>("demandee");
    QTest::addColumn<bool>("gras");
    QTest::addColumn<QString>("installee");
    QTest::newRow("rule windows") << "Comic Sans MS" << false << "Comic Relief";
    QTest::newRow("rule windows, bold") << "Comic Sans MS" << true << "Comic Relief";
    QTest::newRow("keypad keys") << "Arial" << true << "Liberation Sans";
    QTest::newRow("main window") << "Arial Narrow" << false << "Liberation Sans Narrow";
}

void tst_Polices::faceInstallee()
{
    QFETCH(QString, demandee);
    QFETCH(bool, gras);
    QFETCH(QString, installee);
    QFont police(demandee);
    police.setBold(gras);
    const QFontInfo face(police);
    QCOMPARE(face.family(), installee);
    // A real face, not the regular one thickened.
    QCOMPARE(face.styleName(), gras ? QStringLiteral("Bold") : QStringLiteral("Regular"));
}

QTEST_MAIN(tst_Polices)
#include "tst_polices.moc"
