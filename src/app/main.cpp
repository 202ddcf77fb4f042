#include "U_general.h"
#include "aleatoire.h"
#include "polices.h"
#include "programme.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installe_polices_de_substitution();

    Programme programme(std::make_unique<AleatoireHorloge>());
    // Closing the main window ends the run, whatever other window is open.
    QObject::connect(&programme.general(), &Tgeneral::fermee, &app, &QCoreApplication::quit);
    programme.demarre();
    return app.exec();
}
