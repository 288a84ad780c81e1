// Message boxes for the toolkit's validation prompts, one at a time.
#include "platform/prompt.h"

#include <functional>
#include <utility>

#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include "platform/modal_box.h"
#include "platform/user_actions.h"

namespace astrivo {
namespace {

constexpr const char* kProgramTitle = "Astrivo";

bool IsOnScreen(const QWidget* window) {
  return window->isVisible() && window->windowHandle() != nullptr &&
         window->windowHandle()->isExposed();
}

// The box, transient for the prompting window and centred over it where the window system
// lets a program place its windows.
void ShowBox(QWidget* parent, const QString& text) {
  RunModalBox(parent, [parent, &text] {
    QMessageBox::warning(parent, QString::fromLatin1(kProgramTitle), text);
  });
}

// Holds a prompt raised before its window is on screen (while the window initialises, say)
// until the window has been shown and exposed, so the box never stands alone on an empty
// screen. Dropped with the window if it never appears.
class PendingPrompt : public QObject {
 public:
  PendingPrompt(QWidget* parent, QString text, std::function<void()> answered,
                std::function<void()> dropped)
      : QObject(parent->window()),
        parent_(parent),
        text_(std::move(text)),
        answered_(std::move(answered)),
        dropped_(std::move(dropped)) {
    parent->window()->installEventFilter(this);
    WatchExposure();
  }
  ~PendingPrompt() override {
    if (!posted_) dropped_();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) WatchExposure();
    if (!posted_ && event->type() == QEvent::Expose && watched == Window()->windowHandle() &&
        IsOnScreen(Window())) {
      posted_ = true;
      deleteLater();
      // After the expose has been handled, so that the window is painted beneath the box.
      QTimer::singleShot(
          0, qApp, [parent = parent_, text = text_, answered = answered_, dropped = dropped_] {
            if (parent == nullptr) {
              dropped();
              return;
            }
            ShowBox(parent, text);
            answered();
          });
    }
    return false;
  }

 private:
  QWidget* Window() const { return static_cast<QWidget*>(QObject::parent()); }
  void WatchExposure() {
    if (QWindow* handle = Window()->windowHandle()) handle->installEventFilter(this);
  }

  QPointer<QWidget> parent_;
  QString text_;
  std::function<void()> answered_;
  std::function<void()> dropped_;
  bool posted_ = false;
};

}  // namespace

bool Prompter::Prompt(QWidget* parent, const QString& text, std::function<void()> answered) {
  if (open_) return false;
  open_ = true;
  answered_ = std::move(answered);
  if (Show(parent, text)) return true;
  open_ = false;
  answered_ = nullptr;
  return false;
}

void Prompter::Answered() {
  open_ = false;
  const std::function<void()> next = std::move(answered_);
  answered_ = nullptr;
  if (next) next();
}

void Prompter::Dropped() {
  open_ = false;
  answered_ = nullptr;
}

bool MessageBoxPrompter::Show(QWidget* parent, const QString& text) {
  // A handler that asks again within the same action (Qt's slider runs a middle click's move
  // twice, and Qt's repeat would step on after the box) gets no second box.
  const quint64 action = UserActions::Instance().Current();
  QWidget* window = parent != nullptr ? parent->window() : nullptr;
  if (lastAction_ == action && lastWindow_ == window) return false;
  lastAction_ = action;
  lastWindow_ = window;
  if (parent != nullptr && !IsOnScreen(parent->window())) {
    new PendingPrompt(
        parent, text, [this] { Answered(); }, [this] { Dropped(); });
  } else {
    ShowBox(parent, text);
    Answered();
  }
  return true;
}

Prompter& MessageBoxes() {
  static MessageBoxPrompter prompter;
  return prompter;
}

}  // namespace astrivo
