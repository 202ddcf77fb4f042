// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

// What the subtraction rule window's logic needs of its window. Controls are
// named as the window names them (Label_ex_1, Button_rep_3...), matched
// without regard to case. The window implements it with Qt widgets; the
// tests with a fake that records every control's state.
class VueRegleSoustraction
{
public:
    virtual ~VueRegleSoustraction() = default;

    // Text or caption of a label or button.
    virtual QString texte(const QString &controle) const = 0;
    virtual void ecrit_texte(const QString &controle, const QString &texte) = 0;

    virtual void montre(const QString &controle, bool visible) = 0;
    // Whether the control itself is set to be shown (whatever its window).
    virtual bool est_montre(const QString &controle) const = 0;

    // Position and size in the client area. A label sized to its text
    // takes its new size at once, so it can be read back right after.
    virtual QRect geometrie(const QString &controle) const = 0;
    virtual void place(const QString &controle, const QRect &geometrie) = 0;

    // The window's outer height, title bar and borders included.
    virtual void fixe_hauteur_exterieure(int hauteur) = 0;
    // Hides the window; it lives on for the next showing.
    virtual void ferme() = 0;
    // Hands back to the drill of the main window, which poses its next
    // question.
    virtual void reprend_exercice() = 0;
};
