// XTest input for the tests that drive the windows as a user does.
#include "x_input.h"

#include <QCoreApplication>
#include <QGuiApplication>

// Xlib last: its macros (Bool, Status) break Qt's headers.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace astrivo {

XInput::XInput() {
  // On Wayland the X server is the one a compositor's X11 backend takes its input from.
  const QString platform = QGuiApplication::platformName();
  if (platform != QLatin1String("xcb") && platform != QLatin1String("wayland")) return;
  display_ = XOpenDisplay(nullptr);
  int event = 0, error = 0, major = 0, minor = 0;
  if (display_ != nullptr && !XTestQueryExtension(display_, &event, &error, &major, &minor)) {
    XCloseDisplay(display_);
    display_ = nullptr;
  }
  // A key is held only as long as a test holds it: on a slow machine a press and its release
  // may be far enough apart for the server to repeat the key.
  if (display_ != nullptr) XAutoRepeatOff(display_);
}

XInput::~XInput() {
  if (display_ == nullptr) return;
  XAutoRepeatOn(display_);
  XCloseDisplay(display_);
}

void XInput::MoveTo(QPoint global) {
  XTestFakeMotionEvent(display_, -1, global.x(), global.y(), CurrentTime);
  Settle();
}

void XInput::Button(int button, bool down) {
  XTestFakeButtonEvent(display_, static_cast<unsigned>(button), down ? True : False, CurrentTime);
  Settle();
}

void XInput::Key(const QString& keysym, bool down, unsigned long afterMs) {
  const KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(keysym.toLatin1().constData()));
  XTestFakeKeyEvent(display_, code, down ? True : False, down ? afterMs : CurrentTime);
  Settle();
}

void XInput::Settle() {
  XSync(display_, False);
  // A round trip on the program's own connection: every event the server sent before it
  // is then in the program's queue, and is dispatched here.
  QGuiApplication::sync();
  QCoreApplication::processEvents();
}

}  // namespace astrivo
