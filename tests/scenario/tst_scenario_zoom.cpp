// SPDX-License-Identifier: GPL-3.0-or-later
// The same run at 1x and at 2x asked for: the program is drawn twice as
// large, while every geometry it reports stays the design's.

#include "client_scenario.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QRect>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr quint64 graine = 18;

QRect rectangle(const QJsonValue &g)
{
    return QRect(g[u"x"].toInt(), g[u"y"].toInt(), g[u"w"].toInt(), g[u"h"].toInt());
}

// The place of every shown window and of each of its controls, by name (a
// control's rank makes names that repeat distinct). A window is placed by
// its frame and sized by its client area: the one frame the program does
// not paint, the configuration dialog's, is the platform's, whose
// thickness no zoom changes.
QMap<QString, QRect> geometries(const QJsonObject &dump)
{
    QMap<QString, QRect> places;
    for (const QJsonValue fenetre : dump["windows"].toArray()) {
        if (!fenetre[u"visible"].toBool())
            continue;
        const QString nom = fenetre[u"objectName"].toString();
        places.insert(nom, QRect(rectangle(fenetre[u"frame"]).topLeft(), rectangle(fenetre[u"geometry"]).size()));
        const QJsonArray controles = fenetre[u"controls"].toArray();
        for (qsizetype i = 0; i < controles.size(); ++i)
            places.insert(QStringLiteral("%1.%2 (%3)").arg(nom, controles[i][u"objectName"].toString()).arg(i),
                          rectangle(controles[i][u"geometry"]));
    }
    return places;
}

// Pixels of the glyphs' antialiased edges inside the panel's bevel: grey
// between the black text and the silver ground. Text drawn at 2x has
// edges as thin as at 1x, so twice as many edge pixels over its doubled
// outline; a 1x drawing enlarged, pixel for pixel or smoothly, has four
// times as many.
int pixels_de_bord(const QImage &image, int biseau)
{
    int bord = 0;
    for (int y = biseau; y < image.height() - biseau; ++y)
        for (int x = biseau; x < image.width() - biseau; ++x) {
            const int gris = qGray(image.pixel(x, y));
            bord += gris > 24 && gris < 168;
        }
    return bord;
}

} // namespace

class TstScenarioZoom : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void la_fenetre_principale_est_photographiee_au_double();
    void chaque_fenetre_garde_sa_geometrie_de_dessin();

private:
    std::unique_ptr<ClientScenario> m_simple;
    std::unique_ptr<ClientScenario> m_double;
    QTemporaryDir m_dossier;

    QImage photo(ClientScenario &client, const QString &zone, const QString &nom);
};

void TstScenarioZoom::initTestCase()
{
    m_simple = std::make_unique<ClientScenario>(graine);
    m_double = std::make_unique<ClientScenario>(graine, QStringList(), QStringList{"--zoom", "2"});
    QVERIFY2(m_simple->pret(), qPrintable(m_simple->erreur()));
    QVERIFY2(m_double->pret(), qPrintable(m_double->erreur()));
    QVERIFY(m_dossier.isValid());
}

QImage TstScenarioZoom::photo(ClientScenario &client, const QString &zone, const QString &nom)
{
    const QString fichier = m_dossier.filePath(nom);
    const QJsonObject reponse = client.commande(QStringLiteral("shot general %1%2").arg(zone, fichier));
    if (!reponse["ok"].toBool())
        qWarning() << reponse;
    return QImage(fichier).convertToFormat(QImage::Format_RGB32);
}

void TstScenarioZoom::chaque_fenetre_garde_sa_geometrie_de_dessin()
{
    const QStringList entrees = {"Leçon", "Règle 1", "Règle 3", "Test/test à l'écran", "Options",
                                 "Aide/A propos..."};
    for (const QString &entree : entrees)
        for (ClientScenario *client : {m_simple.get(), m_double.get()})
            QVERIFY(client->commande(QStringLiteral("menu ") + entree)["triggered"].toBool());

    const QJsonObject simple = m_simple->commande("dump");
    const QJsonObject double_ = m_double->commande("dump");
    QCOMPARE(simple["zoom"].toDouble(), 1.0);
    QCOMPARE(double_["zoom"].toDouble(), 2.0);
    QCOMPARE(double_["screen"], simple["screen"]);
    const QMap<QString, QRect> attendues = geometries(simple);
    const QMap<QString, QRect> lues = geometries(double_);
    QCOMPARE(lues.keys(), attendues.keys());
    // Every window the menu opens, each with its controls.
    QCOMPARE(lues.keys().filter(QRegularExpression(QStringLiteral("^[^.]+$"))).size(), entrees.size() + 1);
    for (auto i = attendues.cbegin(); i != attendues.cend(); ++i)
        QVERIFY2(lues[i.key()] == i.value(), qPrintable(i.key()));
}

// The answer panel holds a typed answer; at 2x its text is drawn anew at
// twice the size, not taken from a 1x drawing and enlarged.
void TstScenarioZoom::la_fenetre_principale_est_photographiee_au_double()
{
    for (ClientScenario *client : {m_simple.get(), m_double.get()})
        for (const QString touche : {"KP_Subtract", "8"})
            client->commande(QStringLiteral("key ") + touche);
    QCOMPARE(m_double->texte("Panel2"), QStringLiteral("-8"));

    const QImage fenetre_simple = photo(*m_simple, {}, QStringLiteral("simple.png"));
    const QImage fenetre_double = photo(*m_double, {}, QStringLiteral("double.png"));
    QVERIFY(!fenetre_simple.isNull());
    QCOMPARE(fenetre_double.size(), fenetre_simple.size() * 2);

    const QRect panneau = rectangle(m_simple->controle("Panel2")["geometry"])
                              .translated(rectangle(m_simple->controle("client")["geometry"]).topLeft());
    const QString zone = QStringLiteral("%1,%2,%3,%4 ")
                             .arg(panneau.x())
                             .arg(panneau.y())
                             .arg(panneau.width())
                             .arg(panneau.height());
    const QImage simple = photo(*m_simple, zone, QStringLiteral("panneau_simple.png"));
    const QImage double_ = photo(*m_double, zone, QStringLiteral("panneau_double.png"));
    QCOMPARE(simple.size(), panneau.size());
    QCOMPARE(double_.size(), panneau.size() * 2);
    const double rapport = double(pixels_de_bord(double_, 10)) / pixels_de_bord(simple, 5);
    QVERIFY2(rapport > 1.5 && rapport < 3, qPrintable(QString::number(rapport)));
}

QTEST_MAIN(TstScenarioZoom)
#include "tst_scenario_zoom.moc"
