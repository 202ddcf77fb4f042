// SPDX-License-Identifier: GPL-3.0-or-later
#include "touches.h"

#include <QMetaEnum>

#include <span>

namespace {

struct Place
{
    const char *nom; // Qt name without "Key_"
    quint32 code;    // X11 keycode
    quint32 keysym;
};

// The main block and the editing keys, US layout.
constexpr Place bloc_principal[] = {
    {"Escape", 9, 0xff1b},   {"1", 10, '1'},          {"2", 11, '2'},
    {"3", 12, '3'},          {"4", 13, '4'},          {"5", 14, '5'},
    {"6", 15, '6'},          {"7", 16, '7'},          {"8", 17, '8'},
    {"9", 18, '9'},          {"0", 19, '0'},          {"Minus", 20, '-'},
    {"Equal", 21, '='},      {"Backspace", 22, 0xff08}, {"Tab", 23, 0xff09},
    {"Q", 24, 'q'},          {"W", 25, 'w'},          {"E", 26, 'e'},
    {"R", 27, 'r'},          {"T", 28, 't'},          {"Y", 29, 'y'},
    {"U", 30, 'u'},          {"I", 31, 'i'},          {"O", 32, 'o'},
    {"P", 33, 'p'},          {"Return", 36, 0xff0d},  {"Control", 37, 0xffe3},
    {"A", 38, 'a'},          {"S", 39, 's'},          {"D", 40, 'd'},
    {"F", 41, 'f'},          {"G", 42, 'g'},          {"H", 43, 'h'},
    {"J", 44, 'j'},          {"K", 45, 'k'},          {"L", 46, 'l'},
    {"Shift", 50, 0xffe1},   {"Z", 52, 'z'},          {"X", 53, 'x'},
    {"C", 54, 'c'},          {"V", 55, 'v'},          {"B", 56, 'b'},
    {"N", 57, 'n'},          {"M", 58, 'm'},          {"Comma", 59, ','},
    {"Period", 60, '.'},     {"Slash", 61, '/'},      {"Alt", 64, 0xffe9},
    {"Space", 65, ' '},      {"CapsLock", 66, 0xffe5}, {"F1", 67, 0xffbe},
    {"F2", 68, 0xffbf},      {"F3", 69, 0xffc0},      {"F4", 70, 0xffc1},
    {"F5", 71, 0xffc2},      {"F6", 72, 0xffc3},      {"F7", 73, 0xffc4},
    {"F8", 74, 0xffc5},      {"F9", 75, 0xffc6},      {"F10", 76, 0xffc7},
    {"NumLock", 77, 0xff7f}, {"F11", 95, 0xffc8},     {"F12", 96, 0xffc9},
    {"Home", 110, 0xff50},   {"Up", 111, 0xff52},     {"PageUp", 112, 0xff55},
    {"Left", 113, 0xff51},   {"Right", 114, 0xff53},  {"End", 115, 0xff57},
    {"Down", 116, 0xff54},   {"PageDown", 117, 0xff56}, {"Insert", 118, 0xff63},
    {"Delete", 119, 0xffff},
};

// The numeric pad: a digit key gives its digit with Num Lock on and its
// editing key with Num Lock off, on the same keycode.
constexpr Place pave_numerique[] = {
    {"7", 79, 0xffb7},      {"Home", 79, 0xff95},  {"8", 80, 0xffb8},
    {"Up", 80, 0xff97},     {"9", 81, 0xffb9},     {"PageUp", 81, 0xff9a},
    {"Minus", 82, 0xffad},  {"4", 83, 0xffb4},     {"Left", 83, 0xff96},
    {"5", 84, 0xffb5},      {"Clear", 84, 0xff9d}, {"6", 85, 0xffb6},
    {"Right", 85, 0xff98},  {"Plus", 86, 0xffab},  {"1", 87, 0xffb1},
    {"End", 87, 0xff9c},    {"2", 88, 0xffb2},     {"Down", 88, 0xff99},
    {"3", 89, 0xffb3},      {"PageDown", 89, 0xff9b}, {"0", 90, 0xffb0},
    {"Insert", 90, 0xff9e}, {"Period", 91, 0xffae}, {"Delete", 91, 0xff9f},
    {"Enter", 104, 0xff8d}, {"Slash", 106, 0xffaf}, {"Asterisk", 63, 0xffaa},
};

// X11 names of the pad's keys that Qt names otherwise.
constexpr struct
{
    const char *x11;
    const char *qt;
} alias_pave[] = {
    {"Subtract", "Minus"}, {"Add", "Plus"},       {"Multiply", "Asterisk"},
    {"Divide", "Slash"},   {"Decimal", "Period"}, {"Begin", "Clear"},
};

// The unshifted top row of a French AZERTY keyboard, keys 1 to 9 then 0.
constexpr char16_t rangee_azerty[] = u"&é\"'(-è_çà";

// The text of a keysym: Latin-1 keysyms are their character; the pad's
// digits and operators type theirs; a few control keys type a control code.
QString texte_du_keysym(quint32 keysym)
{
    if (keysym < 0x100)
        return QString(QChar(char16_t(keysym)));
    if (keysym >= 0xffb0 && keysym <= 0xffb9)
        return QString(QChar(u'0' + char16_t(keysym - 0xffb0)));
    switch (keysym) {
    case 0xff0d:
    case 0xff8d:
        return QStringLiteral("\r");
    case 0xff08:
        return QStringLiteral("\b");
    case 0xff09:
        return QStringLiteral("\t");
    case 0xff1b:
        return QStringLiteral("\x1b");
    case 0xffff:
        return QStringLiteral("\x7f");
    case 0xffad:
        return QStringLiteral("-");
    case 0xffab:
        return QStringLiteral("+");
    case 0xffaa:
        return QStringLiteral("*");
    case 0xffaf:
        return QStringLiteral("/");
    case 0xffae:
        return QStringLiteral(".");
    }
    return {};
}

// The Qt key named "Key_" + nom, case-insensitive; its canonical name too.
std::optional<std::pair<int, QString>> cle_qt(const QString &nom)
{
    const QMetaEnum touches = QMetaEnum::fromType<Qt::Key>();
    const QString cherche = QStringLiteral("Key_") + nom;
    for (int i = 0; i < touches.keyCount(); ++i) {
        const QString cle = QString::fromLatin1(touches.key(i));
        if (cle.compare(cherche, Qt::CaseInsensitive) == 0)
            return std::make_pair(touches.value(i), cle.mid(4));
    }
    return std::nullopt;
}

const Place *trouve(std::span<const Place> table, const QString &nom)
{
    for (const Place &p : table)
        if (nom == QLatin1String(p.nom))
            return &p;
    return nullptr;
}

std::optional<Frappe> frappe_azerty(const QString &chiffre)
{
    if (chiffre.size() != 1 || !chiffre[0].isDigit())
        return std::nullopt;
    const int rang = chiffre == "0" ? 9 : chiffre.toInt() - 1;
    const QChar c(rangee_azerty[rang]);
    return Frappe{c.toUpper().unicode(), Qt::NoModifier, quint32(10 + rang), c.unicode(),
                  QString(c)};
}

} // namespace

