// Real pointer and keyboard input for tests on an X server, sent through the XTest extension:
// the events reach the program exactly as a user's would, through the window system (focus
// changes, grabs, auto-repeat), not as events made up inside Qt.
#pragma once

#include <QPoint>
#include <QString>

struct _XDisplay;  // Xlib's Display

namespace astrivo {

class XInput {
 public:
  XInput();
  ~XInput();
  XInput(const XInput&) = delete;
  XInput& operator=(const XInput&) = delete;

  // False when there is no X server with XTest.
  bool Available() const { return display_ != nullptr; }

  void MoveTo(QPoint global);
  void Button(int button, bool down);  // X buttons: 1 left, 3 right, 4 and 5 the wheel
  // A key by its X name ("Tab", "Page_Up", "space", "m"). `afterMs` holds a press back in
  // the server that long, as a person's finger would: a press in the same millisecond as the
  // last release looks like auto-repeat.
  void Key(const QString& keysym, bool down, unsigned long afterMs = 0);
  // Waits until the server has handled everything sent and, on X11, the program has taken in
  // every event that resulted. Through a Wayland compositor the events come later: wait for
  // them.
  void Settle();

 private:
  ::_XDisplay* display_ = nullptr;
};

}  // namespace astrivo
