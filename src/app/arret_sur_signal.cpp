// SPDX-License-Identifier: GPL-3.0-or-later
#include "arret_sur_signal.h"

#include <QSocketNotifier>
#include <QtGlobal>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int signaux[] = {SIGTERM, SIGINT, SIGHUP};

// [0] is written by the handler, [1] read by the event loop.
int paire[2] = {-1, -1};

void note_signal(int numero)
{
    const int erreur_sauvee = errno;
    const unsigned char octet = static_cast<unsigned char>(numero);
    // Async-signal-safe; a full pipe only loses a repeated request.
    [[maybe_unused]] const ssize_t ecrit = ::write(paire[0], &octet, 1);
    errno = erreur_sauvee;
}

} // namespace

ArretSurSignal::ArretSurSignal(QObject *parent) : QObject(parent)
{
    Q_ASSERT(paire[0] < 0);
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, paire) != 0)
        return;
    ::fcntl(paire[0], F_SETFL, O_NONBLOCK);
    m_notificateur = new QSocketNotifier(paire[1], QSocketNotifier::Read, this);
    connect(m_notificateur, &QSocketNotifier::activated, this, &ArretSurSignal::lit_signal);

    struct sigaction action = {};
    action.sa_handler = note_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int s : signaux)
        ::sigaction(s, &action, nullptr);
}

ArretSurSignal::~ArretSurSignal()
{
    if (paire[0] < 0)
        return;
    for (const int s : signaux)
        std::signal(s, SIG_DFL);
    delete m_notificateur;
    ::close(paire[0]);
    ::close(paire[1]);
    paire[0] = paire[1] = -1;
}

void ArretSurSignal::lit_signal()
{
    unsigned char octet = 0;
    if (::read(paire[1], &octet, 1) == 1)
        emit arret_demande(octet);
}
