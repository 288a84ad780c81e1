// Dialogs built from layout tables.
#include "platform/dialog.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QEventLoop>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "platform/control_factory.h"
#include "platform/dialog_accessible.h"
#include "platform/modal_box.h"
#include "platform/user_actions.h"

namespace astrivo {
namespace {

// A factory's widget gets the row's caption wherever it has a place for one; a custom
// widget without text still names itself to assistive technology with it.
void ApplyCaption(QWidget* widget, const ControlTemplate& control) {
  const QString caption = QString::fromUtf8(control.caption);
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(TextAlignment(control));
    label->setText(caption);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(caption);
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    group->setTitle(caption);
  } else if (!caption.isEmpty() && widget->accessibleName().isEmpty()) {
    widget->setAccessibleName(PlainCaption(control.caption));
  }
}

// Pictures take their natural size plus their frame; the layout's size only stands for a
// picture that is missing.
QRect PlaceOf(const QWidget* widget, const ControlTemplate& control, const DialogUnits& units) {
  QRect place = units.ToPixels(QRect(control.x, control.y, control.width, control.height));
  const auto* label = qobject_cast<const QLabel*>(widget);
  if (control.kind == ControlKind::kPicture && label != nullptr && !label->pixmap().isNull()) {
    const int frame = 2 * label->frameWidth();
    place.setSize(label->pixmap().deviceIndependentSize().toSize() + QSize(frame, frame));
  }
  // A drop-down list's height in a layout is the height of its open list; closed it is one
  // line high.
  if (control.kind == ControlKind::kDropDownList) place.setHeight(widget->sizeHint().height());
  return place;
}

// Each new control of a layout goes beneath the ones before it, so the first control is
// topmost; Qt would put each new sibling on top. Group boxes, which come late
// in layouts, must lie beneath the controls they frame.
void StackFirstOnTop(const std::vector<QWidget*>& created) {
  for (QWidget* widget : created) widget->lower();
}

}  // namespace

Dialog::Dialog(const DialogTemplate& layout, const ControlFactories& factories, QWidget* parent,
               Prompter& prompter)
    : QDialog(parent), prompter_(prompter), timers_([this](int id) { OnTimer(id); }) {
  InstallDialogAccessible();
  UserActions::Instance();  // watching from the start, so that it knows the press in progress
  setFont(DialogUnits::DialogFont());
  setWindowTitle(QString::fromUtf8(layout.title));
  appWindow_ = (layout.style & kAppWindow) != 0;
  Qt::WindowFlags flags = (appWindow_ ? Qt::Window : Qt::Dialog) | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if ((layout.style & kMinMaxBoxes) != 0) flags |= Qt::WindowMinMaxButtonsHint;
  setWindowFlags(flags);
  CreateControls(layout, factories);
  keyboard_ = new DialogKeyboard(*this, qobject_cast<QPushButton*>(defaultButton_));
  const QSize size(units_.ToPixelsX(layout.width), units_.ToPixelsY(layout.height));
  if ((layout.style & kResizable) != 0) {
    resize(size);
  } else {
    setFixedSize(size);
  }
}

void Dialog::CreateControls(const DialogTemplate& layout, const ControlFactories& factories) {
  std::vector<QWidget*> created;
  for (const ControlTemplate& control : layout.controls) {
    const auto factory = factories.find(control.id);
    QWidget* widget = nullptr;
    if (control.id != kNoId && factory != factories.end() && factory->second) {
      widget = factory->second(control, this);
      if (widget != nullptr) {
        widget->setParent(this);
        ApplyCaption(widget, control);
      }
    }
    if (widget == nullptr) widget = CreateStandardControl(control, this);
    widget->setGeometry(PlaceOf(widget, control, units_));
    created.push_back(widget);
    if ((control.style & kDefaultButton) != 0) {
      defaultButton_ = qobject_cast<QAbstractButton*>(widget);
    }
    if (control.id != kNoId) {
      controls_[control.id] = widget;
      ConnectNotifications(control.id, widget);
    } else {
      unnamed_.push_back({control.kind, QString::fromUtf8(control.caption), widget});
    }
  }
  StackFirstOnTop(created);
  // A mnemonic on a label moves the focus to the next control that takes it.
  for (std::size_t i = 0; i < created.size(); ++i) {
    auto* label = qobject_cast<QLabel*>(created[i]);
    if (label == nullptr || !label->text().contains(u'&')) continue;
    for (std::size_t next = i + 1; next < created.size(); ++next) {
      if ((created[next]->focusPolicy() & Qt::TabFocus) != 0) {
        label->setBuddy(created[next]);
        break;
      }
    }
  }
}

