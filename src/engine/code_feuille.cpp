// SPDX-License-Identifier: GPL-3.0-or-later
#include "code_feuille.h"

#include "aleatoire.h"
#include "catalogue_types.h"
#include "etat_partage.h"
#include "tables.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

// The printed sheet's questions use maxima of 9, whatever the settings.
constexpr int max_de_la_feuille = 9;

// 31 symbols, a prime number of them so that the check symbol catches any
// one symbol miscopied and any two neighbours swapped. I, L, O, U and V
// are left out: they are too easily taken for 1, 0 or one another.
constexpr char symboles[] = "0123456789ABCDEFGHJKMNPQRSTWXYZ";
constexpr int base = 31;
constexpr int symboles_utiles = 6;
constexpr int longueur_du_code = symboles_utiles + 1;
static_assert(sizeof(symboles) - 1 == base);
// The payload packs the seed, the carry rule and the fingerprint.
static_assert(quint64(CodeFeuille::nombre_de_graines) * 2 * CodeFeuille::nombre_d_empreintes
                  <= 887503681ull, // 31 to the power 6
              "the payload fits in six symbols");

int cle_de_controle(const int (&chiffres)[symboles_utiles])
{
    int somme = 0;
    for (int i = 0; i < symboles_utiles; ++i)
        somme += (i + 1) * chiffres[i];
    return somme % base;
}

Tableau<int, 34> comptes(const Tableau<int, 40> &composition)
{
    Tableau<int, 34> compte;
    for (const int type : composition)
        ++compte[type];
    return compte;
}

Tableau<int, 40> triee(Tableau<int, 40> composition)
{
    std::sort(composition.begin(), composition.end());
    return composition;
}

QString code_mal_recopie(const QString &saisie)
{
    return QStringLiteral("« %1 » n'est le code d'aucune feuille : un caractère a sans doute été "
                          "mal recopié.")
        .arg(saisie.trimmed());
}

} // namespace

QString CodeFeuille::texte() const
{
    quint64 charge = (quint64(graine) * 2 + (avec_retenues ? 1 : 0)) * nombre_d_empreintes
                     + quint64(empreinte);
    int chiffres[symboles_utiles];
    for (int i = symboles_utiles - 1; i >= 0; --i) {
        chiffres[i] = int(charge % base);
        charge /= base;
    }
    QString texte;
    for (int i = 0; i < symboles_utiles; ++i) {
        if (i == 4)
            texte += QLatin1Char('-');
        texte += QLatin1Char(symboles[chiffres[i]]);
    }
    return texte + QLatin1Char(symboles[cle_de_controle(chiffres)]);
}

int empreinte_composition(const Tableau<int, 40> &composition)
{
    const Tableau<int, 34> compte = comptes(composition);
    if (compte == comptes(tables::composition_test_par_defaut))
        return 0;
    // FNV-1a over the 34 counts: the same on every machine.
    quint32 h = 2166136261u;
    for (const int n : compte) {
        h ^= quint32(n);
        h *= 16777619u;
    }
    return 1 + int(h % (CodeFeuille::nombre_d_empreintes - 1));
}

LectureCode lit_code_feuille(const QString &saisie)
{
    QString texte = saisie.toUpper();
    texte.remove(QLatin1Char('-'));
    texte.remove(QRegularExpression(QStringLiteral("\\s")));
    if (texte.startsWith(QStringLiteral("FEUILLE")))
        texte.remove(0, 7);
    texte.replace(QLatin1Char('O'), QLatin1Char('0'));
    texte.replace(QLatin1Char('I'), QLatin1Char('1'));
    texte.replace(QLatin1Char('L'), QLatin1Char('1'));

    if (texte.isEmpty())
        return {{}, QStringLiteral("Tapez le code écrit en bas de la feuille, par exemple 4K7Q-2MX.")};
    if (texte.size() != longueur_du_code)
        return {{},
                QStringLiteral("Un code de feuille a 7 caractères, comme 4K7Q-2MX ; « %1 » en a %2.")
                    .arg(saisie.trimmed())
                    .arg(texte.size())};
    int chiffres[symboles_utiles];
    int controle = 0;
    for (int i = 0; i < longueur_du_code; ++i) {
        const char *trouve = std::find(symboles, symboles + base, texte[i].toLatin1());
        if (texte[i].unicode() > 127 || trouve == symboles + base)
            return {{},
                    QStringLiteral("Le caractère « %1 » ne figure dans aucun code de feuille.")
                        .arg(texte[i])};
        (i < symboles_utiles ? chiffres[i] : controle) = int(trouve - symboles);
    }
    if (controle != cle_de_controle(chiffres))
        return {{}, code_mal_recopie(saisie)};

    quint64 charge = 0;
    for (const int c : chiffres)
        charge = charge * base + quint64(c);
    CodeFeuille code;
    code.empreinte = int(charge % CodeFeuille::nombre_d_empreintes);
    charge /= CodeFeuille::nombre_d_empreintes;
    code.avec_retenues = charge % 2 == 1;
    if (charge / 2 >= CodeFeuille::nombre_de_graines)
        return {{}, code_mal_recopie(saisie)};
    code.graine = quint32(charge / 2);
    return {code, {}};
}

FeuilleCodee tire_feuille(const CodeFeuille &code, const Tableau<int, 40> &composition)
{
    // The draws start from the sorted composition, so that they depend on
    // the seed alone and not on the order earlier tests left behind.
    FeuilleCodee feuille{code, {}, triee(composition)};
    AleatoireHorloge hasard(code.graine);
    feuille.sujet = compose_test(feuille.ordre, code.avec_retenues, hasard, max_de_la_feuille,
                                 max_de_la_feuille);
    return feuille;
}

FeuilleCodee nouvelle_feuille(EtatPartage &etat, SourceAleatoire &hasard)
{
    const CodeFeuille code{quint32(hasard.entier(0, int(CodeFeuille::nombre_de_graines) - 1)),
                           etat.avec_retenues, empreinte_composition(etat.composition_test)};
    FeuilleCodee feuille = tire_feuille(code, etat.composition_test);
    etat.composition_test = feuille.ordre;
    return feuille;
}

Reimpression feuille_du_code(const EtatPartage &etat, const QString &saisie)
{
    const LectureCode lu = lit_code_feuille(saisie);
    if (!lu.code)
        return {{}, lu.erreur};
    if (lu.code->empreinte == 0)
        return {tire_feuille(*lu.code, tables::composition_test_par_defaut), {}};
    if (lu.code->empreinte != empreinte_composition(etat.composition_test))
        return {{},
                QStringLiteral("La feuille %1 a été tirée d'une autre composition du test que celle "
                               "des Options : remettez cette composition pour la réimprimer.")
                    .arg(lu.code->texte())};
    return {tire_feuille(*lu.code, etat.composition_test), {}};
}
