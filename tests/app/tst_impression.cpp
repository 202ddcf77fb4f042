// SPDX-License-Identifier: GPL-3.0-or-later
#include "aleatoire.h"
#include "calcul_question.h"
#include "enregistrement_pdf.h"
#include "etat_partage.h"
#include "feuille_test.h"
#include "impression_test.h"
#include "polices.h"
#include "service_impression.h"

#include <QDirIterator>
#include <QPaintEngine>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

// Where a print ends: on the default printer, or in a PDF in the documents
// or the home folder, with a French message saying why and where; and the
// answer key that goes with the sheet.
class TestImpression : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installe_polices_de_substitution(); }
    void destination_data();
    void destination();
    void corrige_et_code_sur_les_deux_pages();
};

namespace {

// A print service that answers as told and keeps the jobs it is given.
struct FauxService : ServiceImpression
{
    InventaireImprimantes etat;
    QString empeche;
    QString refus;
    QList<QByteArray> travaux;

    InventaireImprimantes inventaire() override { return etat; }
    QString empechement(const QString &) override { return empeche; }
    QPageSize format(const QString &) override { return QPageSize(QPageSize::Letter); }
    ReponseImpression imprime(const QString &, const QString &, const QByteArray &pdf) override
    {
        travaux << pdf;
        return {refus.isEmpty(), refus};
    }
};

enum Etape { aucune, creation, ecriture, fermeture };

// The real files inside one folder, with one step failing as the system
// would fail it in the folders that start with a prefix; a failed write
// leaves half a file. A file asked for outside is refused and noted.
struct FichiersPieges : SystemeFichiers
{
    QString enclos;
    QStringList dehors;
    Etape etape = aucune;
    int erreur = 0;
    QString prefixe;
    QList<int> pieges;

    int cree(const QString &chemin) override
    {
        if (!chemin.startsWith(enclos + '/')) {
            dehors << chemin;
            return -EACCES;
        }
        const bool piege = etape != aucune && chemin.startsWith(prefixe);
        if (piege && etape == creation)
            return -erreur;
        const int f = fichiers_du_systeme().cree(chemin);
        if (piege)
            pieges << f;
        return f;
    }
    int ecrit(int f, const QByteArray &octets) override
    {
        if (etape == ecriture && pieges.contains(f)) {
            fichiers_du_systeme().ecrit(f, octets.left(octets.size() / 2));
            return erreur;
        }
        return fichiers_du_systeme().ecrit(f, octets);
    }
    int ferme(int f) override
    {
        const int e = fichiers_du_systeme().ferme(f);
        return etape == fermeture && pieges.contains(f) ? erreur : e;
    }
    void supprime(const QString &chemin) override { fichiers_du_systeme().supprime(chemin); }
};

QStringList fichiers_sous(const QString &racine)
{
    QStringList trouves;
    QDirIterator it(racine, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        trouves << it.next();
    return trouves;
}

int pages_du_pdf(const QByteArray &pdf)
{
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page>"));
}

// Records the texts a picture draws, with the point each is drawn at.
class TextesPeints : public QPaintDevice, public QPaintEngine
{
public:
    struct Texte { QPointF ou; QString texte; bool gras; };
    QList<Texte> textes;

    explicit TextesPeints(const QPicture &page) : QPaintEngine(QPaintEngine::AllFeatures)
    {
        QPainter(this).drawPicture(0, 0, page);
    }
    QPaintEngine *paintEngine() const override { return const_cast<TextesPeints *>(this); }
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath &) override {}
    void drawTextItem(const QPointF &p, const QTextItem &t) override
    {
        textes.append({painter()->transform().map(p), t.text(), t.font().bold()});
    }
    Type type() const override { return User; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return feuille_test::taille.width();
        case PdmHeight: return feuille_test::taille.height();
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return m >= PdmDpiX && m <= PdmPhysicalDpiY ? 96 : 1;
        }
    }
};

// The cell of question n, in sheet units.
QRect cellule(int n)
{
    const int j = (n - 1) % 5, k = (n - 1) / 5;
    return QRect(QPoint(320 * j + 10, 240 + 595 * k / 2), QPoint(320 * j + 330, 240 + 595 * (k + 1) / 2));
}

} // namespace

