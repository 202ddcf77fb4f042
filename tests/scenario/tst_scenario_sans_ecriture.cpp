// SPDX-License-Identifier: GPL-3.0-or-later
// A whole session under strace: the drill (a right answer, a wrong one and
// its correction), every entry of the menu with every control of the
// windows it opens, printing, then the end. The program writes no file but
// the test sheet the teacher asked for, and opens no network socket.

#include "client_scenario.h"
#include "singe.h"

#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// What the trace shows the driver and the program did to the outside.
struct Trace
{
    int lignes = 0;
    QStringList ecrits;         // files and folders created, changed or removed
    QStringList feuilles;       // PDF files written: printed sheets
    QStringList reseau;         // connections and sends beyond this machine
    bool ecran_du_pilote = false; // the driver's own screen file was seen
};

bool modifie(const QString &appel, const QString &arguments)
{
    static const QStringList toujours = {"creat", "mkdir", "mkdirat", "rename", "renameat",
                                         "renameat2", "link", "linkat", "symlink", "symlinkat",
                                         "unlink", "unlinkat", "rmdir", "truncate"};
    if (toujours.contains(appel))
        return true;
    static const QRegularExpression ecriture(QStringLiteral("O_WRONLY|O_RDWR|O_CREAT|O_TRUNC"));
    return appel.startsWith(QLatin1String("open")) && ecriture.match(arguments).hasMatch();
}

Trace lit_trace(const QString &fichier, const QString &dossier_temporaire)
{
    static const QRegularExpression appel(QStringLiteral("^\\d+\\s+(\\w+)\\((.*)\\)\\s+= (-?\\d+)"));
    static const QRegularExpression chemin(QStringLiteral("\"([^\"]*)\""));
    static const QRegularExpression reseau(
        QStringLiteral("\\b(connect|bind|sendto|sendmsg)\\(\\d+, .*AF_INET"));
    static const QRegularExpression loopback(
        QStringLiteral("inet_addr\\(\"127\\.|inet_pton\\(AF_INET6, \"::1\"|::ffff:127\\."));
    Trace trace;
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return trace;
    while (!f.atEnd()) {
        const QString ligne = QString::fromUtf8(f.readLine()).trimmed();
        ++trace.lignes;
        // Reaching for the network is a connection, bind or send to an
        // internet address other than this machine's own, whether it
        // succeeds or not (a call a thread leaves unfinished counts too):
        // the printing library looks for a print server on the loopback,
        // which is not the network.
        if (reseau.match(ligne).hasMatch() && !loopback.match(ligne).hasMatch()) {
            trace.reseau.append(ligne);
            continue;
        }
        const QRegularExpressionMatch m = appel.match(ligne);
        if (!m.hasMatch())
            continue;
        const QString nom = m.captured(1);
        const QString arguments = m.captured(2);
        const bool echec = m.captured(3).startsWith(u'-');
        if (echec || !modifie(nom, arguments))
            continue;
        // The last path named is the one made: linkat and renameat name two.
        QString cible;
        for (const QRegularExpressionMatch &p : chemin.globalMatch(arguments))
            cible = p.captured(1);
        if (cible.contains(QLatin1String("tavelo-ecran-"))
            || (arguments.contains(QLatin1String("O_TMPFILE")) && cible == dossier_temporaire)) {
            trace.ecran_du_pilote = true;
        } else if (cible.startsWith(QLatin1String("/dev/"))) {
            continue;
        } else if (cible.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
            trace.feuilles.append(cible);
        } else {
            trace.ecrits.append(ligne);
        }
    }
    return trace;
}

// Every visible, enabled control of every shown window, pressed once.
void presse_tout(ClientScenario &client)
{
    for (const QJsonObject &fenetre : fenetres_montrees(client.commande(QStringLiteral("dump"))))
        for (const QString &nom : controles_cliquables(fenetre))
            client.commande(QStringLiteral("click %1.%2").arg(fenetre["objectName"].toString(), nom));
}

void ferme_les_annexes(ClientScenario &client)
{
    for (const QJsonObject &fenetre : fenetres_montrees(client.commande(QStringLiteral("dump"))))
        if (fenetre["objectName"].toString() != QLatin1String("general"))
            client.commande(QStringLiteral("close ") + fenetre["objectName"].toString());
}

void seance(ClientScenario &client)
{
    const QString reponse = client.etat()["texte_resultat"].toString();
    for (const QChar c : reponse)
        client.commande(QStringLiteral("click general.Button") + (c == u'-' ? QChar(u'_') : c));
    client.commande(QStringLiteral("click general.ButtonOK"));
    client.commande(QStringLiteral("wait 400"));
    client.commande(QStringLiteral("type 99"));
    client.commande(QStringLiteral("click general.ButtonOK"));
    client.commande(QStringLiteral("click general.Button10"));

    for (const QString &entree : entrees_de_menu(client)) {
        client.commande(QStringLiteral("menu ") + entree);
        client.commande(QStringLiteral("wait 100"));
        presse_tout(client);
        ferme_les_annexes(client);
    }
}

} // namespace

class TstScenarioSansEcriture : public QObject
{
    Q_OBJECT

private slots:
    void une_seance_n_ecrit_que_la_feuille_et_n_ouvre_aucun_reseau();
};

void TstScenarioSansEcriture::une_seance_n_ecrit_que_la_feuille_et_n_ouvre_aucun_reseau()
{
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    if (strace.isEmpty())
        QSKIP("strace is not installed");

    // A home, a temporary folder and a runtime folder of its own, as a
    // desktop session gives: whatever lands there shows.
    QTemporaryDir dossier;
    QVERIFY(dossier.isValid());
    const QString temporaire = dossier.filePath(QStringLiteral("TMPDIR"));
    for (const char *variable : {"TMPDIR", "HOME", "XDG_RUNTIME_DIR"}) {
        const QString chemin = dossier.filePath(QLatin1String(variable));
        QVERIFY(QDir().mkpath(chemin));
        QFile(chemin).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv(variable, chemin.toLocal8Bit());
    }
    const QString journal = dossier.filePath(QStringLiteral("trace.log"));
    {
        ClientScenario client(3, {strace, QStringLiteral("-f"), QStringLiteral("-qq"),
                                  QStringLiteral("-e"), QStringLiteral("trace=%file,%network"),
                                  QStringLiteral("-o"), journal, QStringLiteral("--")});
        QVERIFY2(client.commande(QStringLiteral("state"))["ok"].toBool(), qPrintable(client.erreur()));
        seance(client);
        QVERIFY2(client.pret(), qPrintable(client.erreur()));
    }

    const Trace trace = lit_trace(journal, temporaire);
    // The driver's own screen file proves that the trace sees writes.
    QVERIFY2(trace.ecran_du_pilote, qPrintable(QStringLiteral("%1 lines traced").arg(trace.lignes)));
    QVERIFY2(trace.ecrits.isEmpty(), qPrintable(trace.ecrits.join(u'\n')));
    QVERIFY2(trace.reseau.isEmpty(), qPrintable(trace.reseau.join(u'\n')));
    QVERIFY2(trace.feuilles.size() <= 1, qPrintable(trace.feuilles.join(u'\n')));
    qInfo("%d lines traced; sheets written: %lld", trace.lignes, qsizetype(trace.feuilles.size()));
}

QTEST_GUILESS_MAIN(TstScenarioSansEcriture)
#include "tst_scenario_sans_ecriture.moc"
