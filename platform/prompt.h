// The program's only prompts: the toolkit's validation messages, one at a time.
#pragma once

#include <QString>
#include <QWidget>

namespace astrivo {

// How prompts reach the user. A dialog is handed the prompter it uses; the program's is
// MessageBoxes().
class Prompter {
 public:
  virtual ~Prompter() = default;

  // Shows `text` over `parent`'s window. While a prompt of this prompter is open or waiting,
  // further prompts are dropped, so a timer or a slider that asks again cannot stack boxes on
  // top of one another.
  void Prompt(QWidget* parent, const QString& text);

 protected:
  // Shows one prompt and calls Closed() once the user has answered it, at once or later.
  virtual void Show(QWidget* parent, const QString& text) = 0;
  void Closed() { open_ = false; }

 private:
  bool open_ = false;
};

// Modal message boxes titled with the program's name. A prompt raised before its window is on
// screen (while the window initialises) returns at once, and its box appears once the window
// has been shown.
class MessageBoxPrompter final : public Prompter {
 protected:
  void Show(QWidget* parent, const QString& text) override;
};

// The program's prompter.
Prompter& MessageBoxes();

}  // namespace astrivo
