// Real pointer and keyboard input for tests on an X server, sent through the XTest extension:
// the events reach the program exactly as a user's would, through the window system (focus
// changes, grabs, auto-repeat), not as events made up inside Qt.
#pragma once

#include <QPoint>

struct _XDisplay;  // Xlib's Display

namespace astrivo {

class XInput {
 public:
  XInput();
  ~XInput();
  XInput(const XInput&) = delete;
  XInput& operator=(const XInput&) = delete;

  // False when there is no X server with XTest (the tests then skip).
  bool Available() const { return display_ != nullptr; }

  void MoveTo(QPoint global);
  void Click(QPoint global, int button = 1);  // X button 1 left, 3 right
  void Press(int button);
  void Release(int button);
  // `afterMs` holds the press back in the server that long, as a person's finger would: a
  // press in the same millisecond as the last release looks like auto-repeat.
  void KeyDown(unsigned long keysym, unsigned long afterMs = 0);
  void KeyUp(unsigned long keysym);
  void Key(unsigned long keysym) {
    KeyDown(keysym);
    KeyUp(keysym);
  }
  // Server-side auto-repeat; off while the XInput exists unless switched on.
  void SetAutoRepeat(bool on);

  // Waits until the server has handled everything sent and the program has taken in every
  // event that resulted.
  void Settle();

 private:
  ::_XDisplay* display_ = nullptr;
};

}  // namespace astrivo
