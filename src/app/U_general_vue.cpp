// SPDX-License-Identifier: GPL-3.0-or-later
// The drill's view: every request of the engine names a control
// (noms_general.h), found by name through cible(), and is applied with Qt.
// A name the window lacks is a programming error: it fails an assertion in
// debug builds, and the tests' fake view refuses it.

#include "U_general.h"

#include "Annonce.h"
#include "EffectLabel.h"
#include "LedMatrix.h"
#include "U_erreur_addition.h"
#include "etiquette_auto.h"
#include "panneau.h"
#include "ressources.h"
#include "teintes.h"
#include "verrous_clavier.h"

#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVarLengthArray>
#include <QVariant>

#include <algorithm>

namespace {

Couleur en_couleur(const QColor &c)
{
    return Couleur{c.red(), c.green(), c.blue()};
}

// What the pictures of the main window show, as a screen reader names them;
// the gauge is named by its score instead.
QString nom_d_image(const QString &image)
{
    static const QHash<QString, QString> noms = {
        {QStringLiteral("bitmap_5"), QStringLiteral("réponse barrée")},
        {QStringLiteral("bitmap_13"), QStringLiteral("OUI!")},
        {QStringLiteral("bitmap_14"), QStringLiteral("FAUX!")},
        {QStringLiteral("bitmap_16"), QStringLiteral("niveau 1")},
        {QStringLiteral("bitmap_17"), QStringLiteral("niveau 2")},
        {QStringLiteral("bitmap_18"), QStringLiteral("niveau 3")},
        {QStringLiteral("bitmap_19"), QStringLiteral("niveau 1, en cours")},
        {QStringLiteral("bitmap_20"), QStringLiteral("niveau 2, en cours")},
        {QStringLiteral("bitmap_21"), QStringLiteral("niveau 3, en cours")},
    };
    return noms.value(image.toLower());
}

// Font sizes of the drill are points; the window's fonts are pixel heights
// at 96 dots per inch.
int pixels_de_points(int points)
{
    return qRound(points * 96.0 / 72.0);
}

} // namespace

QObject *Tgeneral::controle(const QString &nom) const
{
    // Lowered on the stack, the design's ASCII names without a table: the
    // drill asks for several controls at each key.
    QVarLengthArray<QChar, 32> minuscules(nom.size());
    std::transform(nom.cbegin(), nom.cend(), minuscules.begin(), [](QChar c) {
        return c >= u'A' && c <= u'Z' ? QChar(c.unicode() + (u'a' - u'A')) : c.toLower();
    });
    return m_controles.value(QString::fromRawData(minuscules.constData(), minuscules.size()),
                             nullptr);
}

QObject *Tgeneral::cible(const QString &nom) const
{
    QObject *o = controle(nom);
    Q_ASSERT_X(o, "Tgeneral", qPrintable(nom));
    return o;
}

QString Tgeneral::texte(const QString &nom) const
{
    const QObject *o = cible(nom);
    if (const auto *e = qobject_cast<const TEffectLabel *>(o))
        return e->caption();
    // The answer panel, read at every key, without a lookup by property name.
    if (const auto *p = qobject_cast<const TPanneau *>(o))
        return p->text();
    return o ? o->property("text").toString() : QString();
}

void Tgeneral::ecrit_texte(const QString &nom, const QString &texte)
{
    QObject *o = cible(nom);
    if (auto *e = qobject_cast<EtiquetteAuto *>(o))
        e->ecrit(texte);
    else if (auto *l = qobject_cast<TEffectLabel *>(o))
        l->setCaption(texte);
    else if (o)
        o->setProperty("text", texte);
}

void Tgeneral::montre(const QString &nom, bool visible)
{
    auto *w = qobject_cast<QWidget *>(cible(nom));
    if (!w)
        return;
    w->setVisible(visible);
    // OK is disabled under a correction line: its own OK takes the keyboard,
    // and Return or the space bar go on.
    if (w == m_bouton10 && visible)
        m_bouton10->setFocus(Qt::OtherFocusReason);
}

void Tgeneral::active(const QString &nom, bool actif)
{
    if (auto *w = qobject_cast<QWidget *>(cible(nom)))
        w->setEnabled(actif);
}

QRect Tgeneral::geometrie(const QString &nom) const
{
    const auto *w = qobject_cast<const QWidget *>(cible(nom));
    return w ? w->geometry() : QRect();
}

void Tgeneral::place(const QString &nom, const QRect &geometrie)
{
    if (auto *w = qobject_cast<QWidget *>(cible(nom)))
        w->setGeometry(geometrie);
}

void Tgeneral::couleur_fond(const QString &nom, Couleur couleur)
{
    QObject *o = cible(nom);
    if (auto *p = qobject_cast<TPanneau *>(o)) {
        p->setCouleur(teinte(couleur));
    } else if (auto *w = qobject_cast<QWidget *>(o)) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::Window, teinte(couleur));
        w->setPalette(pal);
        w->setAutoFillBackground(true);
    }
}

