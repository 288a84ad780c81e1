// Message boxes for the toolkit's validation prompts, with a seam for tests.
#include "platform/prompt.h"

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

const ScopedPromptAnswer::Answer* currentAnswer = nullptr;
bool promptOpen = false;

bool IsOnScreen(const QWidget* window) {
  return window->isVisible() && window->windowHandle() != nullptr &&
         window->windowHandle()->isExposed();
}

// The box, transient for the prompting window and centred over it where the window system
// lets a program place its windows.
void ShowBox(QWidget* parent, const QString& text) {
  QMessageBox::warning(parent, QString::fromLatin1(kProgramTitle), text);
  promptOpen = false;
}

// Holds a prompt raised before its window is on screen (while the window initialises, say)
// until the window has been shown and exposed, so the box never stands alone on an empty
// screen. Dropped with the window if it never appears.
class PendingPrompt : public QObject {
 public:
  PendingPrompt(QWidget* parent, QString text)
      : QObject(parent->window()), parent_(parent), text_(std::move(text)) {
    parent->window()->installEventFilter(this);
    WatchExposure();
  }
  ~PendingPrompt() override {
    if (!posted_) promptOpen = false;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) WatchExposure();
    if (!posted_ && event->type() == QEvent::Expose && watched == Window()->windowHandle() &&
        IsOnScreen(Window())) {
      posted_ = true;
      deleteLater();
      // After the expose has been handled, so that the window is painted beneath the box.
      QTimer::singleShot(0, qApp, [parent = parent_, text = text_] {
        if (parent) {
          ShowBox(parent, text);
        } else {
          promptOpen = false;
        }
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
  bool posted_ = false;
};

}  // namespace

void Prompt(QWidget* parent, const QString& text) {
  if (promptOpen) return;
  promptOpen = true;
  if (currentAnswer != nullptr) {
    (*currentAnswer)(parent, text);
    promptOpen = false;
  } else if (parent != nullptr && !IsOnScreen(parent->window())) {
    new PendingPrompt(parent, text);
  } else {
    ShowBox(parent, text);
  }
}

ScopedPromptAnswer::ScopedPromptAnswer(Answer answer)
    : answer_(std::move(answer)), previous_(currentAnswer) {
  currentAnswer = &answer_;
}

ScopedPromptAnswer::~ScopedPromptAnswer() { currentAnswer = previous_; }

}  // namespace astrivo
