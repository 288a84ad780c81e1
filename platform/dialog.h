// A dialog built from a layout table, with the habits the program's dialogs rely on: controls
// found by id, notifications only for what the user does, data exchange, and timers by id.
#pragma once

#include <functional>
#include <map>
#include <vector>

#include <QAbstractButton>
#include <QDialog>
#include <QPointer>

#include "platform/data_exchange.h"
#include "platform/dialog_keyboard.h"
#include "platform/dialog_template.h"
#include "platform/dialog_units.h"
#include "platform/prompt.h"
#include "platform/timer_set.h"

namespace astrivo {

class Dialog : public QDialog {
  Q_OBJECT

 public:
  // Makes the widget for one row instead of the standard one, as a child of `parent`; the
  // dialog then gives it the row's place and, where the widget has one, its caption.
  using ControlFactory = std::function<QWidget*(const ControlTemplate& control, QWidget* parent)>;
  using ControlFactories = std::map<int, ControlFactory>;  // by control id

  // Validation prompts go to `prompter`, which outlives the dialog.
  explicit Dialog(const DialogTemplate& layout, const ControlFactories& factories = {},
                  QWidget* parent = nullptr, Prompter& prompter = MessageBoxes());

  // Null for an id the layout does not have.
  QWidget* Control(int id) const;
  // A control without an id (a label, a frame), found by its caption as the layout spells
  // it; null when the layout has none.
  QWidget* UnnamedControl(const char* caption) const;
  // The pictures of the layout, in layout order.
  std::vector<QWidget*> Pictures() const;
  template <typename T>
  T* ControlAs(int id) const {
    return qobject_cast<T*>(Control(id));
  }
  const DialogUnits& Units() const { return units_; }
  Prompter& Prompts() const { return prompter_; }

  // Notifications, one handler per control and kind; each runs only for the user's own
  // actions, never for what the program sets.
  using Handler = std::function<void()>;
  void SetClickHandler(int id, Handler handler);      // buttons: click, space, mnemonic
  void SetSelectionHandler(int id, Handler handler);  // drop-down list: an entry chosen
  // Track bars: dragging, stepping by key, page click or wheel; gets the new position.
  void SetScrollHandler(int id, std::function<void(int position)> handler);

  // Gives `control` the focus, even while it is disabled: a control disabled while it has the
  // focus keeps it (readers report it focused and unavailable, and it takes no typing), and so
  // does one given the focus while disabled.
  void GiveFocus(QWidget& control);

  // Fields to controls (false) or controls to fields with validation (true); false when a
  // field failed validation.
  bool UpdateData(bool saveAndValidate);

  // Runs the dialog until it closes and returns its result. The program's own window (a
  // layout marked kAppWindow) blocks no other window, so it is shown without modality and the
  // window system sees an ordinary main window rather than a modal dialog.
  int exec() override;

  // The order in which assistive technology reads the controls, which the stacking order
  // cannot give (the first control of a layout stays on top). Children left out follow
  // the listed ones in stacking order.
  void SetReadingOrder(const std::vector<QWidget*>& order);
  std::vector<QWidget*> ReadingOrder() const;
  bool IsAppWindow() const { return appWindow_; }

  void SetTimer(int id, int milliseconds);  // restarts the timer when it runs already
  void KillTimer(int id);
  bool IsTimerRunning(int id) const;

 protected:
  virtual void DoDataExchange(DataExchange& exchange);
  virtual void OnTimer(int id);
  // Enter where the layout has no default button, or button kIdOk: read the fields back
  // and close if they pass.
  virtual void OnOK();
  // Escape, the close box, or button kIdCancel.
  virtual void OnCancel();

  bool event(QEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

 private:
  friend class TimerPeer;  // reaches timers_

  void CreateControls(const DialogTemplate& layout, const ControlFactories& factories);
  void ConnectNotifications(int id, QWidget* widget);
  void Clicked(int id);

  DialogUnits units_;
  Prompter& prompter_;
  QAbstractButton* defaultButton_ = nullptr;  // the layout's default button, if any
  bool appWindow_ = false;
  std::map<int, QWidget*> controls_;
  struct UnnamedRow {
    ControlKind kind;
    QString caption;
    QWidget* widget;
  };
  std::vector<UnnamedRow> unnamed_;  // the controls without an id, in layout order
  std::vector<QPointer<QWidget>> readingOrder_;
  std::map<int, Handler> clickHandlers_;
  std::map<int, Handler> selectionHandlers_;
  std::map<int, std::function<void(int)>> scrollHandlers_;
  TimerSet timers_;
  DialogKeyboard* keyboard_ = nullptr;  // a child of the dialog
  bool tabbing_ = false;                // inside Tab or Shift+Tab handling
};

}  // namespace astrivo
