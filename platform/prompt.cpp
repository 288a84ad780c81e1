// Message boxes for the toolkit's validation prompts, with a seam for tests.
#include "platform/prompt.h"

#include <utility>

#include <QMessageBox>

namespace astrivo {
namespace {

constexpr const char* kProgramTitle = "Astrivo";

const ScopedPromptAnswer::Answer* currentAnswer = nullptr;
bool promptOpen = false;

}  // namespace

void Prompt(QWidget* parent, const QString& text) {
  if (promptOpen) return;
  promptOpen = true;
  if (currentAnswer != nullptr) {
    (*currentAnswer)(parent, text);
  } else {
    QMessageBox::warning(parent, QString::fromLatin1(kProgramTitle), text);
  }
  promptOpen = false;
}

ScopedPromptAnswer::ScopedPromptAnswer(Answer answer)
    : answer_(std::move(answer)), previous_(currentAnswer) {
  currentAnswer = &answer_;
}

ScopedPromptAnswer::~ScopedPromptAnswer() { currentAnswer = previous_; }

}  // namespace astrivo
