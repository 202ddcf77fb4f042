#include "marsCap.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <qdrawutil.h>

namespace {

QStyle::StandardPixmap symbole(GenreBouton genre, Qt::WindowStates etat)
{
    switch (genre) {
    case GenreBouton::Fermer:
        return QStyle::SP_TitleBarCloseButton;
    case GenreBouton::Reduire:
        return etat.testFlag(Qt::WindowMinimized) ? QStyle::SP_TitleBarNormalButton
                                                  : QStyle::SP_TitleBarMinButton;
    case GenreBouton::Agrandir:
        return etat.testFlag(Qt::WindowMaximized) ? QStyle::SP_TitleBarNormalButton
                                                  : QStyle::SP_TitleBarMaxButton;
    case GenreBouton::Aide:
        return QStyle::SP_TitleBarContextHelpButton;
    }
    return QStyle::SP_TitleBarCloseButton;
}

// Writes one line vertically centred in its box, cut with an ellipsis when
// it does not fit; returns the text as written.
QString ecrit_ligne(QPainter &p, const QRect &boite, const QString &texte, const QFont &police)
{
    const QString coupe = QFontMetrics(police).elidedText(texte, Qt::ElideRight, boite.width());
    p.setFont(police);
    p.drawText(boite, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, coupe);
    return coupe;
}

} // namespace

QString TMarsCaption::legendeAffichee() const
{
    const DispositionBarre d = disposition();
    int largeur = d.texte.width();
    if (!m_nom_application.isEmpty())
        largeur -= QFontMetrics(m_police_application).horizontalAdvance(m_nom_application);
    return QFontMetrics(m_police_legende).elidedText(m_legende, Qt::ElideRight, qMax(0, largeur));
}

void TMarsCaption::paintEvent(QPaintEvent *)
{
    const DispositionBarre d = disposition();
    m_actif_dessine = actif();

    QPainter p(this);
    dessine_cadre(p, d);
    if (d.hauteur <= 0)
        return;
    for (const Bande &bande : bandes_degrade(d.barre, couleurDebut(), couleurFin(), m_nb_couleurs))
        p.fillRect(bande.rect, bande.couleur);
    dessine_icone(p, d);
    dessine_textes(p, d);
    for (const TMarsCaptionSystemButton &b : m_boutons)
        if (b.visible())
            dessine_bouton(p, b);
}

// The frame around the client area, raised as the window system draws it.
void TMarsCaption::dessine_cadre(QPainter &p, const DispositionBarre &d) const
{
    if (d.cadre <= 0)
        return;
    const QRect client = rect().marginsRemoved(QMargins(d.cadre, d.marge_haute(), d.cadre, d.cadre));
    p.save();
    p.setClipRegion(QRegion(rect()).subtracted(client));
    qDrawWinPanel(&p, rect(), palette(), false, &palette().brush(QPalette::Button));
    p.restore();
}

void TMarsCaption::dessine_icone(QPainter &p, const DispositionBarre &d) const
{
    if (d.icone.width() <= 0)
        return;
    QIcon icone = fenetre()->windowIcon();
    if (icone.isNull())
        icone = style()->standardIcon(QStyle::SP_TitleBarMenuButton, nullptr, this);
    const QRect cible(QPoint(d.icone.left() + 2, d.barre.top() + 1),
                      QPoint(d.icone.left() + d.icone.width() - 1,
                             d.barre.top() + d.barre.height() - 2));
    p.drawPixmap(cible, icone.pixmap(cible.size(), devicePixelRatioF()));
}

void TMarsCaption::dessine_textes(QPainter &p, const DispositionBarre &d) const
{
    p.setPen(actif() ? m_actif_texte : m_inactif_texte);
    QRect boite = d.texte;
    if (!m_nom_application.isEmpty()) {
        ecrit_ligne(p, boite, m_nom_application, m_police_application);
        boite.setLeft(boite.left()
                      + QFontMetrics(m_police_application).horizontalAdvance(m_nom_application));
    }
    if (boite.width() > 0)
        ecrit_ligne(p, boite, m_legende, m_police_legende);
}

// A caption button in the style's look: raised, sunken while pressed, its
// symbol greyed while disabled.
void TMarsCaption::dessine_bouton(QPainter &p, const TMarsCaptionSystemButton &b) const
{
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = b.rect();
    option.state = b.pressed() ? QStyle::State_Sunken : QStyle::State_Raised;
    if (b.enabled())
        option.state |= QStyle::State_Enabled;
    style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &option, &p, this);

    const QIcon icone = style()->standardIcon(symbole(b.genre(), fenetre()->windowState()),
                                              &option, this);
    const int decalage = b.pressed() ? 1 : 0;
    icone.paint(&p, b.rect().adjusted(2, 2, -2, -2).translated(decalage, decalage),
                Qt::AlignCenter, b.enabled() ? QIcon::Normal : QIcon::Disabled);
}
