// The user's actions as the program's modal boxes see them. An action is one press of a mouse
// button or of a key, with its moves and auto-repeats, until its release; or one turn of the
// wheel. A modal box ends any press in progress, and the key that raised it repeats into
// nothing until it is released, so one action never answers or raises a box twice.
#pragma once

#include <QObject>
#include <QPointer>

class QKeyEvent;
class QMouseEvent;

namespace astrivo {

class UserActions : public QObject {
  Q_OBJECT

 public:
  // The application's one watcher, installed the first time it is asked for; it lives as long
  // as the application object.
  static UserActions& Instance();

  // Counts the actions begun in windows that no modal box blocks; input to a box itself is
  // part of answering it, not an action of its own.
  quint64 Current() const { return count_; }

  // Before a modal box is shown: the widget or window holding a press gets a release with no
  // button held, at a point outside it (a slider stops stepping and lets its thumb go, a push
  // button comes up without clicking), and auto-repeats of the key last pressed are dropped
  // until that key is released.
  void EndForModalBox();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit UserActions(QObject* parent);
  void SeeMouse(QObject* receiver, const QMouseEvent& event);
  // True when `event` repeats the held key and is dropped.
  bool SeeKey(QObject* receiver, QKeyEvent& event);
  void Begin(QObject* receiver, const QEvent& event);

  quint64 count_ = 0;
  // The press in progress: the widget or window it went to (the innermost widget when a
  // window hands it on) and the buttons held.
  QPointer<QObject> pressed_;
  Qt::MouseButtons buttons_;
  // The key last pressed, and when it was released (Qt's time stamps, ms).
  int lastKey_ = 0;
  bool lastKeyDown_ = false;
  quint64 lastKeyReleasedAt_ = 0;
  // The key whose repeats are dropped, 0 for none. X sends each repeat as a release and a
  // press with one time stamp, which Qt flags only when it sees both together; a press at the
  // time stamp of the last release is therefore a repeat too.
  int heldKey_ = 0;
  bool heldKeyReleased_ = false;
  quint64 heldKeyReleasedAt_ = 0;
};

}  // namespace astrivo