void Dialog::ConnectNotifications(int id, QWidget* widget) {
  // Only signals that Qt emits for the user's actions: clicked (not toggled), activated (not
  // currentIndexChanged), actionTriggered (not valueChanged).
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    connect(button, &QAbstractButton::clicked, this, [this, id] { Clicked(id); });
  } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
    connect(list, &QComboBox::activated, this, [this, id] {
      const auto handler = selectionHandlers_.find(id);
      if (handler != selectionHandlers_.end()) handler->second();
    });
  } else if (auto* slider = qobject_cast<QAbstractSlider*>(widget)) {
    connect(slider, &QAbstractSlider::actionTriggered, this, [this, id, slider] {
      const auto handler = scrollHandlers_.find(id);
      if (handler != scrollHandlers_.end()) handler->second(slider->sliderPosition());
    });
  }
}

void Dialog::Clicked(int id) {
  const auto handler = clickHandlers_.find(id);
  if (handler != clickHandlers_.end()) {
    handler->second();
  } else if (id == kIdOk) {
    OnOK();
  } else if (id == kIdCancel) {
    OnCancel();
  }
}

QWidget* Dialog::Control(int id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second;
}

QWidget* Dialog::UnnamedControl(const char* caption) const {
  const QString wanted = QString::fromUtf8(caption);
  for (const UnnamedRow& row : unnamed_) {
    if (row.caption == wanted) return row.widget;
  }
  return nullptr;
}

std::vector<QWidget*> Dialog::Pictures() const {
  std::vector<QWidget*> pictures;
  for (const UnnamedRow& row : unnamed_) {
    if (row.kind == ControlKind::kPicture) pictures.push_back(row.widget);
  }
  return pictures;
}

void Dialog::SetReadingOrder(const std::vector<QWidget*>& order) {
  readingOrder_.assign(order.begin(), order.end());
}

std::vector<QWidget*> Dialog::ReadingOrder() const {
  std::vector<QWidget*> order;
  for (const QPointer<QWidget>& widget : readingOrder_) {
    if (widget != nullptr) order.push_back(widget);
  }
  return order;
}

void Dialog::SetClickHandler(int id, Handler handler) { clickHandlers_[id] = std::move(handler); }

void Dialog::SetSelectionHandler(int id, Handler handler) {
  selectionHandlers_[id] = std::move(handler);
}

void Dialog::SetScrollHandler(int id, std::function<void(int position)> handler) {
  scrollHandlers_[id] = std::move(handler);
}

int Dialog::exec() {
  if (!appWindow_) {
    int result = Rejected;
    RunModalBox(parentWidget(), [this, &result] { result = QDialog::exec(); });
    return result;
  }
  QEventLoop loop;
  connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
  show();
  loop.exec(QEventLoop::DialogExec);
  return result();
}

bool Dialog::UpdateData(bool saveAndValidate) {
  DataExchange exchange(*this, saveAndValidate);
  DoDataExchange(exchange);
  return !exchange.Failed();
}

void Dialog::SetTimer(int id, int milliseconds) { timers_.Start(id, milliseconds); }

void Dialog::KillTimer(int id) { timers_.Stop(id); }

bool Dialog::IsTimerRunning(int id) const { return timers_.IsRunning(id); }

void Dialog::DoDataExchange(DataExchange&) {}

void Dialog::OnTimer(int) {}

void Dialog::OnOK() {
  if (UpdateData(true)) accept();
}

void Dialog::OnCancel() { QDialog::reject(); }

void Dialog::reject() { OnCancel(); }

void Dialog::GiveFocus(QWidget& control) {
  if (control.isEnabled()) {
    control.setFocus(Qt::OtherFocusReason);
    return;
  }
  // Qt gives no focus to a disabled widget; enabled for the moment of taking it, the control
  // then keeps it when it is disabled again (focusNextPrevChild).
  control.setEnabled(true);
  control.setFocus(Qt::OtherFocusReason);
  control.setEnabled(false);
}

bool Dialog::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    const bool handled = QDialog::event(event);
    // Qt gives the window's focused control the focus back when the window becomes active
    // again (after a modal box, say), but not to a disabled one.
    if (QWidget* focus = focusWidget(); focus != nullptr && !focus->isEnabled()) {
      GiveFocus(*focus);
    }
    return handled;
  }
  // Tab reaches the dialog itself only when the focused control is disabled; it moves on.
  const auto* key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
  const bool tabbing =
      key != nullptr && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab);
  if (!tabbing) return QDialog::event(event);
  tabbing_ = true;
  const bool handled = QDialog::event(event);
  tabbing_ = false;
  return handled;
}

bool Dialog::focusNextPrevChild(bool next) {
  // Qt moves the focus on when the focused control is disabled; here it stays there, so that
  // Enter presses Submit again once Submit is enabled.
  if (keyboard_ != nullptr && !keyboard_->MayMoveFocus(tabbing_)) return true;
  return QDialog::focusNextPrevChild(next);
}

void Dialog::keyPressEvent(QKeyEvent* event) {
  if (keyboard_ != nullptr && keyboard_->KeyPress(event, [this] { OnOK(); })) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace astrivo
