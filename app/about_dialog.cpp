// The About box opened from the main dialog's system menu.
#include "app/about_dialog.h"

#include "app/about_layout.h"

namespace astrivo {

AboutDialog::AboutDialog(QWidget* parent)
    : Dialog(AboutLayout(),
             {{kIdLink, [](const ControlTemplate&, QWidget* owner) { return new CHyperLink(owner); }}},
             parent),
      link_(ControlAs<CHyperLink>(kIdLink)) {
  link_->url = QString::fromUtf8(kProductWebAddress);
  link_->Attach();
  // The first tab stop has the focus when the box opens, as before the link could be tabbed to.
  if (QWidget* ok = Control(kIdOk)) ok->setFocus();
}

}  // namespace astrivo
