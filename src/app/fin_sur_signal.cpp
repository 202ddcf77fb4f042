#include "fin_sur_signal.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int signaux_de_fin[] = {SIGTERM, SIGINT, SIGHUP};

// Read end and write end; the handler may only do async-signal-safe work,
// so it writes one byte and the event loop does the rest.
int tube[2] = {-1, -1};

extern "C" void note_le_signal(int)
{
    const char octet = 1;
    [[maybe_unused]] const ssize_t ecrit = ::write(tube[1], &octet, 1);
}

void met_le_gestionnaire(void (*gestionnaire)(int))
{
    struct sigaction action = {};
    action.sa_handler = gestionnaire;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : signaux_de_fin)
        sigaction(signal, &action, nullptr);
}

} // namespace

FinSurSignal::FinSurSignal(QObject *parent) : QObject(parent)
{
    Q_ASSERT(tube[0] < 0);
    if (::pipe2(tube, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_avis = new QSocketNotifier(tube[0], QSocketNotifier::Read, this);
    connect(m_avis, &QSocketNotifier::activated, this, &FinSurSignal::lit_le_tube);
    met_le_gestionnaire(note_le_signal);
}

FinSurSignal::~FinSurSignal()
{
    if (!m_avis)
        return;
    met_le_gestionnaire(SIG_DFL);
    delete m_avis;
    ::close(tube[0]);
    ::close(tube[1]);
    tube[0] = tube[1] = -1;
}

void FinSurSignal::lit_le_tube()
{
    char octets[16];
    while (::read(tube[0], octets, sizeof octets) > 0) {
    }
    emit recu();
}
