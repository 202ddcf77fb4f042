// SPDX-License-Identifier: GPL-3.0-or-later
// The program stays flat in memory: once warmed up, a thousand answers and
// a hundred openings of each window leave the heap in use and the number of
// live QObjects where they were. It counts; it does not time.

#include "client_scenario.h"

#include <QtTest>

namespace {

constexpr quint64 graine = 4242;

// What the heap may grow by over the whole run, for the odd cache that
// fills up late (fonts, glyphs); a leak of a few hundred bytes per answer
// or per opening passes it.
constexpr qint64 croissance_permise = 200 * 1024;
// Of which the six hundred openings: the test platform keeps 60 to 75 kB of
// its own over them; a window that kept Qt's focus connection at each
// opening would add as much again.
constexpr qint64 croissance_permise_ouvertures = 100 * 1024;

// The windows the menu opens, with the entry that opens each.
const struct
{
    const char *fenetre;
    const char *entree;
} ouvertures[] = {
    {"lecon", "Leçon"},   {"regle_add", "Règle 1"}, {"regle_soust", "Règle 3"},
    {"test", "Test/test à l'écran"}, {"options", "Options"}, {"a_propos", "Aide/A propos..."},
};

struct Memoire
{
    qint64 tas = 0;
    qint64 objets = 0;
};

class Eleve
{
public:
    explicit Eleve(ClientScenario &client) : m_client(client) {}

    // Right answers typed on the keyboard, the pause after each cut short;
    // the score is put back before it ends the level.
    bool repond(int fois)
    {
        for (int i = 0; i < fois; ++i) {
            const QString reponse = m_client.etat()["texte_resultat"].toString();
            for (const QChar c : reponse)
                m_client.commande(c == '-' ? QStringLiteral("key KP_Subtract")
                                           : QStringLiteral("key ") + c);
            m_client.commande(QStringLiteral("key Return"));
            if (!m_client.commande(QStringLiteral("tick timer_oui"))["fired"].toBool())
                return false;
            if (m_client.etat()["score"].toInt() >= 15)
                m_client.commande(QStringLiteral("set score 0"));
        }
        return true;
    }

    bool ouvre_chaque_fenetre(int fois)
    {
        for (int i = 0; i < fois; ++i) {
            for (const auto &o : ouvertures) {
                m_client.commande(QStringLiteral("menu ") + QString::fromUtf8(o.entree));
                const QJsonObject fermeture =
                    m_client.commande(QStringLiteral("close ") + QLatin1String(o.fenetre));
                // A closed window keeps no timer running.
                if (!fermeture["closed"].toBool() || fermeture["timers"].toInt() != 0) {
                    qWarning() << fermeture;
                    return false;
                }
            }
        }
        return true;
    }

    Memoire memoire()
    {
        const QJsonObject m = m_client.commande(QStringLiteral("memory"));
        return {m["heap"].toInteger(), m["objects"].toInteger()};
    }

private:
    ClientScenario &m_client;
};

} // namespace

class TstScenarioMemoire : public QObject
{
    Q_OBJECT

private slots:
    void mille_reponses_et_cent_ouvertures_laissent_la_memoire_en_place();
};

void TstScenarioMemoire::mille_reponses_et_cent_ouvertures_laissent_la_memoire_en_place()
{
    ClientScenario client(graine);
    QVERIFY2(client.pret(), qPrintable(client.erreur()));
    Eleve eleve(client);
    // Warming up: every window made and shown, the caches filled.
    QVERIFY(eleve.repond(100));
    QVERIFY(eleve.ouvre_chaque_fenetre(5));
    const Memoire avant = eleve.memoire();
    QVERIFY(avant.objets > 0);

    QVERIFY(eleve.repond(1000));
    const Memoire avant_ouvertures = eleve.memoire();
    QVERIFY(eleve.ouvre_chaque_fenetre(100));
    const qint64 ouvertures = eleve.memoire().tas - avant_ouvertures.tas;
    QVERIFY(eleve.repond(10));
    const Memoire apres = eleve.memoire();
    qInfo("heap in use %lld -> %lld bytes (openings: %+lld), live QObjects %lld -> %lld",
          avant.tas, apres.tas, ouvertures, avant.objets, apres.objets);
    QCOMPARE(apres.objets, avant.objets);
    QVERIFY2(ouvertures < croissance_permise_ouvertures, qPrintable(QString::number(ouvertures)));
    QVERIFY2(apres.tas - avant.tas < croissance_permise,
             qPrintable(QString::number(apres.tas - avant.tas)));
    QCOMPARE(client.termine(), 0);
}

QTEST_APPLESS_MAIN(TstScenarioMemoire)
#include "tst_scenario_memoire.moc"
