// The program's only prompts: modal message boxes titled with the program's name, one at a
// time.
#pragma once

#include <functional>

#include <QString>
#include <QWidget>

namespace astrivo {

// Shows `text` to the user in a box over `parent`'s window and waits for the answer. A prompt
// raised before that window is on screen (while it initialises) returns at once, and its box
// appears once the window has been shown. While a prompt is open or waiting, further prompts
// are dropped, so a timer or a slider that asks again cannot stack boxes on top of one another.
void Prompt(QWidget* parent, const QString& text);

// While it lives, prompts go to `answer`, at once, instead of a message box. Nests like
// FixedToday.
class ScopedPromptAnswer {
 public:
  using Answer = std::function<void(QWidget* parent, const QString& text)>;
  explicit ScopedPromptAnswer(Answer answer);
  ~ScopedPromptAnswer();
  ScopedPromptAnswer(const ScopedPromptAnswer&) = delete;
  ScopedPromptAnswer& operator=(const ScopedPromptAnswer&) = delete;

 private:
  Answer answer_;
  const Answer* previous_;
};

}  // namespace astrivo
