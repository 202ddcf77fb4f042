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
        {"etat_soustraction", e.etat_soustraction},
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

bool fixe_variable(EtatPartage &e, const QString &nom, const QString &valeur)
{
    const QString n = nom.toLower();
    bool lu = false;
    if (n == "vitesse_ciblage") {
        const double v = valeur.toDouble(&lu);
        if (lu)
            e.vitesse_ciblage = v;
        return lu;
    }
    if (n == "avec_retenues") {
        if (valeur != "true" && valeur != "false" && valeur != "0" && valeur != "1")
            return false;
        e.avec_retenues = (valeur == "true" || valeur == "1");
        return true;
    }
    int *const entiers[] = {&e.niveau, &e.score, &e.rang_question, &e.type_question,
                            &e.operande1, &e.operande2, &e.resultat, &e.etat_soustraction,
                            &e.regle_choisie, &e.max_avec_calcul, &e.max_sans_calcul};
    const char *const noms[] = {"niveau", "score", "rang_question", "type_question",
                                "operande1", "operande2", "resultat", "etat_soustraction",
                                "regle_choisie", "max_avec_calcul", "max_sans_calcul"};
    for (std::size_t i = 0; i < std::size(noms); ++i) {
        if (n == QLatin1String(noms[i])) {
            const int v = valeur.toInt(&lu);
            if (lu)
                *entiers[i] = v;
            return lu;
        }
    }
    return false;
}
