// SPDX-License-Identifier: GPL-3.0-or-later
// The reference for the start-up measurements: a bare Qt window holding one
// label, maximised, or with --bouton X,Y,W,H one plain push button at that
// place of the window, like keypad key 7, for the click measurement.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget fenetre;
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype rang = arguments.indexOf(QStringLiteral("--bouton"));
    if (rang >= 0 && rang + 1 < arguments.size()) {
        const QStringList g = arguments.at(rang + 1).split(QLatin1Char(','));
        // Keypad key 7's caption and font (bold Arial, 43 pixels, which the
        // program maps to its metric twin).
        auto *bouton = new QPushButton(QStringLiteral("7"), &fenetre);
        QFont police(QStringLiteral("Liberation Sans"));
        police.setPixelSize(43);
        police.setBold(true);
        bouton->setFont(police);
        if (g.size() == 4)
            bouton->setGeometry(g[0].toInt(), g[1].toInt(), g[2].toInt(), g[3].toInt());
    } else {
        auto *etiquette = new QLabel(QStringLiteral("Tavelo"), &fenetre);
        etiquette->move(10, 10);
    }
    // Without a window manager nothing maximises the window: it is given
    // the screen's free area itself, as the program's main window is.
    fenetre.setGeometry(fenetre.screen()->availableGeometry());
    fenetre.showMaximized();
    return app.exec();
}
