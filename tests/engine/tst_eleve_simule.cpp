// SPDX-License-Identifier: GPL-3.0-or-later
// A simulated pupil plays the three levels with the real generator; the
// drill's invariants are checked after every event.
#include "eleve_simule.h"

#include "niveaux.h"

#include <QSet>
#include <QTest>

#include <deque>

namespace {

// Drawn independently of the catalogue's groups.
const QSet<int> croissants{4, 5, 6, 15, 16, 17, 25, 26, 27, 29, 30, 31};
const QSet<int> decroissants{9, 10, 13, 14, 22, 23, 33, 34};

// Every question a type can give, with the limits of a beginner (score
// below 10) or not, gathered by drawing far more than there are.
QSet<QString> questions_possibles(int type, bool debutant)
{
    AleatoireHorloge hasard(type * 2 + debutant);
    QSet<QString> textes;
    for (int i = 0; i < 6000; ++i) {
        const Tirage t = debutant ? tire_au_sort(hasard, type, false, 9, 19)
                                  : tire_au_sort(hasard, type, true, 19, 19);
        textes.insert(presentation::question(type, t.operande1, t.operande2));
    }
    return textes;
}

int valeur_forme(Forme f, int x, int y)
{
    switch (f) {
    case Forme::Zero: return 0;
    case Forme::X: return x;
    case Forme::MoinsX: return -x;
    case Forme::Y: return y;
    case Forme::MoinsY: return -y;
    }
    return 0;
}

// The operands have the type's shape: zero, x, -x, Y, -Y with 0 < x < Y.
bool a_la_forme(int type, int a, int b)
{
    const TypeQuestion &t = catalogue::type(type);
    const bool avec_y = t.premier == Forme::Y || t.premier == Forme::MoinsY
                        || t.second == Forme::Y || t.second == Forme::MoinsY;
    const bool y_en_premier = t.premier == Forme::Y || t.premier == Forme::MoinsY;
    const int x = std::abs(y_en_premier ? b : (t.premier == Forme::Zero ? b : a));
    const int y = avec_y ? std::abs(y_en_premier ? a : b) : 0;
    if (x <= 0 || (avec_y && x >= y))
        return false;
    return valeur_forme(t.premier, x, y) == a && valeur_forme(t.second, x, y) == b;
}

} // namespace

