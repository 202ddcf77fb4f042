// The two tests end to end: the on-screen test answered and corrected as
// a pupil does, and the printed sheet on a machine without a printer.

#include "calcul_question.h"
#include "client_scenario.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

namespace {

constexpr quint64 graine = 20261208;

QList<int> composition(ClientScenario &client)
{
    QList<int> ids;
    for (const QJsonValue v : client.etat()["composition_test"].toArray())
        ids.append(v.toInt());
    return ids;
}

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
    void feuille_sans_imprimante();
};

void TstScenarioTest::test_a_l_ecran_tout_juste()
{
    ClientScenario client(graine);
    QVERIFY2(client.commande("menu Test/test à l'écran")["triggered"].toBool(),
             qPrintable(client.erreur()));
    QVERIFY(client.fenetre("test")["visible"].toBool());

    for (int n = 1; n <= 40; ++n) {
        const QString question = texte(client, QStringLiteral("Label%1").arg(n));
        const QString reponse = calcule_question(question);
        QVERIFY2(reponse != "?", qPrintable(question));
        QCOMPARE(client.commande(QStringLiteral("click test.Edit%1").arg(n))["target"].toString(),
                 QStringLiteral("Edit%1").arg(n));
        client.commande("type " + reponse);
        QCOMPARE(texte(client, QStringLiteral("Edit%1").arg(n)), reponse);
    }
    client.commande("click test.Button1");
    QCOMPARE(texte(client, "EffectLabel_note"), QStringLiteral("20/20"));
    QCOMPARE(texte(client, "Label_fautes"), QStringLiteral("BRAVO!!"));
    QVERIFY(!client.controle("Label_pdr", "test")["visible"].toBool());

    client.commande("click test.Button1");
    QVERIFY(!client.fenetre("test")["visible"].toBool());
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
    const QList<int> avant = composition(client);

    QVERIFY2(client.commande("menu Test/Imprimer un test")["triggered"].toBool(),
             qPrintable(client.erreur()));
    QStringList pdf;
    for (QDirIterator i(maison.path(), {"*.pdf"}, QDir::Files, QDirIterator::Subdirectories);
         i.hasNext();)
        pdf.append(i.next());
    QCOMPARE(pdf.size(), 1);
    QVERIFY(QFileInfo(pdf.first()).size() > 1000);
    QVERIFY(client.commande("dump message_impression")["ok"].toBool());

    const QList<int> apres = composition(client);
    QVERIFY(apres != avant);
    QVERIFY(std::is_permutation(avant.begin(), avant.end(), apres.begin()));
    QVERIFY(client.commande("menu Test/test à l'écran")["triggered"].toBool());
    QVERIFY(client.fenetre("test")["visible"].toBool());
}

QTEST_GUILESS_MAIN(TstScenarioTest)
#include "tst_scenario_test.moc"
