// SPDX-License-Identifier: GPL-3.0-or-later
#include "instantane.h"

#include "marsCap.h"

#include <QAbstractButton>
#include <QAction>
#include <QColor>
#include <QJsonArray>
#include <QLayout>
#include <QMenu>
#include <QMetaProperty>
#include <QTimer>
#include <QWidget>

namespace {

QString nom_du_parent(const QObject *objet)
{
    const QObject *parent = objet->parent();
    if (!parent)
        return {};
    if (!parent->objectName().isEmpty())
        return parent->objectName();
    return QStringLiteral("<%1>").arg(QLatin1String(parent->metaObject()->className()));
}

// A property value as JSON: colours as "#rrggbb", objects by their name;
// null for what has no plain form.
QJsonValue valeur_json(const QVariant &v)
{
    if (v.metaType() == QMetaType::fromType<QColor>())
        return v.value<QColor>().name();
    if (v.metaType().flags() & QMetaType::PointerToQObject) {
        const QObject *o = v.value<QObject *>();
        return o ? QJsonValue(o->objectName()) : QJsonValue();
    }
    switch (v.metaType().id()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::QString:
    case QMetaType::QByteArray:
        return QJsonValue::fromVariant(v);
    default:
        return QJsonValue();
    }
}

// An enumerated value by its key, or its keys joined by "|" for flags.
QString nom_enumere(const QMetaProperty &p, const QVariant &valeur)
{
    const QMetaEnum e = p.enumerator();
    const int entier = valeur.toInt();
    return QString::fromLatin1(e.isFlag() ? e.valueToKeys(entier) : QByteArray(e.valueToKey(entier)));
}

// The properties declared by the program's own classes (those not from
// Qt, whose names start with "Q") and the dynamic ones.
QJsonObject proprietes_propres(const QObject *objet)
{
    QJsonObject proprietes;
    for (const QMetaObject *m = objet->metaObject(); m; m = m->superClass()) {
        if (m->className()[0] == 'Q')
            break;
        const int premiere = m->superClass() ? m->superClass()->propertyCount() : 0;
        for (int i = premiere; i < m->propertyCount(); ++i) {
            const QMetaProperty p = m->property(i);
            const QVariant lue = p.read(objet);
            const QJsonValue valeur = p.isEnumType() ? QJsonValue(nom_enumere(p, lue))
                                                     : valeur_json(lue);
            if (!valeur.isNull())
                proprietes.insert(QLatin1String(p.name()), valeur);
        }
    }
    for (const QByteArray &nom : objet->dynamicPropertyNames()) {
        if (nom.startsWith("_q_"))
            continue;
        proprietes.insert(QString::fromLatin1(nom), valeur_json(objet->property(nom)));
    }
    return proprietes;
}

// The text a control shows: its caption, else its text, else its title,
// whatever the case of the property's name.
QJsonValue texte_de(const QObject *objet)
{
    const QMetaObject *m = objet->metaObject();
    for (const char *nom : {"caption", "text", "title"}) {
        for (int i = 0; i < m->propertyCount(); ++i) {
            const QMetaProperty p = m->property(i);
            if (qstricmp(p.name(), nom) == 0 && p.metaType() == QMetaType::fromType<QString>())
                return p.read(objet).toString();
        }
    }
    return QJsonValue();
}

QJsonObject police_json(const QFont &police)
{
    return {{"family", police.family()},
            {"pixelSize", police.pixelSize()},
            {"pointSize", police.pointSizeF()},
            {"bold", police.bold()},
            {"italic", police.italic()},
            {"underline", police.underline()}};
}

QJsonObject decrit_widget(QWidget *w)
{
    const QPalette palette = w->palette();
    QJsonObject d{
        {"visible", w->isVisibleTo(w->window())},
        {"enabled", w->isEnabled()},
        {"geometry", geometrie_json(w->geometry())},
        {"font", police_json(w->font())},
        {"color", palette.color(w->foregroundRole()).name()},
        {"background", palette.color(w->backgroundRole()).name()},
        {"autoFillBackground", w->autoFillBackground()},
        {"focus", w->hasFocus()},
    };
    const QJsonValue texte = texte_de(w);
    if (!texte.isNull())
        d.insert("text", texte);
    if (!w->toolTip().isEmpty())
        d.insert("hint", w->toolTip());
    if (const auto *bouton = qobject_cast<const QAbstractButton *>(w); bouton && bouton->isCheckable())
        d.insert("checked", bouton->isChecked());
    return d;
}

} // namespace

