// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LedCharset.h"

#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class QTimer;

// One character of a 5 x 7 dot-matrix LED display. Displays are chained:
// each shows the first character of its text and hands the rest to the next
// display. A display can scroll its text (marquee) and blink, driven by a
// timer of its own that exists only while it scrolls or blinks.
class TLedMatrix : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool ApplyColorsToNext READ applyColorsToNext WRITE setApplyColorsToNext)
    Q_PROPERTY(bool ApplyBlinkToNext READ applyBlinkToNext WRITE setApplyBlinkToNext)
    Q_PROPERTY(bool ApplyStateToNext READ applyStateToNext WRITE setApplyStateToNext)
    Q_PROPERTY(QColor BackgroundColor READ backgroundColor WRITE setBackgroundColor)
    Q_PROPERTY(QColor DotOnColor READ dotOnColor WRITE setDotOnColor)
    Q_PROPERTY(QColor DotOffColor READ dotOffColor WRITE setDotOffColor)
    Q_PROPERTY(TLedCharset *CharSet READ charSet WRITE setCharSet)
    Q_PROPERTY(QString DisplayText READ displayText WRITE setDisplayText)
    Q_PROPERTY(TLedMatrix *NextLed READ nextLed WRITE setNextLed)
    Q_PROPERTY(bool AddSpace READ addSpace WRITE setAddSpace)
    Q_PROPERTY(bool AddVerticalSpace READ addVerticalSpace WRITE setAddVerticalSpace)
    Q_PROPERTY(bool PaintDotsOnly READ paintDotsOnly WRITE setPaintDotsOnly)
    Q_PROPERTY(bool Marquee READ marquee WRITE setMarquee)
    Q_PROPERTY(int MarqueeSpeed READ marqueeSpeed WRITE setMarqueeSpeed)
    Q_PROPERTY(bool NoInnerSpace READ noInnerSpace WRITE setNoInnerSpace)
    Q_PROPERTY(bool Blink READ blink WRITE setBlink)
    Q_PROPERTY(int BlinkInterval READ blinkInterval WRITE setBlinkInterval)
    Q_PROPERTY(bool LedOn READ ledOn WRITE setLedOn)
    Q_PROPERTY(bool BlinkSync READ blinkSync WRITE setBlinkSync)
    Q_PROPERTY(bool BlinkWaitForSync READ blinkWaitForSync WRITE setBlinkWaitForSync)
    Q_PROPERTY(QString Version READ version CONSTANT)

public:
    // Replaces the built-in scroll step; may change the text it is given.
    using MarqueeHandler = std::function<void(TLedMatrix *sender, QString &text)>;

    explicit TLedMatrix(QWidget *parent = nullptr);
    ~TLedMatrix() override;

    bool applyColorsToNext() const { return m_appliqueCouleurs; }
    void setApplyColorsToNext(bool valeur);
    bool applyBlinkToNext() const { return m_appliqueClignotement; }
    void setApplyBlinkToNext(bool valeur);
    bool applyStateToNext() const { return m_appliqueEtat; }
    void setApplyStateToNext(bool valeur);

    QColor backgroundColor() const { return m_couleurFond; }
    void setBackgroundColor(const QColor &couleur);
    QColor dotOnColor() const { return m_couleurAllume; }
    void setDotOnColor(const QColor &couleur);
    QColor dotOffColor() const { return m_couleurEteint; }
    void setDotOffColor(const QColor &couleur);

    TLedCharset *charSet() const { return m_jeu; }
    void setCharSet(TLedCharset *jeu);

    QString displayText() const { return m_texte; }
    // Shows the first character and passes the rest (or " ") down the chain.
    void setDisplayText(const QString &texte);

    TLedMatrix *nextLed() const { return m_suivant; }
    // Refused, link unchanged, when it would close a cycle.
    void setNextLed(TLedMatrix *suivant);

    bool addSpace() const { return m_colonneEspace; }
    void setAddSpace(bool valeur);
    bool addVerticalSpace() const { return m_rangeeEspace; }
    void setAddVerticalSpace(bool valeur);
    bool paintDotsOnly() const { return m_pointsSeuls; }
    void setPaintDotsOnly(bool valeur);
    bool noInnerSpace() const { return m_sansEspaceInterieur; }
    void setNoInnerSpace(bool valeur);

    bool marquee() const { return m_defilement; }
    void setMarquee(bool valeur);
    int marqueeSpeed() const { return m_vitesseDefilement; }
    // Negative values are stored as 0.
    void setMarqueeSpeed(int millisecondes);
    void setOnMarqueeTimer(MarqueeHandler gestionnaire);

    bool blink() const { return m_clignotement; }
    void setBlink(bool valeur);
    int blinkInterval() const { return m_intervalleClignotement; }
    // Negative values are stored as 0.
    void setBlinkInterval(int millisecondes);
    bool ledOn() const { return m_allume; }
    void setLedOn(bool valeur);
    bool blinkSync() const { return m_meneClignotement; }
    void setBlinkSync(bool valeur) { m_meneClignotement = valeur; }
    bool blinkWaitForSync() const { return m_attendMeneur; }
    void setBlinkWaitForSync(bool valeur) { m_attendMeneur = valeur; }

    QString version() const { return QStringLiteral("1.30"); }

    // The timer's period: the gcd of the scroll and blink periods.
    int stepPeriod() const { return m_periode; }
    bool timerActive() const;
    // One timer step: scrolls and blinks when their periods come round. The
    // timer calls it every step period; callers may drive it directly.
    void pasDeMinuterie();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    int colonnes() const { return m_colonneEspace ? 6 : 5; }
    int rangees() const { return m_rangeeEspace ? 8 : 7; }
    bool pointAllume(unsigned char code, int colonne, int rangee) const;
    void ajusteTailleMinimale();
    void repeintPointsSeuls();
    void reconsidereMinuterie();
    void recalculePeriode();
    void inverseEtat();

    bool m_appliqueCouleurs = true;
    bool m_appliqueClignotement = true;
    bool m_appliqueEtat = true;
    QColor m_couleurFond{0, 0, 0};
    QColor m_couleurAllume{128, 255, 0};
    QColor m_couleurEteint{0, 83, 0};
    QPointer<TLedCharset> m_jeu;
    QString m_texte;
    QPointer<TLedMatrix> m_suivant;
    bool m_colonneEspace = false;
    bool m_rangeeEspace = false;
    bool m_pointsSeuls = false;
    bool m_pointsSeulsCetteFois = false;
    bool m_defilement = false;
    int m_vitesseDefilement = 300;
    bool m_sansEspaceInterieur = false;
    MarqueeHandler m_surDefilement;
    bool m_clignotement = false;
    int m_intervalleClignotement = 1000;
    bool m_allume = true;
    bool m_meneClignotement = false;
    bool m_attendMeneur = false;

    int m_periode = 100;
    std::unique_ptr<QTimer> m_minuterie;
    qint64 m_ecoule = 0;
};
