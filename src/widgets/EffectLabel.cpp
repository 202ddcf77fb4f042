// SPDX-License-Identifier: GPL-3.0-or-later
#include "EffectLabel.h"

#include "accessibilite.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>

#include <cmath>

TEffectLabel::TEffectLabel(QWidget *parent)
    : TEffectLabel(QString(), parent)
{
}

TEffectLabel::TEffectLabel(const QString &caption, QWidget *parent)
    : QWidget(parent)
    , m_ancrage(new TAncrage(this))
    , m_legende(caption)
    , m_couleurFond(palette().color(QPalette::Window))
{
    setFont(QFont(QStringLiteral("Times New Roman"), 20));
    resize(142, 33);
}

TEffectLabel::~TEffectLabel() = default;

QPoint TEffectLabel::unite(TEffectDirection direction)
{
    static constexpr int dx[] = {0, 0, 1, 1, 1, 0, -1, -1, -1};
    static constexpr int dy[] = {0, -1, -1, 0, 1, 1, 1, 0, -1};
    return QPoint(dx[direction], dy[direction]);
}

TEffectLabel::Couleurs TEffectLabel::couleursDuSchema(TColourScheme schema) const
{
    const QColor blanc(255, 255, 255), noir(0, 0, 0), gris(128, 128, 128);
    switch (schema) {
    case csCustom:
        return m_perso;
    case csText:
        return {blanc, gris, noir};
    case csWindows:
        return {blanc, noir, gris};
    case csEmbossed:
        return {blanc, noir, QColor(192, 192, 192)};
    case csGold:
        return {QColor(255, 255, 0), noir, QColor(128, 128, 0)};
    case csSteel:
        return {QColor(0, 255, 255), QColor(0, 0, 128), QColor(0, 128, 128)};
    }
    return m_perso;
}

void TEffectLabel::aChange()
{
    ajusteTaille();
    update();
}

// A hand-set offset or colour makes the label custom, except while a preset
// or a scheme is being applied.
void TEffectLabel::devientPerso()
{
    if (!m_dansPreset)
        m_style = esCustom;
}

void TEffectLabel::setDepthHighlight(int profondeur)
{
    profondeur = std::clamp(profondeur, 0, 255);
    if (profondeur == m_profondeurSurbrillance)
        return;
    m_profondeurSurbrillance = profondeur;
    devientPerso();
    aChange();
}

void TEffectLabel::setDepthShadow(int profondeur)
{
    profondeur = std::clamp(profondeur, 0, 255);
    if (profondeur == m_profondeurOmbre)
        return;
    m_profondeurOmbre = profondeur;
    devientPerso();
    aChange();
}

void TEffectLabel::setDirectionHighlight(TEffectDirection direction)
{
    if (direction == m_directionSurbrillance)
        return;
    m_directionSurbrillance = direction;
    devientPerso();
    aChange();
}

void TEffectLabel::setDirectionShadow(TEffectDirection direction)
{
    if (direction == m_directionOmbre)
        return;
    m_directionOmbre = direction;
    devientPerso();
    aChange();
}

void TEffectLabel::setColourHighlight(const QColor &couleur)
{
    if (couleur == m_couleurSurbrillance)
        return;
    m_couleurSurbrillance = couleur;
    m_perso.surbrillance = couleur;
    if (!m_dansPreset)
        m_schema = csCustom;
    update();
}

void TEffectLabel::setColourShadow(const QColor &couleur)
{
    if (couleur == m_couleurOmbre)
        return;
    m_couleurOmbre = couleur;
    m_perso.ombre = couleur;
    if (!m_dansPreset)
        m_schema = csCustom;
    update();
}

void TEffectLabel::setGraduateFace(TGraduateOption option)
{
    if (option == m_graduation)
        return;
    m_graduation = option;
    update();
}

void TEffectLabel::setGraduateFrom(const QColor &couleur)
{
    if (couleur == m_graduationDepuis)
        return;
    m_graduationDepuis = couleur;
    if (m_graduation != goNone)
        update();
}

void TEffectLabel::setStyleHighlight(TEffectOption option)
{
    if (option == m_optionSurbrillance)
        return;
    m_optionSurbrillance = option;
    update();
}

void TEffectLabel::setStyleShadow(TEffectOption option)
{
    if (option == m_optionOmbre)
        return;
    m_optionOmbre = option;
    update();
}

void TEffectLabel::setEffectStyle(TEffectStyle style)
{
    if (style == m_style)
        return;
    m_style = style;
    const bool avant = m_dansPreset;
    m_dansPreset = true;
    setColourHighlight(couleursDuSchema(m_schema).surbrillance);
    auto regle = [this](TEffectDirection dirS, int profS, TEffectDirection dirO, int profO) {
        setDirectionHighlight(dirS);
        setDepthHighlight(profS);
        setDirectionShadow(dirO);
        setDepthShadow(profO);
    };
    switch (style) {
    case esNone:
        regle(edNone, 0, edNone, 0);
        break;
    case esCustom:
        break;
    case esRaised:
        regle(edUpLeft, 1, edDownRight, 1);
        break;
    case esSunken:
        regle(edDownRight, 1, edUpLeft, 1);
        break;
    case esShadow:
        regle(edNone, 0, edDownRight, 2);
        break;
    case esFlying:
        regle(edDownRight, 1, edDownRight, 5);
        setColourHighlight(couleursDuSchema(m_schema).ombre);
        break;
    }
    if (style != esRaised && style != esSunken)
        setAsButton(false);
    m_dansPreset = avant;
    update();
}

