// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the event loop's
// thread, so that a run ended by kill, Ctrl+C or a hang-up leaves through
// the same path as a closed main window (which gives the keyboard back).
// The handler only writes the signal's number into a pipe; the event loop
// reads it. One instance per process; the default actions come back when it
// is destroyed.
class ArretSurSignal : public QObject
{
    Q_OBJECT

public:
    explicit ArretSurSignal(QObject *parent = nullptr);
    ~ArretSurSignal() override;

    ArretSurSignal(const ArretSurSignal &) = delete;
    ArretSurSignal &operator=(const ArretSurSignal &) = delete;

signals:
    void arret_demande(int signal);

private:
    void lit_signal();

    QSocketNotifier *m_notificateur = nullptr;
};
