// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Ancrage.h"

#include <QColor>
#include <QWidget>

class QImage;
class QPainter;
class TAncrage;

// A label that draws its caption with a highlight and a shadow: copies of
// the text offset in a direction by a depth, in their own colours, behind
// the face. Presets (EffectStyle) and colour schemes (ColourScheme) set
// offsets and colours together; changing one offset or colour by hand makes
// the label custom. A transparent label draws over what lies behind it.
// Rotated text and graduated faces are not drawn: Angle and the graduation
// properties are stored only.
class TEffectLabel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int DepthHighlight READ depthHighlight WRITE setDepthHighlight)
    Q_PROPERTY(int DepthShadow READ depthShadow WRITE setDepthShadow)
    Q_PROPERTY(TEffectDirection DirectionHighlight READ directionHighlight WRITE setDirectionHighlight)
    Q_PROPERTY(TEffectDirection DirectionShadow READ directionShadow WRITE setDirectionShadow)
    Q_PROPERTY(QColor ColourHighlight READ colourHighlight WRITE setColourHighlight)
    Q_PROPERTY(QColor ColourShadow READ colourShadow WRITE setColourShadow)
    Q_PROPERTY(TGraduateOption GraduateFace READ graduateFace WRITE setGraduateFace)
    Q_PROPERTY(QColor GraduateFrom READ graduateFrom WRITE setGraduateFrom)
    Q_PROPERTY(TEffectOption StyleHighlight READ styleHighlight WRITE setStyleHighlight)
    Q_PROPERTY(TEffectOption StyleShadow READ styleShadow WRITE setStyleShadow)
    Q_PROPERTY(TEffectStyle EffectStyle READ effectStyle WRITE setEffectStyle)
    Q_PROPERTY(TColourScheme ColourScheme READ colourScheme WRITE setColourScheme)
    Q_PROPERTY(bool AsButton READ asButton WRITE setAsButton)
    Q_PROPERTY(double Angle READ angle WRITE setAngle)
    Q_PROPERTY(bool KeepLettersVertical READ keepLettersVertical WRITE setKeepLettersVertical)
    Q_PROPERTY(Ancrage::TAlign Align READ align WRITE setAlign)
    Q_PROPERTY(Qt::Alignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(QColor FontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(bool Transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(bool WordWrap READ wordWrap WRITE setWordWrap)

public:
    enum TEffectDirection { edNone, edUp, edUpRight, edRight, edDownRight, edDown, edDownLeft, edLeft, edUpLeft };
    Q_ENUM(TEffectDirection)
    enum TEffectStyle { esNone, esCustom, esRaised, esSunken, esShadow, esFlying };
    Q_ENUM(TEffectStyle)
    enum TColourScheme { csCustom, csText, csWindows, csEmbossed, csGold, csSteel };
    Q_ENUM(TColourScheme)
    enum TEffectOption { eoNormal, eoReal, eoExtrude, eoGraduated };
    Q_ENUM(TEffectOption)
    enum TGraduateOption { goNone, goVertical, goHorizontal };
    Q_ENUM(TGraduateOption)

    // Highlight, shadow and face colours of a scheme.
    struct Couleurs
    {
        QColor surbrillance;
        QColor ombre;
        QColor face;
    };

    explicit TEffectLabel(QWidget *parent = nullptr);
    explicit TEffectLabel(const QString &caption, QWidget *parent = nullptr);
    ~TEffectLabel() override;

    // The unit offset (dx, dy) of a direction, y downward.
    static QPoint unite(TEffectDirection direction);

    int depthHighlight() const { return m_profondeurSurbrillance; }
    void setDepthHighlight(int profondeur);
    int depthShadow() const { return m_profondeurOmbre; }
    void setDepthShadow(int profondeur);
    TEffectDirection directionHighlight() const { return m_directionSurbrillance; }
    void setDirectionHighlight(TEffectDirection direction);
    TEffectDirection directionShadow() const { return m_directionOmbre; }
    void setDirectionShadow(TEffectDirection direction);
    QColor colourHighlight() const { return m_couleurSurbrillance; }
    void setColourHighlight(const QColor &couleur);
    QColor colourShadow() const { return m_couleurOmbre; }
    void setColourShadow(const QColor &couleur);
    TGraduateOption graduateFace() const { return m_graduation; }
    void setGraduateFace(TGraduateOption option);
    QColor graduateFrom() const { return m_graduationDepuis; }
    void setGraduateFrom(const QColor &couleur);
    TEffectOption styleHighlight() const { return m_optionSurbrillance; }
    void setStyleHighlight(TEffectOption option);
    TEffectOption styleShadow() const { return m_optionOmbre; }
    void setStyleShadow(TEffectOption option);
    TEffectStyle effectStyle() const { return m_style; }
    void setEffectStyle(TEffectStyle style);
    TColourScheme colourScheme() const { return m_schema; }
    void setColourScheme(TColourScheme schema);
    // The colours csCustom starts from.
    Couleurs customColours() const { return m_perso; }
    bool asButton() const { return m_bouton; }
    void setAsButton(bool valeur);
    double angle() const { return m_angle; }
    // A non-zero angle forces left alignment.
    void setAngle(double degres);
    bool keepLettersVertical() const { return m_lettresVerticales; }
    void setKeepLettersVertical(bool valeur) { m_lettresVerticales = valeur; }

    Ancrage::TAlign align() const;
    void setAlign(Ancrage::TAlign align);
    Qt::Alignment alignment() const { return m_alignement; }
    void setAlignment(Qt::Alignment alignement);
    bool autoSize() const { return m_tailleAuto; }
    void setAutoSize(bool valeur);
    QString caption() const { return m_legende; }
    void setCaption(const QString &legende);
    QString text() const { return m_legende; }
    void setText(const QString &texte) { setCaption(texte); }
    QColor color() const { return m_couleurFond; }
    void setColor(const QColor &couleur);
    QColor fontColor() const { return m_couleurPolice; }
    void setFontColor(const QColor &couleur);
    bool transparent() const { return m_transparent; }
    void setTransparent(bool valeur);
    bool wordWrap() const { return m_retourALaLigne; }
    void setWordWrap(bool valeur);

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // The offsets of both copies and the shifts that keep them inside.
    struct Geometrie
    {
        QPoint surbrillance;
        QPoint ombre;
        int mn;
        int mx;
        int decalage;
    };

    Couleurs couleursDuSchema(TColourScheme schema) const;
    Geometrie geometrie() const;
    int drapeauxTexte() const;
    QSize tailleDuTexte(int largeur) const;
    void ajusteTaille();
    void devientPerso();
    void aChange();

    void dessineTexte(QPainter &peintre, QPoint decalage, const QColor &couleur) const;
    QImage masqueReel(QPoint decalage) const;
    void passe(QPainter &peintre, int profondeur, TEffectDirection direction, const QColor &couleur,
               TEffectOption option, bool assombrit) const;

    TAncrage *m_ancrage;
    int m_profondeurSurbrillance = 1;
    int m_profondeurOmbre = 1;
    TEffectDirection m_directionSurbrillance = edUpLeft;
    TEffectDirection m_directionOmbre = edDownRight;
    QColor m_couleurSurbrillance{255, 255, 255};
    QColor m_couleurOmbre{0, 0, 0};
    TGraduateOption m_graduation = goNone;
    QColor m_graduationDepuis{128, 128, 128};
    TEffectOption m_optionSurbrillance = eoNormal;
    TEffectOption m_optionOmbre = eoNormal;
    TEffectStyle m_style = esRaised;
    TColourScheme m_schema = csWindows;
    Couleurs m_perso{QColor(255, 255, 255), QColor(0, 0, 0), QColor(128, 128, 128)};
    bool m_bouton = false;
    double m_angle = 0;
    double m_sinus = 0;
    double m_cosinus = 1;
    bool m_lettresVerticales = false;
    Qt::Alignment m_alignement = Qt::AlignLeft;
    bool m_tailleAuto = false;
    QString m_legende;
    QColor m_couleurFond;
    QColor m_couleurPolice{128, 128, 128};
    bool m_transparent = true;
    bool m_retourALaLigne = false;

    bool m_dansPreset = false;
};
