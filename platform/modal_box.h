// What every modal box of the program does around its own loop.
#pragma once

#include <functional>

class QWidget;

namespace astrivo {

// Runs `box` (a call that shows a modal box and returns once it has closed) over `owner`'s
// window. A modal box ends any press in progress first (see UserActions), and the owner's
// window is active again once the box has closed, as the owner of a box is, also where a
// window system without a window manager would leave no window active.
void RunModalBox(QWidget* owner, const std::function<void()>& box);

}  // namespace astrivo
