// SPDX-License-Identifier: GPL-3.0-or-later
#include "regle_soustraction_noms.h"

namespace regle_soust {

namespace {

constexpr int nb_exemples = 12;
constexpr int nb_cercles_exemples = 4;
constexpr int nb_commentaires = 15;
constexpr int nb_app = 8;
constexpr int nb_boutons = 4;
constexpr int nb_accolades = 6;

QString numero(const char *modele, int n, int dernier)
{
    Q_ASSERT_X(n >= 1 && n <= dernier, modele, "no such control");
    return QString::fromLatin1(modele).arg(n);
}

} // namespace

QString exemple(int n)
{
    return numero("Label_ex_%1", n, nb_exemples);
}

QString cercle_exemple(int n)
{
    return numero("Shape_ex_%1", n, nb_cercles_exemples);
}

QString commentaire(int n)
{
    const bool minuscule = n == 3 || n == 8 || n >= 11;
    return numero(minuscule ? "label_com_%1" : "Label_com_%1", n, nb_commentaires);
}

QString app(int n)
{
    return numero("Label_app_%1", n, nb_app);
}

QString bouton(int k)
{
    return numero("Button_rep_%1", k, nb_boutons);
}

QString tiret_gauche(int k)
{
    return numero("Image_g%1", k, nb_accolades);
}

QString tiret_droit(int k)
{
    return numero("Image_d%1", k, nb_accolades);
}

QString barre(int k)
{
    return numero(k == 2 ? "image_%1" : "Image_%1", k, nb_accolades);
}

QStringList tous()
{
    QStringList noms{EffectLabel1, Label_reg_0, Shape_reg_1, Shape_reg_2, Label3,
                     BitBtn_exemples, BitBtn_explic, Button_OK1, Label14, Shape_app_1,
                     Shape_app_2, Label1, Image3, Image1, Label_faux, Button_OK2};
    const struct
    {
        QString (*nom)(int);
        int dernier;
    } familles[] = {{exemple, nb_exemples},   {cercle_exemple, nb_cercles_exemples},
                    {commentaire, nb_commentaires}, {app, nb_app},
                    {bouton, nb_boutons},     {tiret_gauche, nb_accolades},
                    {tiret_droit, nb_accolades}, {barre, nb_accolades}};
    for (const auto &famille : familles)
        for (int n = 1; n <= famille.dernier; ++n)
            noms.append(famille.nom(n));
    return noms;
}

} // namespace regle_soust
