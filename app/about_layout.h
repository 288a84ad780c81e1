// Layout 100, the About box.
#pragma once

#include "platform/dialog_template.h"

namespace astrivo {

constexpr int kIdLink = 1053;  // the static text that becomes the CHyperLink

const DialogTemplate& AboutLayout();

}  // namespace astrivo
