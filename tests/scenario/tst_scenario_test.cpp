// SPDX-License-Identifier: GPL-3.0-or-later
// The two tests end to end: the on-screen test answered and corrected as
// a pupil does, and the printed sheet on a machine without a printer.

#include "calcul_question.h"
#include "client_scenario.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr quint64 graine = 20261208;

QString texte(ClientScenario &client, const QString &controle)
{
    return client.controle(controle, QStringLiteral("test"))["text"].toString();
}

} // namespace

class TstScenarioTest : public QObject
{
    Q_OBJECT

private slots:
    void test_a_l_ecran_tout_juste();
    void test_laisse_blanc();
    void feuille_sans_imprimante();
};

// With maxima of 99 some answers have four characters ("-104"): each is
// typed whole and counts as right.
void TstScenarioTest::test_a_l_ecran_tout_juste()
{
    ClientScenario client(graine);
    for (const char *reglage : {"set max_avec_calcul 99", "set max_sans_calcul 99", "set avec_retenues 1"})
        QVERIFY(client.commande(reglage)["ok"].toBool());
    QVERIFY2(client.commande("menu Test/test à l'écran")["triggered"].toBool(),
             qPrintable(client.erreur()));

    int quatre_caracteres = 0;
    for (int n = 1; n <= 40; ++n) {
        const QString question = texte(client, QStringLiteral("Label%1").arg(n));
        const QString reponse = calcule_question(question);
        QVERIFY2(reponse != "?", qPrintable(question));
        quatre_caracteres += reponse.size() == 4;
        client.commande(QStringLiteral("click test.Edit%1").arg(n));
        client.commande("type " + reponse);
        QCOMPARE(texte(client, QStringLiteral("Edit%1").arg(n)), reponse);
    }
    QVERIFY(quatre_caracteres > 0);
    client.commande("click test.Button1");
    QCOMPARE(texte(client, "EffectLabel_note"), QStringLiteral("20/20"));
    QCOMPARE(texte(client, "Label_fautes"), QStringLiteral("BRAVO!!"));
    QVERIFY(!client.controle("Label_pdr", "test")["visible"].toBool());
    client.commande("click test.Button1");
    QVERIFY(!client.fenetre("test")["visible"].toBool());
}

// Questions end flush against their fields; a test left blank is marked
// field by field, and the next show starts afresh with the scale.
void TstScenarioTest::test_laisse_blanc()
{
    ClientScenario client(graine);
    client.commande("menu Test/test à l'écran");
    QMap<QString, QJsonObject> controles;
    for (const QJsonValue c : client.fenetre("test")["controls"].toArray())
        controles.insert(c[u"objectName"].toString(), c.toObject());
    for (int n = 1; n <= 40; ++n) {
        const QJsonObject question = controles[QStringLiteral("Label%1").arg(n)]["geometry"].toObject();
        QCOMPARE(question["x"].toInt() + question["w"].toInt(),
                 controles[QStringLiteral("Edit%1").arg(n)]["geometry"][u"x"].toInt());
    }
    client.commande("click test.Edit1");
    client.commande("type a-9-99");
    QCOMPARE(texte(client, "Edit1"), QStringLiteral("-99"));
    for (int i = 0; i < 3; ++i)
        client.commande("key Backspace");

    client.commande("click test.Button1");
    QCOMPARE(texte(client, "Label_pdr"), QStringLiteral("pas de réponse"));
    QVERIFY(!client.controle("Label_fautes", "test")["visible"].toBool());
    QCOMPARE(texte(client, "EffectLabel_note"), QStringLiteral("0/20"));
    for (const char *champ : {"Edit1", "Edit40"}) {
        QCOMPARE(client.controle(champ, "test")["background"].toString(), QStringLiteral("#ff0000"));
        QCOMPARE(client.controle(champ, "test")["color"].toString(), QStringLiteral("#ffff00"));
    }
    QVERIFY(client.controle("Label140", "test")["visible"].toBool());
    QCOMPARE(texte(client, "Label140"), calcule_question(texte(client, "Label40")));

    client.commande("click test.Button1");
    client.commande("menu Test/test à l'écran");
    QCOMPARE(texte(client, "Label_fautes"), QStringLiteral("barême: -2 points par faute"));
    QVERIFY(client.controle("Label_fautes", "test")["visible"].toBool());
    QVERIFY(!client.controle("Label140", "test")["visible"].toBool());
}

// HOME on an empty folder and no print server: one PDF lands there, the
// user is told, and the program goes on answering.
void TstScenarioTest::feuille_sans_imprimante()
{
    QTemporaryDir maison;
    qputenv("HOME", maison.path().toLocal8Bit());
    qputenv("CUPS_SERVER", maison.filePath("aucun-serveur").toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
    ClientScenario client(graine);

    QVERIFY2(client.commande("menu Test/Imprimer un test")["triggered"].toBool(),
             qPrintable(client.erreur()));
    QStringList pdf;
    for (QDirIterator i(maison.path(), {"*.pdf"}, QDir::Files, QDirIterator::Subdirectories);
         i.hasNext();)
        pdf.append(i.next());
    QCOMPARE(pdf.size(), 1);
    QVERIFY(QFileInfo(pdf.first()).size() > 1000);
    QVERIFY(client.commande("dump message_impression")["ok"].toBool());

    QVERIFY(client.commande("menu Test/test à l'écran")["triggered"].toBool());
    QVERIFY(client.fenetre("test")["visible"].toBool());
}

QTEST_GUILESS_MAIN(TstScenarioTest)
#include "tst_scenario_test.moc"
