// A self-pipe: the handler writes one byte, which is async-signal-safe, and the pipe's reading
// end wakes the event loop. A handler rather than blocked signals read through a signalfd,
// because a blocked mask is inherited by every program started from here (the web browser the
// link opens would then ignore its own SIGTERM), while a handler is reset by exec.
#include "platform/quit_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include <QSocketNotifier>

namespace astrivo {
namespace {

constexpr int kQuitSignals[] = {SIGTERM, SIGHUP, SIGINT};
int pipeEnds[2] = {-1, -1};  // read, write; set once, before any thread exists

void OnSignal(int) {
  const int savedErrno = errno;
  const char byte = 1;
  // A full pipe already holds a wake-up; the byte is not needed then.
  [[maybe_unused]] const ssize_t written = write(pipeEnds[1], &byte, 1);
  errno = savedErrno;
}

}  // namespace

void QuitSignals::Catch() {
  if (pipeEnds[0] >= 0 || pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) return;
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  action.sa_flags = SA_RESTART;
  sigemptyset(&action.sa_mask);
  for (int signal : kQuitSignals) sigaction(signal, &action, nullptr);
}

QuitSignals::QuitSignals(std::function<void()> quit, QObject* parent)
    : QObject(parent), quit_(std::move(quit)) {
  if (pipeEnds[0] < 0) return;
  notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &QuitSignals::Drain);
  // A signal that came before the event loop ran is in the pipe already; the notifier sees it.
}

void QuitSignals::Drain() {
  char bytes[16];
  while (read(pipeEnds[0], bytes, sizeof bytes) > 0) {
  }
  if (quitting_) return;
  quitting_ = true;
  quit_();
}

}  // namespace astrivo
