// The program's dialog keyboard rules where Qt's differ: which push button looks like the
// default and takes Enter, a disabled control that keeps the focus, and mnemonics
// typed as bare letters.
#pragma once

#include <functional>

#include <QObject>

class QDialog;
class QKeyEvent;
class QPushButton;
class QWidget;

namespace astrivo {

class DialogKeyboard : public QObject {
  Q_OBJECT

 public:
  // `layoutDefault` is the layout's default push button, or null when it has none.
  DialogKeyboard(QDialog& dialog, QPushButton* layoutDefault);

  // Whether the focus may move on from the focused control: not when it has just been
  // disabled, which leaves the focus where it is; always for Tab and Shift+Tab (`byKey`).
  bool MayMoveFocus(bool byKey) const;

  // Enter and bare-letter mnemonics that reached the dialog; true when the key was used.
  // `runOk` is the dialog's OK action, run by Enter when no push button takes it.
  bool KeyPress(QKeyEvent* event, const std::function<void()>& runOk);

 private:
  void ShowDefaultLook(QWidget* focus);
  bool TriggerMnemonic(Qt::Key key);

  QDialog& dialog_;
  QPushButton* layoutDefault_;
};

}  // namespace astrivo
