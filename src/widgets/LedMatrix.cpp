// SPDX-License-Identifier: GPL-3.0-or-later
#include "LedMatrix.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <numeric>

TLedMatrix::TLedMatrix(QWidget *parent)
    : QWidget(parent)
{
    // The whole area is painted, so Qt need not clear it first; a blink
    // repaint that skips the background then leaves the gaps as they were.
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    ajusteTailleMinimale();
    resize(15, 21);
}

TLedMatrix::~TLedMatrix() = default;

void TLedMatrix::setApplyColorsToNext(bool valeur)
{
    m_appliqueCouleurs = valeur;
    if (valeur && m_suivant) {
        m_suivant->setDotOffColor(m_couleurEteint);
        m_suivant->setDotOnColor(m_couleurAllume);
    }
}

void TLedMatrix::setApplyBlinkToNext(bool valeur)
{
    m_appliqueClignotement = valeur;
    if (valeur && m_suivant)
        m_suivant->setBlink(m_clignotement);
}

void TLedMatrix::setApplyStateToNext(bool valeur)
{
    m_appliqueEtat = valeur;
    if (valeur && m_suivant)
        m_suivant->setLedOn(m_allume);
}

// The chained setters pass their value down even when it is unchanged here,
// so that a chain whose members were set one by one comes back in step.
void TLedMatrix::setBackgroundColor(const QColor &couleur)
{
    const bool change = couleur != m_couleurFond;
    m_couleurFond = couleur;
    if (m_appliqueCouleurs && m_suivant)
        m_suivant->setDotOffColor(m_couleurEteint);
    if (change)
        update();
}

void TLedMatrix::setDotOnColor(const QColor &couleur)
{
    const bool change = couleur != m_couleurAllume;
    m_couleurAllume = couleur;
    if (m_appliqueCouleurs && m_suivant)
        m_suivant->setDotOnColor(couleur);
    if (change)
        update();
}

void TLedMatrix::setDotOffColor(const QColor &couleur)
{
    if (couleur == m_couleurEteint)
        return;
    m_couleurEteint = couleur;
    update();
}

void TLedMatrix::setCharSet(TLedCharset *jeu)
{
    if (jeu == m_jeu)
        return;
    if (m_jeu)
        disconnect(m_jeu, nullptr, this, nullptr);
    m_jeu = jeu;
    if (jeu) {
        // A redrawn or destroyed character set changes what the display shows.
        connect(jeu, &TLedCharset::bitmapChanged, this, qOverload<>(&QWidget::update));
        connect(jeu, &QObject::destroyed, this, qOverload<>(&QWidget::update));
    }
    update();
}

void TLedMatrix::setDisplayText(const QString &texte)
{
    if (texte != m_texte) {
        m_texte = texte;
        update();
    }
    if (m_suivant) {
        const QString reste = texte.mid(1);
        m_suivant->setDisplayText(reste.isEmpty() ? QStringLiteral(" ") : reste);
    }
}

void TLedMatrix::setNextLed(TLedMatrix *suivant)
{
    for (const TLedMatrix *maillon = suivant; maillon; maillon = maillon->m_suivant)
        if (maillon == this)
            return;
    m_suivant = suivant;
}

void TLedMatrix::setAddSpace(bool valeur)
{
    if (valeur == m_colonneEspace)
        return;
    m_colonneEspace = valeur;
    ajusteTailleMinimale();
    updateGeometry();
    update();
}

void TLedMatrix::setAddVerticalSpace(bool valeur)
{
    if (valeur == m_rangeeEspace)
        return;
    m_rangeeEspace = valeur;
    ajusteTailleMinimale();
    updateGeometry();
    update();
}

void TLedMatrix::setPaintDotsOnly(bool valeur)
{
    if (valeur == m_pointsSeuls)
        return;
    m_pointsSeuls = valeur;
    // Without the fill, what lies behind shows through the gaps.
    setAttribute(Qt::WA_OpaquePaintEvent, !valeur);
    update();
}

void TLedMatrix::setNoInnerSpace(bool valeur)
{
    if (valeur == m_sansEspaceInterieur)
        return;
    m_sansEspaceInterieur = valeur;
    update();
}

void TLedMatrix::setMarquee(bool valeur)
{
    if (valeur == m_defilement)
        return;
    m_defilement = valeur;
    reconsidereMinuterie();
}

void TLedMatrix::setMarqueeSpeed(int millisecondes)
{
    millisecondes = std::max(millisecondes, 0);
    if (millisecondes == m_vitesseDefilement)
        return;
    m_vitesseDefilement = millisecondes;
    recalculePeriode();
    reconsidereMinuterie();
}

void TLedMatrix::setOnMarqueeTimer(MarqueeHandler gestionnaire)
{
    m_surDefilement = std::move(gestionnaire);
}

