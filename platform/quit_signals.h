// The signals that ask the program to end (SIGTERM from a logout, a shutdown or a service
// manager, SIGHUP from a closing terminal, SIGINT from Ctrl+C), turned into a call on the
// user-interface thread, so the program can store what the user typed before it ends.
#pragma once

#include <functional>

#include <QObject>

class QSocketNotifier;

namespace astrivo {

class QuitSignals : public QObject {
  Q_OBJECT

 public:
  // Catches the three signals from here on. Call it first in main(), before the application
  // object starts any thread: a signal that arrives before a QuitSignals exists waits for it.
  static void Catch();

  // `quit` runs on this thread, once, for the first of the signals; any later one is dropped,
  // as the program is ending already. Needs Catch() to have run.
  explicit QuitSignals(std::function<void()> quit, QObject* parent = nullptr);

 private:
  void Drain();

  std::function<void()> quit_;
  QSocketNotifier* notifier_ = nullptr;
  bool quitting_ = false;
};

}  // namespace astrivo
