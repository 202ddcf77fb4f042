// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the bitmaps and the icon of the program and writes them as PNG into
// the resources folder (the first argument, or the source tree's resources/).
// Every bitmap is drawn three times from the same code: BITMAP_n.png at its
// size, BITMAP_n@2x.png and BITMAP_n@3x.png at twice and three times its
// size, for screens of more device pixels per pixel (a zoom of 2.5 or 3
// would blur a twice-size picture blown up). The icon comes at the sizes of the
// desktop's icon theme, and scalable as icone/tavelo.svg.

#include "droite.h"
#include "etiquettes.h"
#include "icone.h"
#include "jauge.h"
#include "toile.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QTextStream>

#include <functional>

namespace {

const QColor bleu_lecon(0, 0, 255);
const QColor rouge_lecon(255, 0, 0);

struct Image
{
    int numero;
    QSize taille;
    std::function<QImage()> dessin;
};

QList<Image> images_du_programme()
{
    QList<Image> images = {
        {1, {69, 373}, [] { return dessine_jauge(graduation_sur_20, true); }},
        {2, {36, 320}, [] { return dessine_cache(graduation_sur_20); }},
        {3, {69, 373}, [] { return dessine_jauge(graduation_sur_40, true); }},
        {4, {36, 320}, [] { return dessine_cache(graduation_sur_40); }},
        {5, {80, 60}, [] { return dessine_croix(); }},
        {7, {625, 29}, [] { return dessine_accolade(625, 29, Qt::black, true); }},
        {8, {313, 28}, [] { return dessine_accolade(313, 28, bleu_lecon, false); }},
        {9, {313, 28}, [] { return dessine_accolade(313, 28, rouge_lecon, false); }},
        {10, {600, 15}, [] { return dessine_droite(Qt::black); }},
        {11, {300, 15}, [] { return decoupe(dessine_droite(bleu_lecon), {0, 0, 300, 15}); }},
        {12, {300, 15}, [] { return decoupe(dessine_droite(rouge_lecon), {300, 0, 300, 15}); }},
        {13, {88, 44}, [] { return dessine_mot(QStringLiteral("OUI!"), QColor(236, 238, 242), QColor(128, 134, 146)); }},
        {14, {88, 44}, [] { return dessine_mot(QStringLiteral("FAUX!"), QColor(255, 64, 48), QColor(196, 0, 0)); }},
    };
    for (int niveau = 1; niveau <= 3; ++niveau) {
        images.append({15 + niveau, {69, 20}, [niveau] { return dessine_niveau(niveau, false); }});
        images.append({18 + niveau, {69, 20}, [niveau] { return dessine_niveau(niveau, true); }});
    }
    return images;
}

bool enregistre(const QImage &image, const QString &chemin, QTextStream &erreurs)
{
    if (image.save(chemin, "PNG"))
        return true;
    erreurs << "cannot write " << chemin << '\n';
    return false;
}

bool enregistre_icone_svg(const QString &chemin, QTextStream &erreurs)
{
    QSvgGenerator svg;
    svg.setFileName(chemin);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Tavelo"));
    QPainter p;
    if (!p.begin(&svg)) {
        erreurs << "cannot write " << chemin << '\n';
        return false;
    }
    p.setRenderHint(QPainter::Antialiasing);
    peins_icone(p);
    return p.end();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    QTextStream erreurs(stderr);
    const QDir racine(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(DOSSIER_RESSOURCES));
    if (!racine.mkpath(QStringLiteral("bitmaps")) || !racine.mkpath(QStringLiteral("icone"))) {
        erreurs << "cannot create folders under " << racine.absolutePath() << '\n';
        return 1;
    }

    bool reussi = true;
    for (const int facteur : {1, 2, 3}) {
        const Echelle echelle(facteur);
        const QString suffixe = facteur == 1 ? QString() : QStringLiteral("@%1x").arg(facteur);
        for (const Image &image : images_du_programme()) {
            const QImage dessin = image.dessin();
            if (dessin.size() != image.taille * facteur) {
                erreurs << "BITMAP_" << image.numero << suffixe << " drawn at the wrong size\n";
                reussi = false;
                continue;
            }
            reussi &= enregistre(
                dessin, racine.filePath(QStringLiteral("bitmaps/BITMAP_%1%2.png").arg(image.numero).arg(suffixe)),
                erreurs);
        }
    }
    for (const int taille : {16, 22, 24, 32, 48, 64, 128, 256, 512})
        reussi &= enregistre(dessine_icone(taille), racine.filePath(QStringLiteral("icone/tavelo_%1.png").arg(taille)),
                             erreurs);
    reussi &= enregistre_icone_svg(racine.filePath(QStringLiteral("icone/tavelo.svg")), erreurs);
    return reussi ? 0 : 1;
}
