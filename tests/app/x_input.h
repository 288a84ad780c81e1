// Real pointer and keyboard input for tests on an X server, sent through the XTest extension:
// the events reach the program exactly as a user's would, through the window system (focus
// changes, grabs, auto-repeat), not as events made up inside Qt. On Wayland the X server is
// the one weston's seat reads (tools/wayland_seat.sh).
#pragma once

#include <QPoint>
#include <QString>

struct _XDisplay;  // Xlib's Display

namespace astrivo {

class XInput {
 public:
  // `settle`: each call waits until the program has taken in what it sent (see Settle). A
  // test that acts from inside the program's own event loops (while a modal box runs one) sends
  // without settling, since settling would run the box's loop inside its own call.
  explicit XInput(bool settle = true);
  ~XInput();
  XInput(const XInput&) = delete;
  XInput& operator=(const XInput&) = delete;

  // False when there is no X server with XTest.
  bool Available() const { return display_ != nullptr; }

  void MoveTo(QPoint global);
  void Button(int button, bool down);  // X buttons: 1 left, 2 middle, 3 right, 4 and 5 the wheel
  // A key by its X name ("Tab", "Page_Up", "space", "m"). `afterMs` holds a press back in
  // the server that long, as a person's finger would: a press in the same millisecond as the
  // last release looks like auto-repeat.
  void Key(const QString& keysym, bool down, unsigned long afterMs = 0);
  // The server repeats a held key (after 250 ms, every 30 ms) while on; off is the start.
  void AutoRepeat(bool on);
  // Waits until the server has handled everything sent and, on X11, the program has taken in
  // every event that resulted. Through a Wayland compositor the events come later: wait for
  // them.
  void Settle();

 private:
  void Sent();

  ::_XDisplay* display_ = nullptr;
  bool settle_;
  unsigned int repeatDelay_ = 0, repeatInterval_ = 0;  // the server's own, restored at the end
};

}  // namespace astrivo