std::optional<Frappe> frappe_nommee(const QString &nom)
{
    const QLatin1String alt("Alt+");
    if (nom.startsWith(alt, Qt::CaseInsensitive) && nom.size() > alt.size()) {
        std::optional<Frappe> f = frappe_nommee(nom.mid(alt.size()));
        if (f)
            f->modificateurs |= Qt::AltModifier;
        return f;
    }
    if (nom.endsWith(QLatin1String("@azerty"), Qt::CaseInsensitive))
        return frappe_azerty(nom.chopped(7));

    const bool pave = nom.startsWith(QLatin1String("KP_"), Qt::CaseInsensitive);
    QString reste = pave ? nom.mid(3) : nom;
    if (pave) {
        for (const auto &a : alias_pave)
            if (reste.compare(QLatin1String(a.x11), Qt::CaseInsensitive) == 0)
                reste = QString::fromLatin1(a.qt);
    }
    const auto cle = cle_qt(reste);
    if (!cle)
        return std::nullopt;

    // A name that the main block lacks ("Enter", "Plus") is the pad's key.
    bool sur_le_pave = pave;
    const Place *place = trouve(pave ? std::span<const Place>(pave_numerique)
                                     : std::span<const Place>(bloc_principal),
                                cle->second);
    if (!place && !pave) {
        place = trouve(pave_numerique, cle->second);
        sur_le_pave = place != nullptr;
    }
    if (pave && !place)
        return std::nullopt;

    Frappe f;
    f.cle = cle->first;
    f.modificateurs = sur_le_pave ? Qt::KeypadModifier : Qt::NoModifier;
    if (place) {
        f.code_physique = place->code;
        f.keysym = place->keysym;
        f.texte = texte_du_keysym(place->keysym);
    }
    return f;
}

Frappe frappe_pour_caractere(QChar c)
{
    const QChar minuscule = c.toLower();
    for (const Place &p : bloc_principal) {
        if (p.keysym == minuscule.unicode()) {
            const bool majuscule = c != minuscule;
            return Frappe{c.toUpper().unicode(),
                          majuscule ? Qt::ShiftModifier : Qt::NoModifier, p.code, c.unicode(),
                          QString(c)};
        }
    }
    return Frappe{c.toUpper().unicode(), Qt::NoModifier, 0, c.unicode(), QString(c)};
}
