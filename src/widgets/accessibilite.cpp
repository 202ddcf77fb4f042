// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibilite.h"

#include "Annonce.h"
#include "marsCap.h"
#include "marsCap_accessible.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QVariant>

namespace {

struct NomParPropriete
{
    QByteArray propriete;
    QAccessible::Role role;
};

QHash<QString, NomParPropriete> &noms_par_propriete()
{
    static QHash<QString, NomParPropriete> table;
    return table;
}

// A painted widget whose text, held in a property, is its name.
class WidgetPeintAccessible : public QAccessibleWidget
{
public:
    WidgetPeintAccessible(QWidget *w, const NomParPropriete &nom)
        : QAccessibleWidget(w, nom.role), m_propriete(nom.propriete)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return widget()->property(m_propriete.constData()).toString();
        return QAccessibleWidget::text(t);
    }

private:
    QByteArray m_propriete;
};

// A window of the program made of a bare QWidget: Qt describes it as a
// plain client area. Qt's own classes (named Q...) built on a bare QWidget,
// such as the menus' popups, keep their own interfaces, which Qt may look
// for after this factory.
bool fenetre_nue(const QString &classe, const QWidget *w)
{
    const QMetaObject *meta = w->metaObject();
    return w->isWindow() && classe == QLatin1String(meta->className())
           && !classe.startsWith(QLatin1Char('Q'))
           && meta->superClass() == &QWidget::staticMetaObject;
}

// Qt asks with each class name of the object, most derived first, and
// tries its own interfaces before this one at each step.
QAccessibleInterface *fabrique(const QString &classe, QObject *objet)
{
    if (!objet || !objet->isWidgetType())
        return nullptr;
    auto *w = static_cast<QWidget *>(objet);
    if (auto *barre = qobject_cast<TMarsCaption *>(w); barre && classe == QLatin1String("TMarsCaption"))
        return new BarreAccessible(barre);
    if (const auto nom = noms_par_propriete().constFind(classe); nom != noms_par_propriete().cend())
        return new WidgetPeintAccessible(w, *nom);
    if (fenetre_nue(classe, w))
        return new QAccessibleWidget(w, w->windowType() == Qt::Dialog ? QAccessible::Dialog
                                                                        : QAccessible::Window);
    return nullptr;
}

} // namespace

namespace accessibilite {

void installe()
{
    static bool installee = false;
    if (installee)
        return;
    installee = true;
    noms_par_propriete().insert(QStringLiteral("TEffectLabel"),
                                {QByteArrayLiteral("Caption"), QAccessible::StaticText});
    noms_par_propriete().insert(QStringLiteral("TAnnonce"),
                                {QByteArrayLiteral("texte"), QAccessible::Notification});
    QAccessible::installFactory(fabrique);
}

void nomme_par_propriete(const char *classe, const char *propriete)
{
    noms_par_propriete().insert(QString::fromLatin1(classe),
                                {QByteArray(propriete), QAccessible::StaticText});
}

void nom_change(QObject *objet)
{
    QAccessibleEvent evenement(objet, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&evenement);
}

} // namespace accessibilite
