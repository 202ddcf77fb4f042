// SPDX-License-Identifier: GPL-3.0-or-later
#include "U_test.h"

#include "EffectLabel.h"
#include "champ_filtre.h"
#include "correction_test.h"
#include "disposition_test.h"
#include "etat_partage.h"
#include "fenetre_annexe.h"
#include "parole.h"
#include "teintes.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

const QString correcte_moi = QStringLiteral("OK, corrige-moi");

// The questions' face: the bold narrow one where it is installed (through
// the font mapping), plain Arial otherwise. Only the family changes.
QString famille_des_questions()
{
    const QString narrow = QStringLiteral("Arial Narrow");
    return QFontDatabase::hasFamily(QFont::substitute(narrow)) ? narrow : QStringLiteral("Arial");
}

void change_famille(QWidget *w, const QString &famille)
{
    QFont f = w->font();
    f.setFamily(famille);
    w->setFont(f);
}

void colore(QWidget *w, QPalette::ColorRole role, const QColor &couleur)
{
    QPalette p = w->palette();
    p.setColor(role, couleur);
    w->setPalette(p);
}

void ecrit(QLabel *l, const QString &texte)
{
    l->setText(texte);
    l->adjustSize();
}

} // namespace

Ttest::Ttest(const ContexteFenetre &contexte)
    : QWidget(contexte.principale), m_etat(contexte.etat), m_hasard(contexte.hasard)
{
    QWidget *client = prepare_fenetre(*this, "test",
                                      QStringLiteral("TEST sur l'addition et la soustraction des nombres RELATIFS"),
                                      QSize(640, 480), Cadre::FermetureSeule, QPoint(1, 1));
    cree_controles(client);
}

QLabel *Ttest::labl(int n) const
{
    return qobject_cast<QLabel *>(controle(QStringLiteral("label") + QString::number(n)));
}

QLineEdit *Ttest::edt(int n) const
{
    return qobject_cast<QLineEdit *>(controle(QStringLiteral("edit") + QString::number(n)));
}

void Ttest::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void Ttest::FormShow()
{
    const QString famille = famille_des_questions();
    const QColor fond_des_champs = palette().color(QPalette::Base);
    for (int n = 1; n <= 40; ++n) {
        QLineEdit *e = edt(n);
        change_famille(e, famille);
        colore(e, QPalette::Text, Qt::black);
        colore(e, QPalette::Base, fond_des_champs);
        e->clear();
        change_famille(labl(n), famille);
        change_famille(labl(n + 100), famille);
        labl(n + 100)->hide();
    }
    m_edit_nom->clear();
    m_edit_prenom->clear();
    colore(m_label_fautes, QPalette::WindowText, Qt::black);
    ecrit(m_label_fautes, QStringLiteral("barême: -2 points par faute"));
    // A test left without any answer hid this line; the scale shows again.
    m_label_fautes->show();
    m_label_pdr->hide();
    m_note->hide();
    m_button1->setText(correcte_moi);
    m_button1->setGeometry(416, 384, 187, 49);

    m_sujet = compose_test(m_etat, m_hasard, m_etat.max_avec_calcul, m_etat.max_sans_calcul);
    ajuste_les_champs(longueur_des_reponses(m_sujet.reponses));
    for (int n = 1; n <= 40; ++n) {
        QLabel *question = labl(n);
        ecrit(question, m_sujet.questions[n] + QLatin1Char('='));
        question->move(edt(n)->x() - question->width(), question->y());
        edt(n)->setAccessibleName(parole::question_numerotee(n, m_sujet.questions[n]));
    }
}

// Fields take as many characters as the longest expected answer of the
// test (at least 3) and are widened to show them whole.
void Ttest::ajuste_les_champs(int caracteres)
{
    const QFontMetrics mesure(edt(1)->font());
    const int elargissement = (caracteres - 3) * mesure.horizontalAdvance(QLatin1Char('0'));
    for (int n = 1; n <= 40; ++n) {
        edt(n)->setMaxLength(caracteres);
        edt(n)->setGeometry(disposition_test::champ(n, elargissement));
        labl(n + 100)->move(disposition_test::reponse_attendue(n, elargissement));
    }
}

void Ttest::EditChange(QLineEdit *edit)
{
    filtre_champ(*edit, filtre_saisie);
}

void Ttest::Button1Click()
{
    if (m_button1->text() != correcte_moi) {
        hide();
        return;
    }
    Tableau<QString, 40> saisies;
    for (int n = 1; n <= 40; ++n)
        saisies[n] = edt(n)->text();
    const BilanTest bilan = corrige_test(m_sujet.reponses, saisies);

    for (int n = 1; n <= 40; ++n) {
        if (!bilan.a_corriger[n])
            continue;
        colore(edt(n), QPalette::Base, teintes::rouge);
        colore(edt(n), QPalette::Text, teintes::jaune);
        ecrit(labl(n + 100), m_sujet.reponses[n]);
        labl(n + 100)->show();
    }
    ecrit(m_label_fautes, bilan.ligne_erreurs);
    colore(m_label_fautes, QPalette::WindowText, teintes::rouge);
    m_label_fautes->setVisible(bilan.ligne_erreurs_visible);
    ecrit(m_label_pdr, bilan.ligne_non_reponses);
    colore(m_label_pdr, QPalette::WindowText, teintes::rouge);
    m_label_pdr->setVisible(bilan.ligne_non_reponses_visible);
    m_note->setCaption(bilan.texte_note);
    m_note->show();
    m_button1->setText(QStringLiteral("OK"));
    m_button1->setGeometry(480, 384, 57, 49);
}