class TstEleveSimule : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        for (int type = 1; type <= 34; ++type)
            for (bool debutant : {false, true})
                m_possibles[type][debutant] = questions_possibles(type, debutant);
    }

    void trois_niveaux_data()
    {
        QTest::addColumn<quint64>("graine");
        QTest::addColumn<double>("juste");
        QTest::addColumn<double>("calcul");

        QTest::newRow("steady pupil") << quint64(1) << 0.85 << 0.10;
        QTest::newRow("careless counter") << quint64(2) << 0.85 << 0.13;
        QTest::newRow("rule breaker") << quint64(3) << 0.80 << 0.04;
        QTest::newRow("mixed, another seed") << quint64(4) << 0.80 << 0.10;
        QTest::newRow("mixed, a third seed") << quint64(5) << 0.80 << 0.10;
    }

    void trois_niveaux()
    {
        QFETCH(quint64, graine);
        QFETCH(double, juste);
        QFETCH(double, calcul);

        BancExercice banc(std::make_unique<AleatoireHorloge>(graine));
        EtatPartage &etat = banc.etat;
        EleveSimule eleve(banc, graine + 100, {juste, calcul});
        std::deque<QString> montrees(20); // the last 20 questions as shown
        int poses = 0;
        QString probleme; // the first broken invariant, if any
        const auto signale = [&probleme](const QString &quoi) {
            if (probleme.isEmpty())
                probleme = quoi;
        };

        banc.vue.sur_texte = [&](const QString &controle, const QString &texte) {
            if (controle != QLatin1String("Label_question") || texte == QStringLiteral("Félicitations!!!"))
                return;
            ++poses;
            const Niveau &n = niveaux::niveau(etat.niveau);
            const int t = etat.type_question;
            const QString entre_parentheses = presentation::question(t, etat.operande1, etat.operande2);
            const bool ok_type = t >= n.premier_type && t <= n.dernier_type;
            const bool ok_forme = a_la_forme(t, etat.operande1, etat.operande2);
            const bool ok_resultat = etat.resultat == (t <= 17 ? etat.operande1 + etat.operande2
                                                                : etat.operande1 - etat.operande2)
                                     && etat.texte_resultat == QString::number(etat.resultat);
            const bool nu = etat.texte_question
                            == presentation::question(t, etat.operande1, etat.operande2, true);
            const bool ok_texte = texte == etat.texte_question.texte()
                                  && (texte == entre_parentheses
                                      || (nu && etat.operande1 < 0 && etat.score >= 10));
            bool ok_nouvelle = true;
            if (std::find(montrees.begin(), montrees.end(), entre_parentheses) != montrees.end()) {
                // Only a type whose every question is in the history repeats.
                for (const QString &q : m_possibles[t][etat.score < 10])
                    ok_nouvelle = ok_nouvelle && std::find(montrees.begin(), montrees.end(), q) != montrees.end();
            }
            montrees.pop_back();
            montrees.push_front(texte);
            const bool ok_historique = etat.dernieres_questions[1] == texte;
            if (!(ok_type && ok_forme && ok_resultat && ok_texte && ok_nouvelle && ok_historique))
                signale(QStringLiteral("question %1 of type %2: type %3 shape %4 result %5 text %6 new %7 history %8")
                            .arg(texte).arg(t).arg(ok_type).arg(ok_forme).arg(ok_resultat)
                            .arg(ok_texte).arg(ok_nouvelle).arg(ok_historique));
        };
        eleve.apres_action = [&] {
            const int cible = etat.niveau < 3 ? 20 : 40;
            if (etat.score < 0 || etat.score > cible || etat.rang_question < 1 || etat.rang_question > 41)
                signale(QStringLiteral("score %1, rank %2").arg(etat.score).arg(etat.rang_question));
            // The banner's timer runs only over "BRAVO " at the target.
            if (banc.vue.tourne(QStringLiteral("Timer_fin_bravo"))
                && (etat.score != 20 || banc.vue.led(QStringLiteral("LedMatrix1")) != QStringLiteral("BRAVO ")))
                signale(QStringLiteral("banner timer at score %1").arg(etat.score));
        };
        int attendus[3] = {};
        eleve.apres_jugement = [&](const Coup &coup) {
            // Judged independently of the drill's own tables.
            const int a = coup.reponse.toInt();
            const int m = std::max(std::abs(coup.operande1), std::abs(coup.operande2));
            int issue = 2;
            if (a == coup.resultat)
                issue = 0;
            else if (a * coup.resultat > 0 && ((croissants.contains(coup.type) && std::abs(a) > m)
                                               || (decroissants.contains(coup.type) && std::abs(a) < m)))
                issue = 1;
            const int s = coup.score_avant;
            const int score_attendu = issue == 0 ? s + 1 : (issue == 1 ? 3 * s / 4 : s / 2);
            ++attendus[issue];
            if (etat.score != score_attendu || int(coup.intention) != issue)
                signale(QStringLiteral("answer %1 to %2 (type %3) at %4 gave %5")
                            .arg(coup.reponse, presentation::question(coup.type, coup.operande1, coup.operande2))
                            .arg(coup.type).arg(s).arg(etat.score));
        };

        int niveau_precedent = 1;
        int reponses = 0;
        int reponses_niveau = 0;
        int reussites = 0;
        int erreurs = 0;
        banc.demarre();
        while (!eleve.fini() && reponses < 100000 && probleme.isEmpty()) {
            const int score_avant = etat.score;
            const int niveau = etat.niveau;
            const Coup coup = eleve.joue();
            ++reponses;
            ++reponses_niveau;
            coup.intention == Intention::Regle ? ++erreurs : ++reussites;
            if (etat.niveau != niveau) {
                // Only the banner's timer moves on, once the target is hit.
                QCOMPARE(etat.niveau, niveau + 1);
                QCOMPARE(score_avant, 19);
                QCOMPARE(coup.intention, Intention::Juste);
                QCOMPARE(etat.score, 0);
                QCOMPARE(etat.rang_question, 1);
                QCOMPARE(banc.vue.titre(), QString::fromUtf8(niveaux::niveau(etat.niveau).titre));
                niveau_precedent = etat.niveau;
                reponses_niveau = 0;
            }
        }
        QVERIFY2(probleme.isEmpty(), qPrintable(probleme));
        QVERIFY(eleve.fini());
        QCOMPARE(niveau_precedent, 3);
        QCOMPARE(etat.score, 40);
        QCOMPARE(banc.vue.led(QStringLiteral("LedMatrix1")), QStringLiteral("BRAVO "));
        QVERIFY(!banc.vue.tourne(QStringLiteral("Timer_fin_bravo")));
        QVERIFY(!banc.vue.visible(QStringLiteral("ButtonOK")));
        QCOMPARE(banc.vue.texte(QStringLiteral("EffectLabel10")),
                 QStringLiteral("Tu dois maintenant effectuer un test."));
        // Every answer was counted once, as a success or a rule error.
        int compte_reussites = 0;
        int compte_erreurs = 0;
        for (int t = 1; t <= 34; ++t) {
            compte_reussites += etat.reussites[t];
            compte_erreurs += etat.erreurs[t];
        }
        QCOMPARE(compte_reussites, reussites);
        QCOMPARE(compte_erreurs, erreurs);
        QVERIFY(attendus[0] >= 80 && attendus[1] > 0 && attendus[2] > 0);
        QVERIFY(poses >= reponses);
        QVERIFY(reponses_niveau >= 40);
    }

private:
    QSet<QString> m_possibles[35][2];
};

QTEST_APPLESS_MAIN(TstEleveSimule)
#include "tst_eleve_simule.moc"
