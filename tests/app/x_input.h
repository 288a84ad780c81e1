// Real pointer and keyboard input for tests on an X server, sent through the XTest extension:
// the events reach the program exactly as a user's would, through the window system (focus
// changes, grabs, auto-repeat), not as events made up inside Qt. On Wayland the X server is
// the one weston's seat reads (tools/wayland_seat.sh).
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include <memory>

struct _XDisplay;  // Xlib's Display
class QWidget;

namespace astrivo {

class XInput {
 public:
  // Where a point of `widget` is on the X server's screen. On Wayland (tools/wayland_seat.sh)
  // the program does not know where its windows are: the compositor shows a window that can
  // be resized from the output's top-left corner, filling it, and centres one of a fixed size
  // (a box, the About box), with the title bar Qt draws for it.
  static QPoint OnScreen(const QWidget* widget, QPoint local);

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
  // Waits until the server has handled everything sent and the program has taken in every
  // event that resulted. On X11 a round trip does it; through a Wayland compositor the events
  // come later, so it waits (up to 2 s) until the program has seen every key release, button
  // release and wheel turn sent so far. One whose window closed at the press never comes.
  void Settle();

 private:
  // Counts the releases and wheel turns the window system hands to the program's windows.
  class Arrivals : public QObject {
   public:
    int seen = 0;

   protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
  };

  void Sent();

  std::unique_ptr<Arrivals> arrivals_;  // on Wayland only
  int sent_ = 0;                        // releases and wheel turns sent

  ::_XDisplay* display_ = nullptr;
  bool settle_;
  unsigned int repeatDelay_ = 0, repeatInterval_ = 0;  // the server's own, restored at the end
};

}  // namespace astrivo