Couleur Tgeneral::couleur_police(const QString &nom) const
{
    const QObject *o = cible(nom);
    if (const auto *p = qobject_cast<const TPanneau *>(o))
        return en_couleur(p->couleurPolice());
    if (const auto *e = qobject_cast<const TEffectLabel *>(o))
        return en_couleur(e->fontColor());
    if (const auto *w = qobject_cast<const QWidget *>(o))
        return en_couleur(w->palette().color(QPalette::WindowText));
    return Couleur{};
}

void Tgeneral::fixe_couleur_police(const QString &nom, Couleur couleur)
{
    QObject *o = cible(nom);
    if (auto *p = qobject_cast<TPanneau *>(o)) {
        p->setCouleurPolice(teinte(couleur));
    } else if (auto *e = qobject_cast<TEffectLabel *>(o)) {
        e->setFontColor(teinte(couleur));
    } else if (auto *w = qobject_cast<QWidget *>(o)) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::WindowText, teinte(couleur));
        w->setPalette(pal);
    }
}

void Tgeneral::taille_police(const QString &nom, int points)
{
    if (auto *w = qobject_cast<QWidget *>(cible(nom))) {
        QFont f = w->font();
        f.setPixelSize(pixels_de_points(points));
        w->setFont(f);
    }
}

void Tgeneral::centre_texte(const QString &nom)
{
    QObject *o = cible(nom);
    if (auto *e = qobject_cast<TEffectLabel *>(o))
        e->setAlignment(Qt::AlignHCenter | (e->alignment() & Qt::AlignVertical_Mask));
    else if (auto *l = qobject_cast<QLabel *>(o))
        l->setAlignment(Qt::AlignHCenter | (l->alignment() & Qt::AlignVertical_Mask));
}

void Tgeneral::donne_focus(const QString &nom)
{
    if (auto *w = qobject_cast<QWidget *>(cible(nom)))
        w->setFocus(Qt::OtherFocusReason);
}

void Tgeneral::met_devant(const QString &nom)
{
    if (auto *w = qobject_cast<QWidget *>(cible(nom)))
        w->raise();
}

void Tgeneral::charge_image(const QString &nom, const QString &image)
{
    auto *l = qobject_cast<QLabel *>(cible(nom));
    if (!l)
        return;
    const QPixmap pixmap = bitmap_programme(image);
    l->setProperty("image", image);
    if (const QString nom = nom_d_image(image); !nom.isEmpty())
        l->setAccessibleName(nom);
    if (auto *e = qobject_cast<EtiquetteAuto *>(l))
        e->montre_image(pixmap);
    else
        l->setPixmap(pixmap);
}

void Tgeneral::demarre_minuterie(const QString &nom)
{
    if (auto *t = qobject_cast<QTimer *>(cible(nom)))
        t->start();
}

void Tgeneral::arrete_minuterie(const QString &nom)
{
    if (auto *t = qobject_cast<QTimer *>(cible(nom)))
        t->stop();
}

void Tgeneral::intervalle_minuterie(const QString &nom, int millisecondes)
{
    if (auto *t = qobject_cast<QTimer *>(cible(nom)))
        t->setInterval(millisecondes);
}

void Tgeneral::texte_led(const QString &nom, const QString &texte)
{
    if (auto *led = qobject_cast<TLedMatrix *>(cible(nom)))
        led->setDisplayText(texte);
}

void Tgeneral::defilement_led(const QString &nom, bool defile)
{
    if (auto *led = qobject_cast<TLedMatrix *>(cible(nom)))
        led->setMarquee(defile);
}

void Tgeneral::nom_accessible(const QString &nom, const QString &nom_lu)
{
    if (auto *w = qobject_cast<QWidget *>(cible(nom)))
        w->setAccessibleName(nom_lu);
}

void Tgeneral::annonce(const QString &texte)
{
    m_annonce->annonce(texte);
}

void Tgeneral::titre_fenetre(const QString &titre)
{
    setWindowTitle(titre);
}

void Tgeneral::ouvre_fenetre(FenetreRegle fenetre)
{
    switch (fenetre) {
    case FenetreRegle::ReglesAddition:
        montre_fenetre(Annexe::regle_add);
        break;
    case FenetreRegle::ErreurAddition:
        // A new rule error restarts the demonstration on the new question.
        if (auto *f = m_fenetres ? static_cast<Terreur_addition *>(m_fenetres->fenetre(Annexe::erreur_addition)) : nullptr)
            f->nouvelle_question();
        montre_fenetre(Annexe::erreur_addition);
        break;
    case FenetreRegle::RegleSoustraction:
        montre_fenetre(Annexe::regle_soust);
        break;
    }
}

void Tgeneral::sauve_etat_clavier()
{
    m_etat.etat_clavier = verrous_clavier::lit();
}

void Tgeneral::force_verrous_clavier()
{
    verrous_clavier::force();
}