void TEffectLabel::setColourScheme(TColourScheme schema)
{
    if (schema == m_schema)
        return;
    m_schema = schema;
    const Couleurs couleurs = couleursDuSchema(schema);
    const bool avant = m_dansPreset;
    m_dansPreset = true;
    setColourHighlight(couleurs.surbrillance);
    setFontColor(couleurs.face);
    setColourShadow(couleurs.ombre);
    m_dansPreset = avant;
    // A later switch to csCustom starts from this scheme's colours.
    if (schema != csCustom)
        m_perso = couleurs;
}

void TEffectLabel::setAsButton(bool valeur)
{
    if (valeur == m_bouton)
        return;
    m_bouton = valeur;
    if (valeur)
        setEffectStyle(esRaised);
}

void TEffectLabel::setAngle(double degres)
{
    if (degres == m_angle)
        return;
    m_angle = degres;
    m_sinus = std::sin(degres * M_PI / 180.0);
    m_cosinus = std::cos(degres * M_PI / 180.0);
    if (degres != 0)
        m_alignement = Qt::AlignLeft;
    update();
}

Ancrage::TAlign TEffectLabel::align() const
{
    return m_ancrage->align();
}

void TEffectLabel::setAlign(Ancrage::TAlign align)
{
    m_ancrage->setAlign(align);
}

void TEffectLabel::setAlignment(Qt::Alignment alignement)
{
    alignement &= Qt::AlignHorizontal_Mask;
    if (m_angle != 0)
        alignement = Qt::AlignLeft;
    if (alignement == m_alignement)
        return;
    m_alignement = alignement;
    update();
}

void TEffectLabel::setAutoSize(bool valeur)
{
    if (valeur == m_tailleAuto)
        return;
    m_tailleAuto = valeur;
    aChange();
}

void TEffectLabel::setCaption(const QString &legende)
{
    if (legende == m_legende)
        return;
    m_legende = legende;
    aChange();
    accessibilite::nom_change(this);
}

void TEffectLabel::setColor(const QColor &couleur)
{
    if (couleur == m_couleurFond)
        return;
    m_couleurFond = couleur;
    if (!m_transparent)
        update();
}

void TEffectLabel::setFontColor(const QColor &couleur)
{
    if (couleur == m_couleurPolice)
        return;
    m_couleurPolice = couleur;
    update();
}

void TEffectLabel::setTransparent(bool valeur)
{
    if (valeur == m_transparent)
        return;
    m_transparent = valeur;
    // Only an opaque label paints every pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent, !valeur);
    update();
}

void TEffectLabel::setWordWrap(bool valeur)
{
    if (valeur == m_retourALaLigne)
        return;
    m_retourALaLigne = valeur;
    aChange();
}

void TEffectLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        aChange();
    QWidget::changeEvent(event);
}

TEffectLabel::Geometrie TEffectLabel::geometrie() const
{
    Geometrie g;
    g.surbrillance = unite(m_directionSurbrillance) * m_profondeurSurbrillance;
    g.ombre = unite(m_directionOmbre) * m_profondeurOmbre;
    g.mn = std::min({0, g.surbrillance.x(), g.surbrillance.y(), g.ombre.x(), g.ombre.y()});
    g.mx = std::max({0, g.surbrillance.x(), g.surbrillance.y(), g.ombre.x(), g.ombre.y()});
    g.decalage = 0;
    if (m_alignement & Qt::AlignRight)
        g.decalage = g.mx - g.mn;
    else if (m_alignement & Qt::AlignHCenter)
        g.decalage = (g.mx - g.mn) / 2;
    return g;
}

int TEffectLabel::drapeauxTexte() const
{
    return int(m_alignement) | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs;
}

// The text's extent plus room for the copies; with word wrap the width is
// kept and the height follows.
QSize TEffectLabel::tailleDuTexte(int largeur) const
{
    const Geometrie g = geometrie();
    const int marge = g.mx - g.mn;
    const QFontMetrics mesures(font());
    const QString texte = m_legende.left(255);
    QRect etendue;
    if (m_retourALaLigne)
        etendue = mesures.boundingRect(QRect(0, 0, std::max(1, largeur - marge), 1 << 20),
                                       drapeauxTexte(), texte);
    else
        etendue = mesures.boundingRect(QRect(), Qt::TextExpandTabs, texte);
    return QSize(m_retourALaLigne ? largeur : etendue.width() + marge, etendue.height() + marge);
}

void TEffectLabel::ajusteTaille()
{
    // Layouts read the size back at once, so it must follow immediately.
    if (m_tailleAuto)
        resize(tailleDuTexte(width()));
}

QSize TEffectLabel::sizeHint() const
{
    return tailleDuTexte(width());
}

void TEffectLabel::mousePressEvent(QMouseEvent *event)
{
    if (!m_bouton) {
        event->ignore();
        return;
    }
    if (event->button() == Qt::LeftButton && isEnabled())
        setEffectStyle(esSunken);
}

void TEffectLabel::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_bouton) {
        event->ignore();
        return;
    }
    if (event->buttons() & Qt::LeftButton)
        setEffectStyle(rect().contains(event->position().toPoint()) ? esSunken : esRaised);
}

void TEffectLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool dedans = rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton && dedans)
        emit clicked();
    if (!m_bouton) {
        event->ignore();
        return;
    }
    if (event->button() == Qt::LeftButton && dedans)
        setEffectStyle(esRaised);
}
