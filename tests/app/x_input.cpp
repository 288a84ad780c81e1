// XTest input for the tests that drive the windows as a user does.
#include "x_input.h"

#include <QCoreApplication>
#include <QGuiApplication>

// Xlib last: its macros (Bool, Status) break Qt's headers.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace astrivo {
namespace {

constexpr unsigned int kRepeatDelay = 250, kRepeatInterval = 30;  // ms

}  // namespace

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
  XTestFakeButtonEvent(display_, static_cast<unsigned>(button), down ? True : False, CurrentTime);
  Sent();
}

void XInput::Key(const QString& keysym, bool down, unsigned long afterMs) {
  const KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(keysym.toLatin1().constData()));
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
}

}  // namespace astrivo
