// The program's only prompts: the toolkit's validation messages, one at a time.
#pragma once

#include <functional>
#include <optional>

#include <QPointer>
#include <QString>
#include <QWidget>

namespace astrivo {

// How prompts reach the user. A dialog is handed the prompter it uses; the program's is
// MessageBoxes().
class Prompter {
 public:
  virtual ~Prompter() = default;

  // Shows `text` over `parent`'s window and, once the user has answered, runs `answered` (what
  // the caller does next, such as focusing the field that failed). While a prompt of this
  // prompter is open or waiting, further prompts are dropped, so a timer or a slider that asks
  // again cannot stack boxes on top of one another. False when the prompt was dropped;
  // `answered` then never runs.
  bool Prompt(QWidget* parent, const QString& text, std::function<void()> answered = {});

 protected:
  // Shows one prompt and calls Answered() once the user has answered it, at once or later, or
  // Dropped() if it is never shown after all. False, calling neither, when it shows none.
  virtual bool Show(QWidget* parent, const QString& text) = 0;
  void Answered();
  void Dropped();

 private:
  bool open_ = false;
  std::function<void()> answered_;
};

// Modal message boxes titled with the program's name. A modal box ends any press in progress,
// and one user action gives at most one box over a window (see UserActions). A prompt raised before its
// window is on screen (while the window initialises) returns at once, and its box appears once
// the window has been shown.
class MessageBoxPrompter final : public Prompter {
 protected:
  bool Show(QWidget* parent, const QString& text) override;

 private:
  // The user action that gave the last box, and the window it stood over.
  std::optional<quint64> lastAction_;
  QPointer<QWidget> lastWindow_;
};

// The program's prompter.
Prompter& MessageBoxes();

}  // namespace astrivo
