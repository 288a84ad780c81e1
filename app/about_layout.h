// Layout 100, the About box, and the address of the product's web page that it links to.
#pragma once

#include "platform/dialog_template.h"

namespace astrivo {

constexpr int kIdLink = 1053;  // the static text that becomes the CHyperLink
// A reserved example address while the product has no page of its own.
constexpr const char* kProductWebAddress = "https://astrivo.example/";

const DialogTemplate& AboutLayout();

}  // namespace astrivo
