#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into the Qt signal `recu`, delivered on
// the event loop, so that a run ended from outside (a session logging out,
// Ctrl+C in a terminal, `kill`) can close the main window as its close box
// does and give the keyboard locks back. One instance per process: the
// handlers reach it through a pipe.
class FinSurSignal : public QObject
{
    Q_OBJECT

public:
    explicit FinSurSignal(QObject *parent = nullptr);
    ~FinSurSignal() override;

signals:
    void recu();

private:
    void lit_le_tube();

    QSocketNotifier *m_avis = nullptr;
};