void TestImpression::destination_data()
{
    QTest::addColumn<QStringList>("imprimantes"); // the first one is the default; "!" none
    QTest::addColumn<QString>("panne");          // of the service, the printer, or the job
    QTest::addColumn<int>("ou_echoue");          // 0 service, 1 printer, 2 job
    QTest::addColumn<QString>("maison");         // "" unset, "/" the root, else under the test folder
    QTest::addColumn<int>("etape");
    QTest::addColumn<int>("erreur");
    QTest::addColumn<QString>("piege");          // the folder the fault strikes
    QTest::addColumn<QString>("destination");    // "imprimante", a folder, or "" nowhere
    QTest::addColumn<QStringList>("message");

    const QStringList une{"Bureau"}, aucune_imprimante;
    const QString arret = "Le service d'impression ne répond pas : il n'est pas démarré.";
    const QString refus = "L'imprimante « Bureau » a refusé la feuille : elle n'accepte plus de travaux.";
    const QString docs = "maison/Documents";
    const QStringList enregistre{"et son corrigé ont été enregistrés dans :", "Documents/Test Tavelo 2026-05-12.pdf"};
    QTest::newRow("job accepted") << une << "" << 0 << "maison" << int(aucune) << 0 << "" << "imprimante" << QStringList();
    QTest::newRow("no printer installed") << aucune_imprimante << "" << 0 << "maison" << int(aucune) << 0 << "" << docs
                                          << QStringList{"Aucune imprimante n'est installée."} + enregistre;
    QTest::newRow("printers but no default")
        << QStringList{"!", "Bureau", "Salle 12"} << "" << 0 << "maison" << int(aucune) << 0 << "" << docs
        << QStringList{"Aucune imprimante n'est choisie par défaut", "(Bureau, Salle 12)"} + enregistre;
    QTest::newRow("service down") << aucune_imprimante << arret << 0 << "maison" << int(aucune) << 0 << "" << docs
                                  << QStringList{arret} + enregistre;
    QTest::newRow("printer stopped before the job") << une << "L'imprimante « Bureau » est arrêtée." << 1 << "maison"
                                                    << int(aucune) << 0 << "" << docs << QStringList{"arrêtée."} + enregistre;
    QTest::newRow("job rejected") << une << refus << 2 << "maison" << int(aucune) << 0 << "" << docs
                                  << QStringList{refus} + enregistre;
    QTest::newRow("HOME unset") << aucune_imprimante << "" << 0 << "" << int(aucune) << 0 << "" << ""
                                << QStringList{"n'a pas pu être enregistrée : le dossier personnel n'est pas connu "
                                               "(la variable HOME n'est pas définie)."};
    QTest::newRow("HOME at the root") << aucune_imprimante << "" << 0 << "/" << int(aucune) << 0 << "" << ""
                                      << QStringList{"(HOME=/) n'est pas un dossier"};
    QTest::newRow("documents read-only: home") << aucune_imprimante << "" << 0 << "maison" << int(creation) << EROFS
                                               << docs << "maison" << QStringList{"maison/Test Tavelo 2026-05-12.pdf"};
    QTest::newRow("documents and home read-only")
        << aucune_imprimante << "" << 0 << "maison" << int(creation) << EROFS << "maison" << ""
        << QStringList{"Documents : le disque est en lecture seule ; dans ", "maison : le disque est en lecture seule."};
    QTest::newRow("disk full while writing")
        << une << refus << 2 << "maison" << int(ecriture) << ENOSPC << "maison" << ""
        << QStringList{refus, "La feuille de test, avec son corrigé, n'a pas pu être enregistrée : dans ",
                       "Documents : le disque est plein ;"};
    QTest::newRow("quota reached when closing") << aucune_imprimante << "" << 0 << "maison" << int(fermeture)
                                                << EDQUOT << "maison" << "" << QStringList{"quota"};
}

