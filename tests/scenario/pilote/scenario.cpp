// SPDX-License-Identifier: GPL-3.0-or-later
// tavelo-scenario: runs the program on a virtual 1280 x 1024 screen and
// carries out the commands read from standard input, one per line, each
// answered by one line of JSON on standard output. See pilote.h.
//
//   tavelo-scenario [--seed N] [--zoom F]
//
// With --seed the random source is seeded with N instead of the clock, so
// that a run replays exactly. With --zoom (1 to 3) the program is zoomed F
// times as its own --zoom does, on a screen F times larger in device
// pixels, so that every geometry is the same as at 1x.

#include "compte_objets.h"
#include "ecran_virtuel.h"
#include "pilote.h"
#include "polices.h"
#include "programme.h"
#include "zoom.h"

#include <QApplication>
#include <QWidget>
#include <QJsonDocument>

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

namespace {

// What follows `option` on the command line: nothing when the option is not
// there, an empty text when it ends the line.
std::optional<QByteArray> valeur(int argc, char *argv[], const char *option)
{
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == option)
            return QByteArray(i + 1 < argc ? argv[i + 1] : "");
    return std::nullopt;
}

// The seed after --seed and the factor after --zoom; false when one is
// there but not valid.
bool lit_options(int argc, char *argv[], std::optional<quint64> &graine, double &facteur)
{
    if (const auto texte = valeur(argc, argv, "--seed")) {
        bool lu = false;
        graine = texte->toULongLong(&lu);
        if (!lu)
            return false;
    }
    if (const auto texte = valeur(argc, argv, "--zoom")) {
        const std::optional<zoom::Reglage> reglage = zoom::lit(QString::fromLocal8Bit(*texte));
        if (!reglage || !reglage->facteur)
            return false;
        facteur = *reglage->facteur;
    }
    return true;
}

void repond(const QJsonObject &reponse)
{
    const QByteArray ligne = QJsonDocument(reponse).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(ligne.constData(), 1, std::size_t(ligne.size()), stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    std::optional<quint64> graine;
    double facteur = 1;
    if (!lit_options(argc, argv, graine, facteur)) {
        std::fputs("usage: tavelo-scenario [--seed N] [--zoom F]\n", stderr);
        return 2;
    }
    const auto configuration_ecran = configure_ecran_virtuel(QSize(1280, 1024) * facteur);
    if (!configuration_ecran) {
        std::fputs("tavelo-scenario: cannot write the screen configuration\n", stderr);
        return 2;
    }

    // The same start as the program's own entry.
    compte_objets::installe();
    QApplication application(argc, argv);
    zoom::applique(zoom::Reglage{facteur});
    installe_polices_de_substitution();
    Programme programme(std::make_unique<AleatoireHorloge>(graine));
    programme.demarre();
    QCoreApplication::processEvents();

    Pilote pilote(programme, facteur);
    std::string ligne;
    while (!pilote.fini() && std::getline(std::cin, ligne))
        repond(pilote.execute(QString::fromUtf8(ligne.data(), qsizetype(ligne.size()))));

    programme.general().close();
    QCoreApplication::processEvents();
    return 0;
}
