// The user's actions, seen by an event filter on the application object: every input event
// passes through it on its way to each window and widget.
#include "platform/user_actions.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace astrivo {
namespace {

constexpr Qt::MouseButton kButtons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton,
                                        Qt::BackButton, Qt::ForwardButton};

// Where a release that ends a press lands: just above and left of the pressed widget or window,
// so that nothing takes it as a click.
constexpr QPoint kOutside(-1, -1);

}  // namespace

UserActions& UserActions::Instance() {
  static QPointer<UserActions> instance;
  if (instance == nullptr) instance = new UserActions(QCoreApplication::instance());
  return *instance;
}

UserActions::UserActions(QObject* parent) : QObject(parent) { parent->installEventFilter(this); }

bool UserActions::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
      SeeMouse(watched, *static_cast<QMouseEvent*>(event));
      return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
      return SeeKey(watched, *static_cast<QKeyEvent*>(event));
    case QEvent::Wheel:
      Begin(watched, *event);
      return false;
    default:
      return false;
  }
}

void UserActions::Begin(QObject* receiver, const QEvent& event) {
  // The window system hands each real input event to a window first; widgets get it from
  // there, so counting at windows counts it once.
  if (receiver->isWindowType() && event.spontaneous() &&
      QGuiApplication::modalWindow() == nullptr) {
    ++count_;
  }
}

void UserActions::SeeMouse(QObject* receiver, const QMouseEvent& event) {
  buttons_ = event.buttons();
  if (event.type() == QEvent::MouseButtonRelease) {
    if (buttons_ == Qt::NoButton) pressed_ = nullptr;
    return;
  }
  Begin(receiver, event);
  // A window hands the press to the widget under the pointer, and a widget that ignores it hands
  // it on to its parent: the press belongs to the first widget that got it.
  auto* widget = qobject_cast<QWidget*>(receiver);
  auto* pressedWidget = qobject_cast<QWidget*>(pressed_.data());
  const bool handedOn = widget != nullptr && pressedWidget != nullptr &&
                        (pressedWidget == widget || widget->isAncestorOf(pressedWidget));
  if (!handedOn) pressed_ = receiver;
}

bool UserActions::SeeKey(QObject* receiver, QKeyEvent& event) {
  const int key = event.key();
  const bool release = event.type() == QEvent::KeyRelease;
  if (heldKey_ != 0 && key == heldKey_) {
    // Events made up inside the program carry no time stamp at all.
    const bool repeat =
        event.isAutoRepeat() || (!release && heldKeyReleased_ && heldKeyReleasedAt_ != 0 &&
                                 event.timestamp() == heldKeyReleasedAt_);
    if (repeat) {
      // Taken by nothing: accepted as an override, so that no shortcut runs either.
      event.accept();
      return true;
    }
    if (release) {
      heldKeyReleased_ = true;
      heldKeyReleasedAt_ = event.timestamp();
    } else {
      heldKey_ = 0;  // pressed anew: a new action
    }
  }
  if (event.isAutoRepeat()) return false;
  if (release) {
    if (key == lastKey_) {
      lastKeyDown_ = false;
      lastKeyReleasedAt_ = event.timestamp();
    }
  } else {
    lastKey_ = key;
    lastKeyDown_ = true;
    Begin(receiver, event);
  }
  return false;
}

void UserActions::EndForModalBox() {
  if (lastKey_ != 0) {
    heldKey_ = lastKey_;
    heldKeyReleased_ = !lastKeyDown_;
    heldKeyReleasedAt_ = lastKeyReleasedAt_;
  }
  QPointer<QObject> target = pressed_;
  Qt::MouseButtons buttons = buttons_;
  pressed_ = nullptr;
  if (target == nullptr || buttons == Qt::NoButton) return;
  QPointF scene = kOutside, global = kOutside;
  if (auto* widget = qobject_cast<QWidget*>(target.data())) {
    scene = widget->mapTo(widget->window(), kOutside);
    global = widget->mapToGlobal(kOutside);
  } else if (auto* window = qobject_cast<QWindow*>(target.data())) {
    global = window->mapToGlobal(kOutside);
  }
  // One release for each button held, the last with none held any more.
  for (Qt::MouseButton button : kButtons) {
    if ((buttons & button) == 0) continue;
    buttons &= ~button;
    QMouseEvent release(QEvent::MouseButtonRelease, kOutside, scene, global, button, buttons,
                        QGuiApplication::keyboardModifiers());
    QCoreApplication::sendEvent(target, &release);
    if (target == nullptr) return;
  }
}

}  // namespace astrivo
