// Opens the address given as its one argument the way the About box's link does, prints
// "opened" or "refused", and keeps its event loop running long enough for an asynchronous
// launch to finish. Each case of web_address_test runs it in an environment of its own.
#include <cstdio>

#include <QCoreApplication>
#include <QTimer>

#include "platform/web_address_opener.h"

namespace {
constexpr int kLaunchGrace = 1500;  // milliseconds for GIO to start the browser
}

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  if (argc != 2) return 2;
  std::puts(astrivo::OpenWebAddress(QString::fromLocal8Bit(argv[1])) ? "opened" : "refused");
  std::fflush(stdout);
  QTimer::singleShot(kLaunchGrace, &application, &QCoreApplication::quit);
  return QCoreApplication::exec();
}
