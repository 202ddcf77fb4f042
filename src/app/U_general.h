#pragma once

#include "aleatoire.h"
#include "etat_partage.h"

#include <QMainWindow>

// The secondary windows the main window shows from its menu and from the
// drill. They are created after the main window and handed to it.
struct FenetresAnnexes
{
    QWidget *regle_add = nullptr;
    QWidget *regle_soust = nullptr;
    QWidget *erreur_addition = nullptr;
    QWidget *a_propos = nullptr;
    QWidget *lecon = nullptr;
    QWidget *test = nullptr;
    QWidget *options = nullptr;
};

// The main window: the drill's question line, answer panel, keypad,
// correction line and score gauge, and the menu that opens the other
// windows.
class Tgeneral : public QMainWindow
{
    Q_OBJECT

public:
    Tgeneral(EtatPartage &etat, SourceAleatoire &hasard);
    ~Tgeneral() override;

    void associe_fenetres(const FenetresAnnexes &fenetres);

signals:
    // The pupil closed the main window: the run ends.
    void fermee();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    EtatPartage &m_etat;
    SourceAleatoire &m_hasard;
    FenetresAnnexes m_fenetres;
    bool m_deja_montree = false;
};
