// tavelo-scenario: runs the program on a virtual 1280 x 1024 screen and
// carries out the commands read from standard input, one per line, each
// answered by one line of JSON on standard output. See pilote.h.
//
//   tavelo-scenario [--seed N]
//
// With --seed the random source is seeded with N instead of the clock, so
// that a run replays exactly.

#include "compte_objets.h"
#include "ecran_virtuel.h"
#include "pilote.h"
#include "polices.h"
#include "programme.h"

#include <QApplication>
#include <QWidget>
#include <QJsonDocument>

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

namespace {

// The seed after --seed; false when it is there but not a whole number.
bool lit_graine(int argc, char *argv[], std::optional<quint64> &graine)
{
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) != "--seed")
            continue;
        bool lu = false;
        graine = i + 1 < argc ? QByteArray(argv[i + 1]).toULongLong(&lu) : 0;
        return lu;
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
    if (!lit_graine(argc, argv, graine)) {
        std::fputs("usage: tavelo-scenario [--seed N]\n", stderr);
        return 2;
    }
    const auto configuration_ecran = configure_ecran_virtuel(QSize(1280, 1024));
    if (!configuration_ecran) {
        std::fputs("tavelo-scenario: cannot write the screen configuration\n", stderr);
        return 2;
    }

    // The same start as the program's own entry.
    compte_objets::installe();
    QApplication application(argc, argv);
    installe_polices_de_substitution();
    Programme programme(std::make_unique<AleatoireHorloge>(graine));
    programme.demarre();
    QCoreApplication::processEvents();

    Pilote pilote(programme);
    std::string ligne;
    while (!pilote.fini() && std::getline(std::cin, ligne))
        repond(pilote.execute(QString::fromUtf8(ligne.data(), qsizetype(ligne.size()))));

    programme.general().close();
    QCoreApplication::processEvents();
    return 0;
}
