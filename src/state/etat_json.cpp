// SPDX-License-Identifier: GPL-3.0-or-later
#include "etat_json.h"

#include "etat_partage.h"

#include <QJsonArray>

namespace {

template <typename T, int N>
QJsonArray liste(const Tableau<T, N> &t)
{
    QJsonArray a;
    for (const T &v : t) {
        if constexpr (std::is_same_v<T, TexteQuestion>)
            a.append(v.texte());
        else
            a.append(v);
    }
    return a;
}

} // namespace

QJsonObject etat_en_json(const EtatPartage &e)
{
    QJsonArray clavier;
    for (unsigned char octet : e.etat_clavier)
        clavier.append(octet);
    return {
        {"niveau", e.niveau},
        {"score", e.score},
        {"questionnaire", liste(e.questionnaire)},
        {"rang_question", e.rang_question},
        {"type_question", e.type_question},
        {"operande1", e.operande1},
        {"operande2", e.operande2},
        {"resultat", e.resultat},
        {"texte_question", e.texte_question.texte()},
        {"texte_resultat", e.texte_resultat.texte()},
        {"dernieres_questions", liste(e.dernieres_questions)},
        {"panneau_actif", e.panneau_actif.texte()},
        {"etat_soustraction", static_cast<int>(e.etat_soustraction)},
        {"regle_choisie", e.regle_choisie},
        {"repartition", liste(e.repartition)},
        {"reussites", liste(e.reussites)},
        {"erreurs", liste(e.erreurs)},
        {"vitesse_ciblage", e.vitesse_ciblage},
        {"composition_test", liste(e.composition_test)},
        {"max_avec_calcul", e.max_avec_calcul},
        {"max_sans_calcul", e.max_sans_calcul},
        {"avec_retenues", e.avec_retenues},
        {"etat_clavier", clavier},
    };
}

QString fixe_variable(EtatPartage &e, const QString &nom, const QString &valeur)
{
    const QString n = nom.toLower();
    bool lu = false;
    if (n == "vitesse_ciblage") {
        // Ten times the speed is what the options dialog edits: 10..99.
        const double v = valeur.toDouble(&lu);
        if (!lu || !(v >= 1.0 && v <= 9.9))
            return QStringLiteral("vitesse_ciblage takes a real from 1.0 to 9.9, not %1").arg(valeur);
        e.vitesse_ciblage = v;
        return {};
    }
    if (n == "avec_retenues") {
        if (valeur != "true" && valeur != "false" && valeur != "0" && valeur != "1")
            return QStringLiteral("avec_retenues takes true, false, 1 or 0, not %1").arg(valeur);
        e.avec_retenues = (valeur == "true" || valeur == "1");
        return {};
    }
    const struct
    {
        const char *nom;
        TexteQuestion *texte;
    } textes[] = {{"texte_question", &e.texte_question}, {"texte_resultat", &e.texte_resultat}};
    for (const auto &t : textes) {
        if (n != QLatin1String(t.nom))
            continue;
        if (valeur.size() > TexteQuestion::longueur_max)
            return QStringLiteral("%1 holds at most %2 characters, not %3")
                .arg(n).arg(TexteQuestion::longueur_max).arg(valeur.size());
        *t.texte = valeur;
        return {};
    }
    // The values the program itself can hold. The exercise's step is set by
    // its number, written back below.
    int etape_soustraction = static_cast<int>(e.etat_soustraction);
    const struct
    {
        const char *nom;
        int *variable;
        int min;
        int max;
    } entiers[] = {
        {"niveau", &e.niveau, 1, 3},
        {"score", &e.score, 0, 40},
        {"rang_question", &e.rang_question, 1, 41},
        {"type_question", &e.type_question, 1, 34},
        {"operande1", &e.operande1, -100, 100},
        {"operande2", &e.operande2, -100, 100},
        {"resultat", &e.resultat, -200, 200},
        {"etat_soustraction", &etape_soustraction, 0, 9},
        {"regle_choisie", &e.regle_choisie, 1, 2},
        {"max_avec_calcul", &e.max_avec_calcul, 2, 100},
        {"max_sans_calcul", &e.max_sans_calcul, 1, 99},
    };
    for (const auto &entier : entiers) {
        if (n != QLatin1String(entier.nom))
            continue;
        const int v = valeur.toInt(&lu);
        if (!lu || v < entier.min || v > entier.max)
            return QStringLiteral("%1 takes a whole number from %2 to %3, not %4")
                .arg(n).arg(entier.min).arg(entier.max).arg(valeur);
        *entier.variable = v;
        e.etat_soustraction = static_cast<EtatSoustraction>(etape_soustraction);
        return {};
    }
    return QStringLiteral("no variable %1 can be set").arg(nom);
}
