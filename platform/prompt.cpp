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
  QMessageBox::warning(parent, QString::fromLatin1(kProgramTitle), text);
}

// Holds a prompt raised before its window is on screen (while the window initialises, say)
// until the window has been shown and exposed, so the box never stands alone on an empty
// screen. Dropped with the window if it never appears.
class PendingPrompt : public QObject {
 public:
  PendingPrompt(QWidget* parent, QString text, std::function<void()> closed)
      : QObject(parent->window()),
        parent_(parent),
        text_(std::move(text)),
        closed_(std::move(closed)) {
    parent->window()->installEventFilter(this);
    WatchExposure();
  }
  ~PendingPrompt() override {
    if (!posted_) closed_();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) WatchExposure();
    if (!posted_ && event->type() == QEvent::Expose && watched == Window()->windowHandle() &&
        IsOnScreen(Window())) {
      posted_ = true;
      deleteLater();
      // After the expose has been handled, so that the window is painted beneath the box.
      QTimer::singleShot(0, qApp, [parent = parent_, text = text_, closed = closed_] {
        if (parent) ShowBox(parent, text);
        closed();
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
  std::function<void()> closed_;
  bool posted_ = false;
};

}  // namespace

void Prompter::Prompt(QWidget* parent, const QString& text) {
  if (open_) return;
  open_ = true;
  Show(parent, text);
}

void MessageBoxPrompter::Show(QWidget* parent, const QString& text) {
  if (parent != nullptr && !IsOnScreen(parent->window())) {
    new PendingPrompt(parent, text, [this] { Closed(); });
  } else {
    ShowBox(parent, text);
    Closed();
  }
}

Prompter& MessageBoxes() {
  static MessageBoxPrompter prompter;
  return prompter;
}

}  // namespace astrivo
