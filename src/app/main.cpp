#include "U_general.h"
#include "aleatoire.h"
#include "fin_sur_signal.h"
#include "polices.h"
#include "programme.h"
#include "ressources.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The desktop entry the installation puts in share/applications: the
    // desktop matches the windows to it (menu entry, icon, task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tavelo"));
    QApplication::setWindowIcon(icone_programme());
    installe_polices_de_substitution();

    Programme programme(std::make_unique<AleatoireHorloge>());
    // Closing the main window ends the run, whatever other window is open;
    // a run ended from outside closes it the same way.
    QObject::connect(&programme.general(), &Tgeneral::fermee, &app, &QCoreApplication::quit);
    FinSurSignal fin;
    QObject::connect(&fin, &FinSurSignal::recu, &programme.general(), &QWidget::close);
    programme.demarre();
    return app.exec();
}
