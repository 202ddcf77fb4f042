// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The application's style, over the one the desktop chose. The menu bar
// asks it, when made, for the arrow of its overflow button, which this
// program's bar never shows: read at once, that arrow makes Qt probe its
// image-format plugins and load them all (GIF, ICO, JPEG, SVG and their
// libraries) before the window is on screen. The arrow is read at its
// first painting instead, if it ever comes.
class StyleProgramme : public QProxyStyle
{
    Q_OBJECT

public:
    StyleProgramme();

    QIcon standardIcon(StandardPixmap icone, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
