// Dialog keyboard rules: default push button look and Enter, focus on a disabled control,
// bare-letter mnemonics.
#include "platform/dialog_keyboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPushButton>

namespace astrivo {
namespace {

bool IsEnter(const QKeyEvent* event) {
  return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// A key that would type a character into a text field.
bool Types(const QKeyEvent* event) {
  constexpr Qt::KeyboardModifiers kCommands =
      Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  return event->text().size() == 1 && event->text()[0].isPrint() &&
         (event->modifiers() & kCommands) == 0;
}

// The button whose caption marks `key` as its mnemonic ("&Submit" for S), if it can act.
bool HasMnemonic(const QAbstractButton* button, Qt::Key key) {
  const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
  return !mnemonic.isEmpty() && mnemonic[0] == QKeyCombination(Qt::AltModifier, key) &&
         button->isVisible() && button->isEnabled();
}

}  // namespace

DialogKeyboard::DialogKeyboard(QDialog& dialog, QPushButton* layoutDefault)
    : QObject(&dialog), dialog_(dialog), layoutDefault_(layoutDefault) {
  // Qt's dialogs pick their own default button and let every focused push button take Enter
  // by itself; here the dialog decides both.
  for (QPushButton* button : dialog_.findChildren<QPushButton*>()) button->setAutoDefault(false);
  ShowDefaultLook(nullptr);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now != nullptr && now->window() == &dialog_) ShowDefaultLook(now);
  });
}

void DialogKeyboard::ShowDefaultLook(QWidget* focus) {
  // A focused push button looks like the default (Enter presses it); otherwise the layout's
  // default button does, and in a layout without one no button does.
  auto* focusedButton = qobject_cast<QPushButton*>(focus);
  QPushButton* shown = focusedButton != nullptr ? focusedButton : layoutDefault_;
  for (QPushButton* button : dialog_.findChildren<QPushButton*>()) {
    button->setDefault(button == shown);
  }
}

bool DialogKeyboard::MayMoveFocus(bool byKey) const {
  const QWidget* focus = dialog_.focusWidget();
  return byKey || focus == nullptr || focus->isEnabled();
}

bool DialogKeyboard::KeyPress(QKeyEvent* event, const std::function<void()>& runOk) {
  QWidget* focus = dialog_.focusWidget();
  // Keys do nothing on a disabled control that kept the focus: Enter presses no button, and
  // what is typed goes nowhere, not even to a button as a mnemonic.
  if (focus != nullptr && !focus->isEnabled() && (IsEnter(event) || Types(event))) return true;
  if (IsEnter(event)) {
    auto* focusedButton = qobject_cast<QPushButton*>(focus);
    if (focusedButton != nullptr) {
      focusedButton->click();
    } else if (layoutDefault_ == nullptr) {
      runOk();
    } else if (layoutDefault_->isVisible() && layoutDefault_->isEnabled()) {
      layoutDefault_->click();
    }
    return true;
  }
  // A letter that reached the dialog was not taken by the focused control (a push button, a
  // radio button, a slider): it works as a mnemonic even without Alt.
  const bool bare = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::ShiftModifier;
  return bare && event->text().size() == 1 && event->text()[0].isLetterOrNumber() &&
         TriggerMnemonic(Qt::Key(event->key()));
}

bool DialogKeyboard::TriggerMnemonic(Qt::Key key) {
  for (QAbstractButton* button : dialog_.findChildren<QAbstractButton*>()) {
    if (!HasMnemonic(button, key)) continue;
    // What Qt does for Alt and the letter: a check box or radio button takes the focus, and
    // the button is pressed.
    button->animateClick();
    return true;
  }
  return false;
}

}  // namespace astrivo
