// Prompts in the tests: TestPrompts() (the prompter the tests hand to what they build) gives
// each prompt to the innermost live ScopedPromptAnswer, at once; with none alive it shows the
// program's message boxes. ScopedPromptAnswers nest.
#pragma once

#include <functional>
#include <utility>

#include "platform/prompt.h"

namespace astrivo {

class ScopedPromptAnswer {
 public:
  using Answer = std::function<void(QWidget* parent, const QString& text)>;
  explicit ScopedPromptAnswer(Answer answer) : answer_(std::move(answer)), previous_(innermost_) {
    innermost_ = &answer_;
  }
  ~ScopedPromptAnswer() { innermost_ = previous_; }
  ScopedPromptAnswer(const ScopedPromptAnswer&) = delete;
  ScopedPromptAnswer& operator=(const ScopedPromptAnswer&) = delete;

  static const Answer* Innermost() { return innermost_; }

 private:
  static inline const Answer* innermost_ = nullptr;
  Answer answer_;
  const Answer* previous_;
};

class TestPrompter final : public Prompter {
 protected:
  bool Show(QWidget* parent, const QString& text) override {
    if (const ScopedPromptAnswer::Answer* answer = ScopedPromptAnswer::Innermost()) {
      (*answer)(parent, text);
      Answered();
      return true;
    }
    return MessageBoxes().Prompt(parent, text, [this] { Answered(); });
  }
};

inline TestPrompter& TestPrompts() {
  static TestPrompter prompter;
  return prompter;
}

}  // namespace astrivo