// Each print ends on the printer or in one PDF of both pages under the
// home folder, never elsewhere; whatever failed is said in French, and a
// file that could not be written whole is gone.
void TestImpression::destination()
{
    QFETCH(QStringList, imprimantes);
    QFETCH(QString, panne);
    QFETCH(int, ou_echoue);
    QFETCH(QString, maison);
    QFETCH(int, etape);
    QFETCH(int, erreur);
    QFETCH(QString, piege);
    QFETCH(QString, destination);
    QFETCH(QStringList, message);

    QTemporaryDir racine;
    const QString vraie_maison = qEnvironmentVariable("HOME");
    const auto remet = qScopeGuard([&] { qputenv("HOME", vraie_maison.toLocal8Bit()); });
    QDir(racine.path()).mkpath("maison/Documents");
    if (maison.isEmpty())
        qunsetenv("HOME");
    else
        qputenv("HOME", (maison == "/" ? maison : racine.filePath(maison)).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", racine.filePath("maison/.config").toLocal8Bit());

    FauxService service;
    if (ou_echoue == 0)
        service.etat.panne = panne;
    else
        (ou_echoue == 1 ? service.empeche : service.refus) = panne;
    service.etat.imprimantes = imprimantes.mid(imprimantes.value(0) == "!" ? 1 : 0);
    if (!imprimantes.isEmpty() && imprimantes.first() != "!")
        service.etat.par_defaut = imprimantes.first();
    FichiersPieges fichiers;
    fichiers.enclos = racine.filePath("maison");
    fichiers.etape = Etape(etape);
    fichiers.erreur = erreur;
    fichiers.prefixe = racine.filePath(piege);
    const DossiersPossibles dossiers = dossiers_d_enregistrement();

    EtatPartage etat;
    etat.charge_valeurs_de_depart();
    AleatoireHorloge hasard(7);
    const SortieFeuille sortie = imprime_ou_enregistre(
        pages_de_la_feuille(nouvelle_feuille(etat, hasard), true),
        {service, fichiers, dossiers, QDate(2026, 5, 12)});

    for (const QString &partie : message)
        QVERIFY2(sortie.message.contains(partie), qPrintable(sortie.message));
    QVERIFY(!sortie.message.contains("rror"));
    QCOMPARE(sortie.imprimee, destination == "imprimante");
    QCOMPARE(service.travaux.size(), int(destination == "imprimante" || ou_echoue == 2));
    for (const QByteArray &travail : service.travaux)
        QCOMPARE(pages_du_pdf(travail), 2);
    const QStringList ecrits = fichiers_sous(racine.path());
    QCOMPARE(ecrits, sortie.fichier.isEmpty() ? QStringList() : QStringList{sortie.fichier});
    if (!destination.isEmpty() && destination != "imprimante")
        QCOMPARE(QFileInfo(sortie.fichier).path(), racine.filePath(destination));
    QCOMPARE(fichiers.dehors, QStringList());
}

// The key holds, under each question of the sheet and in the same cell,
// that question's answer; the sheet holds no answer; both pages carry the
// same code in the same corner.
void TestImpression::corrige_et_code_sur_les_deux_pages()
{
    EtatPartage etat;
    etat.charge_valeurs_de_depart();
    AleatoireHorloge hasard(11);
    const FeuilleCodee feuille = nouvelle_feuille(etat, hasard);
    const QList<QPicture> pages = pages_de_la_feuille(feuille, true);
    QCOMPARE(pages_de_la_feuille(feuille, false).size(), 1);
    const auto feuille_lue = TextesPeints(pages[0]).textes;
    const auto corrige_lu = TextesPeints(pages.value(1)).textes;

    for (const auto &page : {feuille_lue, corrige_lu})
        QVERIFY(std::any_of(page.begin(), page.end(), [&](const auto &t) {
            return t.texte == "Feuille " + feuille.code.texte()
                && feuille_test::place_du_code.contains(t.ou.toPoint());
        }));
    QVERIFY(std::none_of(feuille_lue.begin(), feuille_lue.end(), [](const auto &t) { return t.gras; }));
    for (int n = 1; n <= 40; ++n) {
        QString question, reponse;
        for (const auto &t : corrige_lu)
            if (cellule(n).contains(t.ou.toPoint()))
                (t.gras && t.ou.y() > cellule(n).top() + 80 ? reponse : question) = t.texte;
        QCOMPARE(question, feuille.sujet.questions[n] + "=");
        QCOMPARE(reponse, calcule_question(question));
    }
}

QTEST_MAIN(TestImpression)
#include "tst_impression.moc"
