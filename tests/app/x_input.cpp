// XTest input for the tests that drive the windows as a user does.
#include "x_input.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

// Xlib last: its macros (Bool, Status) break Qt's headers.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
// Xlib names X event types as macros; QEvent::KeyRelease is meant below.
#undef KeyRelease

namespace astrivo {
namespace {

constexpr unsigned int kRepeatDelay = 250, kRepeatInterval = 30;  // ms

}  // namespace

QPoint XInput::OnScreen(const QWidget* widget, QPoint local) {
  if (QGuiApplication::platformName() != QLatin1String("wayland")) {
    return widget->mapToGlobal(local);
  }
  const QWidget* window = widget->window();
  const QPoint inWindow = widget->mapTo(window, local);
  if (window->minimumSize() != window->maximumSize()) return inWindow;
  const QMargins frame = window->windowHandle()->frameMargins();
  const QSize framed = window->size().grownBy(frame);
  const QSize output = window->screen()->size();
  return inWindow + QPoint((output.width() - framed.width()) / 2 + frame.left(),
                           (output.height() - framed.height()) / 2 + frame.top());
}

XInput::XInput(bool settle) : settle_(settle) {
  // A Wayland client gets its input from the compositor, which takes it from an X server of
  // its own when tools/wayland_seat.sh runs it; DISPLAY then names that server.
  const QString platform = QGuiApplication::platformName();
  if (platform != QLatin1String("xcb") && platform != QLatin1String("wayland")) return;
  display_ = XOpenDisplay(nullptr);
  int event = 0, error = 0, major = 0, minor = 0;
  if (display_ != nullptr && !XTestQueryExtension(display_, &event, &error, &major, &minor)) {
    XCloseDisplay(display_);
    display_ = nullptr;
  }
  if (display_ == nullptr) return;
  if (platform == QLatin1String("wayland")) {
    arrivals_ = std::make_unique<Arrivals>();
    QCoreApplication::instance()->installEventFilter(arrivals_.get());
  }
  // A key is held only as long as a test holds it: on a slow machine a press and its release
  // may be far enough apart for the server to repeat the key.
  XAutoRepeatOff(display_);
  XkbGetAutoRepeatRate(display_, XkbUseCoreKbd, &repeatDelay_, &repeatInterval_);
  XkbSetAutoRepeatRate(display_, XkbUseCoreKbd, kRepeatDelay, kRepeatInterval);
}

XInput::~XInput() {
  if (display_ == nullptr) return;
  XkbSetAutoRepeatRate(display_, XkbUseCoreKbd, repeatDelay_, repeatInterval_);
  XAutoRepeatOn(display_);
  XCloseDisplay(display_);
}

void XInput::MoveTo(QPoint global) {
  XTestFakeMotionEvent(display_, -1, global.x(), global.y(), CurrentTime);
  Sent();
}

void XInput::Button(int button, bool down) {
  const bool wheel = button == 4 || button == 5;
  if (wheel == down) ++sent_;
  XTestFakeButtonEvent(display_, static_cast<unsigned>(button), down ? True : False, CurrentTime);
  Sent();
}

void XInput::Key(const QString& keysym, bool down, unsigned long afterMs) {
  const KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(keysym.toLatin1().constData()));
  if (!down) ++sent_;
  XTestFakeKeyEvent(display_, code, down ? True : False, down ? afterMs : CurrentTime);
  Sent();
}

void XInput::AutoRepeat(bool on) {
  if (on) {
    XAutoRepeatOn(display_);
  } else {
    XAutoRepeatOff(display_);
  }
  Sent();
}

void XInput::Sent() {
  if (settle_) {
    Settle();
  } else {
    XSync(display_, False);
  }
}

void XInput::Settle() {
  XSync(display_, False);
  // A round trip on the program's own connection: every event the server sent before it
  // is then in the program's queue, and is dispatched here.
  QGuiApplication::sync();
  QCoreApplication::processEvents();
  if (arrivals_ == nullptr) return;
  QElapsedTimer clock;
  clock.start();
  while (arrivals_->seen < sent_ && clock.elapsed() < 2000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  arrivals_->seen = sent_;  // what never came is not waited for again
}

bool XInput::Arrivals::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched->isWindowType() && event->spontaneous() &&
      (type == QEvent::MouseButtonRelease || type == QEvent::Wheel ||
       (type == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat()))) {
    ++seen;
  }
  return false;
}

}  // namespace astrivo
