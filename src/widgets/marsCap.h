// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "marsCap_disposition.h"

#include <QColor>
#include <QElapsedTimer>
#include <QFont>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <optional>

class QMenu;

// A press-and-release button of the caption bar (close, minimise, maximise,
// help). It follows the mouse from its press to its release and acts only
// when released over itself, as a title-bar button does.
class TMarsCaptionSystemButton
{
public:
    explicit TMarsCaptionSystemButton(GenreBouton genre) : m_genre(genre) {}

    GenreBouton genre() const { return m_genre; }
    bool pressed() const { return m_enfonce; }
    bool tracking() const { return m_suivi; }

    // Placed by the bar's layout before each use.
    void place(const QRect &rect, bool visible, bool actif);
    const QRect &rect() const { return m_rect; }
    bool visible() const { return m_visible; }
    bool enabled() const { return m_actif; }

    // Each returns whether the button must be redrawn; relache() tells
    // through `agit` whether the button acts.
    bool appuie();
    bool deplace(const QPoint &point);
    bool relache(const QPoint &point, bool &agit);

private:
    // The pointer may stray a little off the button without leaving it.
    QRect zone_sensible() const;

    GenreBouton m_genre;
    QRect m_rect;
    bool m_visible = false;
    bool m_actif = false;
    bool m_enfonce = false;
    bool m_suivi = false;
};

// Takes over the title bar of the window that owns it: the window becomes
// frameless, and this widget, lying under the window's other children and
// masked to the window's frame and bar (so that a change in the client
// area never repaints it), paints the frame and a bar with a colour gradient, the
// window's icon, the caption and the title-bar buttons, and gives the bar
// its mouse behaviour and system menu. The window's contents margins keep
// its client area inside the frame and under the bar.
//
// The window's flags at the take-over stand for its border icons (system
// menu, minimise, maximise, context help); a Qt::Dialog window has a dialog
// border, a Qt::Tool window a tool border, a window of fixed size a single
// border and any other a sizing frame.
class TMarsCaption : public QWidget
{
    Q_OBJECT
    // A screen reader's press works a button as a click does.
    friend class BoutonBarreAccessible;
    Q_PROPERTY(QColor ActiveBeginColor READ activeBeginColor WRITE setActiveBeginColor)
    Q_PROPERTY(QColor ActiveEndColor READ activeEndColor WRITE setActiveEndColor)
    Q_PROPERTY(QColor ActiveFontColor READ activeFontColor WRITE setActiveFontColor)
    Q_PROPERTY(QColor InactiveBeginColor READ inactiveBeginColor WRITE setInactiveBeginColor)
    Q_PROPERTY(QColor InactiveEndColor READ inactiveEndColor WRITE setInactiveEndColor)
    Q_PROPERTY(QColor InactiveFontColor READ inactiveFontColor WRITE setInactiveFontColor)
    Q_PROPERTY(QString ApplicationName READ applicationName WRITE setApplicationName)
    Q_PROPERTY(QFont ApplicationNameFont READ applicationNameFont WRITE setApplicationNameFont)
    Q_PROPERTY(QFont CaptionFont READ captionFont WRITE setCaptionFont)
    Q_PROPERTY(int NumColors READ numColors WRITE setNumColors)
    Q_PROPERTY(QString Caption READ caption)

public:
    // Throws std::invalid_argument when the owner is not a window.
    explicit TMarsCaption(QWidget *owner);
    ~TMarsCaption() override;

    QColor activeBeginColor() const { return m_actif_debut; }
    void setActiveBeginColor(const QColor &c) { change(m_actif_debut, c); }
    QColor activeEndColor() const { return m_actif_fin; }
    void setActiveEndColor(const QColor &c) { change(m_actif_fin, c); }
    QColor activeFontColor() const { return m_actif_texte; }
    void setActiveFontColor(const QColor &c) { change(m_actif_texte, c); }
    QColor inactiveBeginColor() const { return m_inactif_debut; }
    void setInactiveBeginColor(const QColor &c) { change(m_inactif_debut, c); }
    QColor inactiveEndColor() const { return m_inactif_fin; }
    void setInactiveEndColor(const QColor &c) { change(m_inactif_fin, c); }
    QColor inactiveFontColor() const { return m_inactif_texte; }
    void setInactiveFontColor(const QColor &c) { change(m_inactif_texte, c); }
    QString applicationName() const { return m_nom_application; }
    void setApplicationName(const QString &nom) { change(m_nom_application, nom); }
    QFont applicationNameFont() const { return m_police_application; }
    void setApplicationNameFont(const QFont &police);
    QFont captionFont() const { return m_police_legende; }
    void setCaptionFont(const QFont &police);
    int numColors() const { return m_nb_couleurs; }
    void setNumColors(int n) { change(m_nb_couleurs, n); }

