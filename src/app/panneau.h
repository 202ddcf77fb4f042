// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

// A panel with a lowered bevel: a background colour, a frame sunk by a
// bevel of the given width, and a caption centred in the font colour. With
// releve, a raised bevel of the same width surrounds the lowered one.
// Child controls sit on top of it.
class TPanneau : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(QColor couleur READ couleur WRITE setCouleur)
    Q_PROPERTY(QColor couleurPolice READ couleurPolice WRITE setCouleurPolice)
    Q_PROPERTY(int largeurBiseau READ largeurBiseau WRITE setLargeurBiseau)
    Q_PROPERTY(bool releve READ releve WRITE setReleve)

public:
    explicit TPanneau(QWidget *parent = nullptr);

    QString text() const { return m_texte; }
    void setText(const QString &texte);
    QColor couleur() const { return m_couleur; }
    void setCouleur(const QColor &couleur);
    QColor couleurPolice() const { return m_couleurPolice; }
    void setCouleurPolice(const QColor &couleur);
    int largeurBiseau() const { return m_biseau; }
    // Clamped to 0..20.
    void setLargeurBiseau(int largeur);
    bool releve() const { return m_releve; }
    void setReleve(bool valeur);
    // The area inside the bevels.
    QRect interieur() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_texte;
    QColor m_couleur{192, 192, 192};
    QColor m_couleurPolice{0, 0, 0};
    int m_biseau = 4;
    bool m_releve = false;
};