QJsonObject geometrie_json(const QRect &r)
{
    return {{"x", r.x()}, {"y", r.y()}, {"w", r.width()}, {"h", r.height()}};
}

QWidget *fenetre_de(QObject *objet)
{
    for (QObject *o = objet; o; o = o->parent()) {
        if (!o->isWidgetType())
            continue;
        QWidget *fenetre = static_cast<QWidget *>(o)->window();
        // A drop-down menu belongs to the window it drops from.
        if (fenetre->windowType() != Qt::Popup)
            return fenetre;
        o = fenetre;
    }
    return nullptr;
}

QJsonObject decrit_objet(QObject *objet)
{
    QJsonObject d;
    if (objet->isWidgetType())
        d = decrit_widget(static_cast<QWidget *>(objet));
    else if (auto *minuterie = qobject_cast<QTimer *>(objet))
        d = {{"interval", minuterie->interval()},
             {"active", minuterie->isActive()},
             {"singleShot", minuterie->isSingleShot()}};
    else if (auto *action = qobject_cast<QAction *>(objet))
        d = {{"text", action->text()},
             {"enabled", action->isEnabled()},
             {"visible", action->isVisible()},
             {"menu", action->menu() ? QJsonValue(action->menu()->objectName()) : QJsonValue()}};
    d.insert("objectName", objet->objectName());
    d.insert("class", QLatin1String(objet->metaObject()->className()));
    d.insert("parent", nom_du_parent(objet));
    const QJsonObject proprietes = proprietes_propres(objet);
    if (!proprietes.isEmpty())
        d.insert("properties", proprietes);
    return d;
}

TMarsCaption *barre_de(const QWidget *fenetre)
{
    return fenetre->findChild<TMarsCaption *>(QString(), Qt::FindDirectChildrenOnly);
}

QJsonObject decrit_barre(const TMarsCaption &barre)
{
    static const char *const genres[] = {"close", "maximize", "minimize", "help"};
    const DispositionBarre d = barre.disposition();
    QJsonArray boutons;
    for (const GenreBouton genre : genres_boutons)
        if (d.bouton_montre(genre))
            boutons.append(QJsonObject{{"kind", genres[indice(genre)]},
                                       {"enabled", d.bouton_actif(genre)}});
    return {{"caption", barre.caption()},
            {"active", barre.actif()},
            {"colors", QJsonArray{barre.couleurDebut().name(), barre.couleurFin().name()}},
            {"buttons", boutons},
            {"icon", d.icone.width() > 0}};
}

QJsonObject decrit_fenetre(QWidget *fenetre)
{
    QJsonArray controles;
    for (QObject *objet : fenetre->findChildren<QObject *>()) {
        const QString nom = objet->objectName();
        // Layouts are the toolkit's, not controls, and the bar is the frame.
        if (nom.isEmpty() || nom.startsWith(QLatin1String("qt_")) || qobject_cast<QLayout *>(objet)
            || qobject_cast<TMarsCaption *>(objet) || fenetre_de(objet) != fenetre)
            continue;
        controles.append(decrit_objet(objet));
    }
    QJsonObject d{
        {"objectName", fenetre->objectName()},
        {"class", QLatin1String(fenetre->metaObject()->className())},
        {"caption", fenetre->windowTitle()},
        {"visible", fenetre->isVisible()},
        {"active", fenetre->isActiveWindow()},
        {"maximized", fenetre->isMaximized()},
        {"stayOnTop", bool(fenetre->windowFlags() & Qt::WindowStaysOnTopHint)},
        {"modal", fenetre->isModal()},
        {"geometry", geometrie_json(fenetre->geometry())},
        {"frame", geometrie_json(fenetre->frameGeometry())},
        {"font", police_json(fenetre->font())},
        {"controls", controles},
        {"properties", proprietes_propres(fenetre)},
    };
    if (const TMarsCaption *barre = barre_de(fenetre))
        d.insert("bar", decrit_barre(*barre));
    return d;
}
