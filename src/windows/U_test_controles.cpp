// SPDX-License-Identifier: GPL-3.0-or-later
// The test window's controls as designed: names, kinds, places, fonts and
// colours. Places are in the client area.

#include "U_test.h"

#include "EffectLabel.h"
#include "disposition_test.h"
#include "fabrique_controles.h"
#include "teintes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <tuple>

namespace {

using fabrique::nomme;
using fabrique::police;

QLabel *etiquette(QWidget *parent, const QString &nom, QPoint position, const QFont &f)
{
    auto *l = nomme(new QLabel(parent), nom);
    l->setFont(f);
    l->setMargin(0);
    l->move(position);
    return l;
}

TEffectLabel *etiquette_a_effet(QWidget *parent, const char *nom, const QString &texte,
                                TEffectLabel::TEffectStyle style, const QFont &f)
{
    auto *l = nomme(new TEffectLabel(parent), nom);
    l->setEffectStyle(style);
    l->setFont(f);
    l->setCaption(texte);
    return l;
}

QLineEdit *champ(QWidget *parent, const QString &nom, const QRect &r, const QFont &f)
{
    auto *e = nomme(new QLineEdit(parent), nom);
    e->setGeometry(r);
    e->setFont(f);
    return e;
}

} // namespace

void Ttest::cree_controles(QWidget *client)
{
    cree_en_tete(client);
    cree_questions(client);
    cree_bilan(client);
    m_controles.indexe(*client);
}

void Ttest::cree_en_tete(QWidget *client)
{
    const QFont arial_black = police("Arial Black", 20, QFont::Black);
    for (const auto &[nom, texte, x] : {std::tuple{"EffectLabel1", "Nom:", 19},
                                        std::tuple{"EffectLabel2", "Prénom:", 299}}) {
        TEffectLabel *l = etiquette_a_effet(client, nom, QString::fromUtf8(texte),
                                            TEffectLabel::esNone, arial_black);
        l->setFontColor(Qt::black);
        l->setAutoSize(true);
        l->move(x, 8);
    }
    m_edit_nom = champ(client, QStringLiteral("Edit_nom"), QRect(80, 8, 193, 33), arial_black);
    m_edit_nom->setAccessibleName(QStringLiteral("Nom"));
    m_edit_prenom =
        champ(client, QStringLiteral("Edit_prenom"), QRect(392, 8, 225, 33), arial_black);
    m_edit_prenom->setAccessibleName(QStringLiteral("Prénom"));
}

void Ttest::cree_questions(QWidget *client)
{
    const QFont narrow = police("Arial Narrow", 20, QFont::Bold);
    const QFont narrow_petite = police("Arial Narrow", 16, QFont::Bold);
    for (int n = 1; n <= 40; ++n) {
        const QString numero = QString::number(n);
        QLineEdit *e = champ(client, QStringLiteral("Edit") + numero,
                             disposition_test::champ(n, 0), narrow);
        e->setMaxLength(3);
        connect(e, &QLineEdit::textEdited, this, [this, e] { EditChange(e); });

        etiquette(client, QStringLiteral("Label") + numero,
                  {disposition_test::champ(n, 0).left(), disposition_test::haut_de_la_question(n)},
                  narrow);
        QLabel *attendue = etiquette(client, QStringLiteral("Label") + QString::number(n + 100),
                                     disposition_test::reponse_attendue(n, 0), narrow_petite);
        fabrique::colore(attendue, teintes::rouge);
        attendue->hide();
    }
}

void Ttest::cree_bilan(QWidget *client)
{
    const QFont arial = police("Arial", 19, QFont::Normal);
    m_label_fautes = etiquette(client, QStringLiteral("Label_fautes"), {32, 384}, arial);
    m_label_pdr = etiquette(client, QStringLiteral("Label_pdr"), {32, 416}, arial);
    m_label_pdr->hide();

    m_note = etiquette_a_effet(client, "EffectLabel_note", QStringLiteral("12/20"),
                               TEffectLabel::esShadow,
                               police("Arial Black", 47, QFont::Black, fabrique::Style::italique));
    m_note->setDepthShadow(2);
    m_note->setFontColor(teintes::rouge);
    m_note->setGeometry(272, 375, 145, 61);
    m_note->hide();

    m_button1 = nomme(new QPushButton(QStringLiteral("OK, corrige-moi"), client), "Button1");
    m_button1->setFont(police("Arial", 20, QFont::Bold));
    m_button1->setGeometry(416, 384, 187, 49);
    connect(m_button1, &QPushButton::clicked, this, &Ttest::Button1Click);
}

QWidget *Ttest::controle(const QString &nom) const
{
    return m_controles(nom);
}
