// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The X server's connection where the program runs on Qt's X11 platform,
// null elsewhere. Include this header last: Xlib's macros clash with Qt
// names.
#ifdef TAVELO_AVEC_X11

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <X11/Xlib.h>

inline Display *affichage_x11()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

#endif
