// XTest input for the keyboard and pointer tests.
#include "x_input.h"

#include <QCoreApplication>
#include <QGuiApplication>

// Xlib last: its macros (Bool, Status) break Qt's headers.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace astrivo {

XInput::XInput() {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
  display_ = XOpenDisplay(nullptr);
  int event = 0, error = 0, major = 0, minor = 0;
  if (display_ != nullptr && !XTestQueryExtension(display_, &event, &error, &major, &minor)) {
    XCloseDisplay(display_);
    display_ = nullptr;
  }
  // A key is held only as long as a test holds it: on a slow machine a press and its release
  // may be far enough apart for the server to repeat the key.
  if (display_ != nullptr) SetAutoRepeat(false);
}

XInput::~XInput() {
  if (display_ == nullptr) return;
  SetAutoRepeat(true);
  XCloseDisplay(display_);
}

void XInput::MoveTo(QPoint global) {
  XTestFakeMotionEvent(display_, -1, global.x(), global.y(), CurrentTime);
  Settle();
}

void XInput::Click(QPoint global, int button) {
  MoveTo(global);
  Press(button);
  Release(button);
}

void XInput::Press(int button) {
  XTestFakeButtonEvent(display_, static_cast<unsigned>(button), True, CurrentTime);
  Settle();
}

void XInput::Release(int button) {
  XTestFakeButtonEvent(display_, static_cast<unsigned>(button), False, CurrentTime);
  Settle();
}

void XInput::KeyDown(unsigned long keysym, unsigned long afterMs) {
  XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, keysym), True, afterMs);
  Settle();
}

void XInput::KeyUp(unsigned long keysym) {
  XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, keysym), False, CurrentTime);
  Settle();
}

void XInput::SetAutoRepeat(bool on) {
  if (on) {
    XAutoRepeatOn(display_);
  } else {
    XAutoRepeatOff(display_);
  }
  XSync(display_, False);
}

void XInput::Settle() {
  XSync(display_, False);
  // A round trip on the program's own connection: every event the server sent before it
  // is then in the program's queue, and is dispatched here.
  QGuiApplication::sync();
  QCoreApplication::processEvents();
}

}  // namespace astrivo
