#include "platform/modal_box.h"

#include <QPointer>
#include <QWidget>

#include "platform/user_actions.h"

namespace astrivo {

void RunModalBox(QWidget* owner, const std::function<void()>& box) {
  UserActions::Instance().EndForModalBox();
  const QPointer<QWidget> window = owner != nullptr ? owner->window() : nullptr;
  box();
  if (window != nullptr && window->isVisible() && !window->isActiveWindow()) {
    window->activateWindow();
  }
}

}  // namespace astrivo
