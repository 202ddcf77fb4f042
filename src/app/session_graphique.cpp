// SPDX-License-Identifier: GPL-3.0-or-later
#include "session_graphique.h"

#include "plateforme.h"

#include <QRegularExpression>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace session_graphique {

namespace {

struct Message
{
    QtMsgType type;
    QByteArray categorie;
    QString texte;
};

QtMessageHandler gestionnaire_precedent = nullptr;
std::vector<Message> retenus;

// What went wrong with one platform, in Qt's words.
enum class Echec { introuvable, injoignable, autre };

struct Conseil
{
    const char *plateforme; // null: any other
    Echec echec;
    const char *texte;
};

// What to say for each platform and failure, the rows without a platform
// serving any other; $PLATEFORME and $DISPLAY are filled in.
constexpr Conseil conseils[] = {
    {"wayland", Echec::introuvable,
     "Installez le paquet qt6-wayland, ou lancez Tavelo sous X11 : QT_QPA_PLATFORM=xcb."},
    {"wayland", Echec::injoignable,
     "Aucun serveur Wayland ne répond : vérifiez WAYLAND_DISPLAY et XDG_RUNTIME_DIR, ou lancez "
     "Tavelo sous X11 : QT_QPA_PLATFORM=xcb."},
    {"xcb", Echec::introuvable, "Installez le paquet qt6-qpa-plugins."},
    {"xcb", Echec::injoignable,
     "Aucun serveur X ne répond sur DISPLAY=$DISPLAY : vérifiez DISPLAY, et XAUTHORITY s'il faut une "
     "autorisation."},
    {"xcb", Echec::autre,
     "Une bibliothèque manque à la plate-forme xcb : réinstallez le paquet qt6-qpa-plugins "
     "(QT_DEBUG_PLUGINS=1 dit laquelle)."},
    {nullptr, Echec::introuvable,
     "Qt n'a pas de plate-forme « $PLATEFORME » : choisissez-en une de la liste ci-dessus par "
     "QT_QPA_PLATFORM ou -platform."},
    {nullptr, Echec::autre,
     "QT_DEBUG_PLUGINS=1 dit pourquoi la plate-forme « $PLATEFORME » n'a pas démarré."},
};

QString conseil(const QString &plateforme, Echec echec)
{
    for (const Conseil &c : conseils)
        if ((!c.plateforme || plateforme == QLatin1String(c.plateforme)) && c.echec == echec)
            return QString::fromUtf8(c.texte)
                .replace(QLatin1String("$PLATEFORME"), plateforme)
                .replace(QLatin1String("$DISPLAY"), qEnvironmentVariable("DISPLAY"));
    return {};
}

// One line of advice per platform that failed, read from Qt's messages.
QStringList conseils_pour(const std::vector<Message> &messages)
{
    static const QRegularExpression greffon(
        QStringLiteral("Could not (find|load) the Qt platform plugin \"([^\"]*)\""));
    bool injoignable = false;
    QStringList lignes;
    for (const Message &m : messages) {
        if (m.texte.contains(QLatin1String("could not connect to display"))
            || m.texte.contains(QLatin1String("Failed to create wl_display")))
            injoignable = true;
        const QRegularExpressionMatch echec = greffon.match(m.texte);
        if (!echec.hasMatch())
            continue;
        const Echec e = echec.captured(1) == QLatin1String("find") ? Echec::introuvable
                        : injoignable                               ? Echec::injoignable
                                                                    : Echec::autre;
        injoignable = false;
        const QString ligne = conseil(echec.captured(2), e);
        if (!ligne.isEmpty() && !lignes.contains(ligne))
            lignes.append(ligne);
    }
    return lignes;
}

void ecrit(const QString &texte)
{
    std::fputs(texte.toLocal8Bit().constData(), stderr);
}

void plateforme_en_echec(const QString &raison)
{
    retenus.push_back({QtFatalMsg, {}, raison});
    ecrit(QStringLiteral("Tavelo ne peut pas ouvrir ses fenêtres : la plate-forme graphique de Qt "
                         "n'a pas démarré.\n"));
    for (const Message &m : retenus) {
        const bool par_defaut = m.categorie.isEmpty() || m.categorie == "default";
        ecrit((par_defaut ? QString() : QString::fromLatin1(m.categorie + ": ")) + m.texte
              + QLatin1Char('\n'));
    }
    for (const QString &ligne : conseils_pour(retenus))
        ecrit(ligne + QLatin1Char('\n'));
    std::fflush(stderr);
}

void pendant_le_demarrage(QtMsgType type, const QMessageLogContext &contexte, const QString &message)
{
    if (type != QtFatalMsg) {
        retenus.push_back({type, contexte.category, message});
        return;
    }
    plateforme_en_echec(message);
    std::_Exit(statut_sans_affichage);
}

} // namespace

bool presente(int argc, char *argv[])
{
    if (plateforme::choisie_par_l_utilisateur(argc, argv)
        || !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    std::fputs("Tavelo a besoin d'une session graphique : aucun écran n'est accessible "
               "(DISPLAY ou WAYLAND_DISPLAY).\n",
               stderr);
    return false;
}

void surveille_demarrage()
{
    gestionnaire_precedent = qInstallMessageHandler(pendant_le_demarrage);
}

void fin_du_demarrage()
{
    qInstallMessageHandler(gestionnaire_precedent);
    for (const Message &m : retenus) {
        const QMessageLogContext contexte(nullptr, 0, nullptr, m.categorie.constData());
        gestionnaire_precedent(m.type, contexte, m.texte);
    }
    retenus.clear();
}

} // namespace session_graphique
