// SPDX-License-Identifier: GPL-3.0-or-later
#include "ressources.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

// The help is a set of HTML pages built into the program. Every link and
// every style sheet they name must lead to a page of the help, and every
// page must be reachable from the contents page.
namespace {

const QString dossier_aide = QStringLiteral(":/aide");

QString lis(const QString &chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(fichier.readAll());
}

// Targets of the href and src attributes of a page, in order.
QStringList cibles(const QString &page)
{
    static const QRegularExpression attribut(QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"]*)\""),
                                             QRegularExpression::CaseInsensitiveOption);
    QStringList liste;
    for (auto it = attribut.globalMatch(page); it.hasNext();)
        liste << it.next().captured(1);
    return liste;
}

QStringList pages_html()
{
    QStringList pages;
    for (QDirIterator it(dossier_aide, {QStringLiteral("*.html")}, QDir::Files); it.hasNext();)
        pages << it.next();
    pages.sort();
    return pages;
}

QString en_ressource(const QUrl &url)
{
    return QLatin1Char(':') + url.path();
}

} // namespace

class tst_Aide : public QObject
{
    Q_OBJECT

private slots:
    void contents_page_exists();
    void every_link_resolves_data();
    void every_link_resolves();
    void every_page_is_in_the_contents();
};

void tst_Aide::contents_page_exists()
{
    const QUrl sommaire = page_aide();
    QCOMPARE(sommaire.scheme(), QStringLiteral("qrc"));
    const QString texte = lis(en_ressource(sommaire));
    QVERIFY(texte.contains(QStringLiteral("<title>Aide de TAVELO</title>")));
    QVERIFY(texte.contains(QStringLiteral("Sommaire")));
}

void tst_Aide::every_link_resolves_data()
{
    QTest::addColumn<QString>("chemin");
    const QStringList pages = pages_html();
    QVERIFY(pages.size() >= 2);
    for (const QString &chemin : pages)
        QTest::newRow(qPrintable(chemin.section(QLatin1Char('/'), -1))) << chemin;
}

void tst_Aide::every_link_resolves()
{
    QFETCH(QString, chemin);
    const QString texte = lis(chemin);
    QVERIFY(!texte.isEmpty());
    const QUrl base(QStringLiteral("qrc") + chemin);
    const QStringList liens = cibles(texte);
    QVERIFY2(!liens.isEmpty(), "a help page with no way back to the contents");

    for (const QString &lien : liens) {
        const QUrl cible = base.resolved(QUrl(lien));
        QVERIFY2(cible.scheme() == QStringLiteral("qrc"), qPrintable(lien));
        const QString page_cible = lis(en_ressource(cible));
        QVERIFY2(!page_cible.isEmpty(), qPrintable(lien));
        if (cible.hasFragment()) {
            const QString ancre = QStringLiteral("name=\"%1\"").arg(cible.fragment());
            QVERIFY2(page_cible.contains(ancre), qPrintable(lien));
        }
    }
    if (base != page_aide())
        QVERIFY2(liens.contains(QStringLiteral("index.html")), "no link back to the contents");
}

void tst_Aide::every_page_is_in_the_contents()
{
    const QUrl sommaire = page_aide();
    QStringList atteintes;
    for (const QString &lien : cibles(lis(en_ressource(sommaire))))
        atteintes << en_ressource(sommaire.resolved(QUrl(lien)));
    for (const QString &chemin : pages_html())
        if (QUrl(QStringLiteral("qrc") + chemin) != sommaire)
            QVERIFY2(atteintes.contains(chemin), qPrintable(chemin));
}

QTEST_MAIN(tst_Aide)
#include "tst_aide.moc"