    // The window's caption as the bar writes it.
    QString caption() const { return m_legende; }

    // The window's present border style and icons, and the bar laid out
    // from them.
    StyleBordure styleBordure() const;
    IconesBordure iconesBordure() const { return m_icones; }
    DispositionBarre disposition() const;
    // Margins that put the client area inside the frame and under the bar.
    QMargins marges() const;
    // The frame and the bar: all this widget paints, and where it takes
    // the mouse.
    QRegion zone_peinte(const DispositionBarre &d) const;

    // What the next drawing shows: the window's activation, the gradient's
    // two ends and the caption as it fits its box.
    bool actif() const;
    QColor couleurDebut() const { return actif() ? m_actif_debut : m_inactif_debut; }
    QColor couleurFin() const { return actif() ? m_actif_fin : m_inactif_fin; }
    QString legendeAffichee() const;
    // The activation the last drawing showed.
    bool actifDessine() const { return m_actif_dessine; }
    // The icon as the last drawing showed it, at the bar's pixel density.
    QPixmap iconeDessinee() const { return m_image_icone; }

    // The four buttons, shown or not, with their kind and their rectangle
    // in the window's coordinates.
    const TMarsCaptionSystemButton &bouton(GenreBouton genre) const;
    const std::array<TMarsCaptionSystemButton, 4> &boutons() const { return m_boutons; }
    QMenu *menuSysteme() const { return m_menu; }

protected:
    bool eventFilter(QObject *objet, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    template <typename T>
    void change(T &membre, const T &valeur)
    {
        if (membre == valeur)
            return;
        membre = valeur;
        update();
    }

    QWidget *fenetre() const { return parentWidget(); }
    void suit_la_fenetre();
    void place_boutons(const DispositionBarre &d);

    // Drawing (marsCap_dessin.cpp).
    void dessine_cadre(QPainter &p, const DispositionBarre &d) const;
    void dessine_icone(QPainter &p, const DispositionBarre &d);
    void dessine_textes(QPainter &p, const DispositionBarre &d) const;
    void dessine_bouton(QPainter &p, const TMarsCaptionSystemButton &b) const;

    // Mouse and system menu (marsCap_souris.cpp).
    void cree_menu_systeme();
    void ouvre_menu_systeme(const QPoint &global);
    void menu_systeme_ferme();
    void bouton_agit(GenreBouton genre);
    void commence_glissement(const QPoint &global, bool jusqu_au_clic);
    bool glisse_fenetre(QMouseEvent *event);
    TMarsCaptionSystemButton *bouton_sous(const QPoint &point);
    bool sur_bord(const QPoint &point, Qt::Edges &bords) const;

    QColor m_actif_debut{0, 0, 128};
    QColor m_actif_fin{0, 0, 255};
    QColor m_actif_texte{255, 255, 255};
    QColor m_inactif_debut{128, 128, 128};
    QColor m_inactif_fin{192, 192, 192};
    QColor m_inactif_texte{192, 192, 192};
    QString m_nom_application;
    QFont m_police_application;
    QFont m_police_legende;
    int m_nb_couleurs = 64;

    QString m_legende;
    Qt::WindowFlags m_drapeaux_avant; // the window's flags before the take-over
    IconesBordure m_icones;
    bool m_fenetre_detruite = false;
    bool m_actif_dessine = false;
    QPixmap m_image_icone; // the icon at its box's size, until the icon changes
    std::array<TMarsCaptionSystemButton, 4> m_boutons{
        TMarsCaptionSystemButton(GenreBouton::Fermer), TMarsCaptionSystemButton(GenreBouton::Agrandir),
        TMarsCaptionSystemButton(GenreBouton::Reduire), TMarsCaptionSystemButton(GenreBouton::Aide)};
    QMenu *m_menu = nullptr;
    QElapsedTimer m_clic_icone;     // the press on the icon that opened the menu
    bool m_menu_arme = false;       // by a right press in the bar
    // A move the window system refused, carried out by hand: the pointer's
    // offset from the window's corner; until a release, or a click when
    // started from the menu.
    bool m_glisse = false;
    bool m_glisse_jusqu_au_clic = false;
    QPoint m_decalage_glissement;
    // A left press in the bar that may become a move, at this screen point.
    std::optional<QPoint> m_appui_barre;
};
