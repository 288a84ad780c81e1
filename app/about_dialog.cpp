// The About box opened from the main dialog's system menu.
#include "app/about_dialog.h"

#include "app/about_layout.h"

namespace astrivo {

namespace {

QWidget* CreateLink(const ControlTemplate&, QWidget* parent) { return new CHyperLink(parent); }

}  // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : Dialog(AboutLayout(), {{kIdLink, CreateLink}}, parent),
      link_(ControlAs<CHyperLink>(kIdLink)) {
  link_->url = QString::fromUtf8(kProductWebAddress);
  link_->Attach();
  // The box opens with the focus on OK, its first tab stop, not on the link.
  if (QWidget* ok = Control(kIdOk)) ok->setFocus();
}

}  // namespace astrivo