void TLedMatrix::setBlink(bool valeur)
{
    const bool change = valeur != m_clignotement;
    m_clignotement = valeur;
    if (m_appliqueClignotement && m_suivant)
        m_suivant->setBlink(valeur);
    if (change)
        reconsidereMinuterie();
}

void TLedMatrix::setBlinkInterval(int millisecondes)
{
    millisecondes = std::max(millisecondes, 0);
    if (millisecondes == m_intervalleClignotement)
        return;
    m_intervalleClignotement = millisecondes;
    recalculePeriode();
    reconsidereMinuterie();
}

void TLedMatrix::setLedOn(bool valeur)
{
    const bool change = valeur != m_allume;
    m_allume = valeur;
    if (change)
        update();
    if (m_appliqueEtat && m_suivant)
        m_suivant->setLedOn(valeur);
}

void TLedMatrix::recalculePeriode()
{
    // std::gcd(n, 0) is n, which covers a zero speed or interval.
    m_periode = std::gcd(m_vitesseDefilement, m_intervalleClignotement);
}

bool TLedMatrix::timerActive() const
{
    return m_minuterie && m_minuterie->isActive();
}

void TLedMatrix::reconsidereMinuterie()
{
    if (m_periode <= 0 || (!m_defilement && !m_clignotement)) {
        m_minuterie.reset();
        if (!m_allume) {
            m_allume = true;
            update();
        }
        return;
    }
    if (!m_minuterie) {
        m_minuterie = std::make_unique<QTimer>();
        connect(m_minuterie.get(), &QTimer::timeout, this, &TLedMatrix::pasDeMinuterie);
    }
    m_minuterie->stop();
    m_minuterie->setInterval(m_periode);
    m_ecoule = 0;
    m_minuterie->start();
}

void TLedMatrix::pasDeMinuterie()
{
    m_ecoule += m_periode;
    if (m_vitesseDefilement != 0 && m_ecoule % m_vitesseDefilement == 0 && m_defilement
        && !m_texte.isEmpty()) {
        QString texte = m_texte;
        if (m_surDefilement)
            m_surDefilement(this, texte);
        else
            texte = texte.mid(1) + texte.left(1);
        setDisplayText(texte);
    }
    if (m_intervalleClignotement != 0 && m_ecoule % m_intervalleClignotement == 0
        && m_clignotement && !m_attendMeneur) {
        inverseEtat();
        if (m_meneClignotement)
            for (TLedMatrix *suivant = m_suivant; suivant; suivant = suivant->m_suivant)
                if (suivant->m_clignotement && suivant->m_attendMeneur)
                    suivant->inverseEtat();
    }
}

// A blink toggles this display alone: each display of a chain blinks on its
// own timer, or is led through BlinkSync.
void TLedMatrix::inverseEtat()
{
    m_allume = !m_allume;
    repeintPointsSeuls();
}

void TLedMatrix::repeintPointsSeuls()
{
    if (!isVisible())
        return;
    m_pointsSeulsCetteFois = true;
    repaint();
    m_pointsSeulsCetteFois = false;
}

void TLedMatrix::ajusteTailleMinimale()
{
    setMinimumSize(2 * colonnes(), 2 * rangees());
}

QSize TLedMatrix::sizeHint() const
{
    return QSize(3 * colonnes(), 3 * rangees());
}

QSize TLedMatrix::minimumSizeHint() const
{
    return QSize(2 * colonnes(), 2 * rangees());
}

bool TLedMatrix::pointAllume(unsigned char code, int colonne, int rangee) const
{
    if (!m_jeu || colonne > 4 || rangee > 6)
        return false;
    try {
        return m_jeu->estAllume(code, colonne, rangee);
    } catch (const TLedPixelError &) {
        // A picture too small for the cell has no dot there.
        return false;
    }
}

void TLedMatrix::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int largeurPoint = std::max(width(), 2 * colonnes()) / colonnes();
    const int hauteurPoint = std::max(height(), 2 * rangees()) / rangees();
    if (!m_pointsSeuls && !m_pointsSeulsCetteFois)
        painter.fillRect(rect(), m_couleurFond);
    const unsigned char code =
        m_texte.isEmpty() ? 255 : TLedCharset::codeWindows1252(m_texte.front());
    const int marge = m_sansEspaceInterieur ? 0 : 1;
    for (int i = 0; i < colonnes(); ++i)
        for (int j = 0; j < rangees(); ++j) {
            const bool allume = m_allume && pointAllume(code, i, j);
            painter.fillRect(largeurPoint * i, hauteurPoint * j, largeurPoint - marge,
                             hauteurPoint - marge, allume ? m_couleurAllume : m_couleurEteint);
        }
}

void TLedMatrix::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

void TLedMatrix::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit doubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}
