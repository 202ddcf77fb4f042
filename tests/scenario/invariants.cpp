// SPDX-License-Identifier: GPL-3.0-or-later
#include "invariants.h"

#include <QJsonArray>

#include <cmath>

namespace {

constexpr double total_des_poids = 40.0;

class Constat
{
public:
    explicit Constat(const QJsonObject &etat) : m_etat(etat) {}

    int entier(const char *nom) const { return m_etat[QLatin1String(nom)].toInt(); }
    double reel(const char *nom) const { return m_etat[QLatin1String(nom)].toDouble(); }
    QJsonArray liste(const char *nom) const { return m_etat[QLatin1String(nom)].toArray(); }
    QString texte(const char *nom) const { return m_etat[QLatin1String(nom)].toString(); }

    void exige(bool tenu, const QString &quoi)
    {
        if (!tenu)
            m_rompus.append(quoi);
    }
    void dans(const char *nom, double min, double max)
    {
        const double v = reel(nom);
        exige(v >= min && v <= max,
              QStringLiteral("%1 = %2, outside %3..%4").arg(QLatin1String(nom)).arg(v).arg(min).arg(max));
    }
    QStringList rompus() const { return m_rompus; }

private:
    QJsonObject m_etat;
    QStringList m_rompus;
};

void question(Constat &c)
{
    c.dans("type_question", 1, 34);
    const int type = c.entier("type_question");
    const int attendu = type <= 17 ? c.entier("operande1") + c.entier("operande2")
                                   : c.entier("operande1") - c.entier("operande2");
    c.exige(c.entier("resultat") == attendu,
            QStringLiteral("resultat %1 does not follow from the operands").arg(c.entier("resultat")));
    c.exige(c.texte("texte_resultat") == QString::number(c.entier("resultat")),
            QStringLiteral("texte_resultat \"%1\" is not resultat").arg(c.texte("texte_resultat")));
}

void serie(Constat &c)
{
    c.dans("niveau", 1, 3);
    const int longueur = c.entier("niveau") == 3 ? 40 : 20;
    c.dans("score", 0, longueur);
    c.dans("rang_question", 1, longueur + 1);
    const QJsonArray q = c.liste("questionnaire");
    c.exige(q.size() == 40, QStringLiteral("questionnaire has %1 slots").arg(q.size()));
    for (qsizetype i = 0; i < std::min<qsizetype>(longueur, q.size()); ++i)
        c.exige(q[i].toInt() >= 1 && q[i].toInt() <= 34,
                QStringLiteral("questionnaire slot %1 holds %2").arg(i + 1).arg(q[i].toInt()));
}

void composition(Constat &c)
{
    const QJsonArray ids = c.liste("composition_test");
    c.exige(ids.size() == 40, QStringLiteral("composition_test has %1 slots").arg(ids.size()));
    int additions = 0;
    for (qsizetype i = 0; i < ids.size(); ++i) {
        const int id = ids[i].toInt();
        c.exige(id >= 1 && id <= 34, QStringLiteral("composition_test slot %1 holds %2").arg(i + 1).arg(id));
        additions += id <= 17 ? 1 : 0;
    }
    c.exige(additions == 20, QStringLiteral("composition_test has %1 additions").arg(additions));
    c.dans("max_avec_calcul", 2, 100);
    c.dans("max_sans_calcul", 1, 99);
}

void adaptation(Constat &c)
{
    c.dans("vitesse_ciblage", 1.0, 9.9);
    const QJsonArray poids = c.liste("repartition");
    c.exige(poids.size() == 34, QStringLiteral("repartition has %1 weights").arg(poids.size()));
    double total = 0.0;
    for (qsizetype i = 0; i < poids.size(); ++i) {
        c.exige(poids[i].toDouble() >= 0.0,
                QStringLiteral("repartition: weight of type %1 is %2").arg(i + 1).arg(poids[i].toDouble()));
        total += poids[i].toDouble();
    }
    c.exige(std::abs(total - total_des_poids) < 1e-6, QStringLiteral("repartition adds up to %1").arg(total, 0, 'g', 17));
    for (const char *compteur : {"reussites", "erreurs"})
        for (const QJsonValue &n : c.liste(compteur))
            c.exige(n.toInt() >= 0, QStringLiteral("%1 holds %2").arg(QLatin1String(compteur)).arg(n.toInt()));
    c.dans("etat_soustraction", 0, 9);
}

} // namespace

QStringList invariants_rompus(const QJsonObject &etat)
{
    Constat c(etat);
    serie(c);
    question(c);
    composition(c);
    adaptation(c);
    return c.rompus();
}
