#include "ressources.h"

#include <QRegularExpression>

QPixmap bitmap_programme(const QString &nom)
{
    static const QRegularExpression forme(QStringLiteral("^bitmap_[0-9]+$"),
                                          QRegularExpression::CaseInsensitiveOption);
    if (!forme.match(nom).hasMatch())
        return {};
    return QPixmap(QStringLiteral(":/bitmaps/%1.png").arg(nom.toUpper()));
}

QIcon icone_programme()
{
    QIcon icone;
    for (const int taille : {32, 64, 256})
        icone.addFile(QStringLiteral(":/icone/tavelo_%1.png").arg(taille), QSize(taille, taille));
    return icone;
}

QUrl page_aide()
{
    return QUrl(QStringLiteral("qrc:/aide/index.html"));
}
