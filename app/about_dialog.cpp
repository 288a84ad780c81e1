// The About box opened from the main dialog's system menu.
#include "app/about_dialog.h"

#include <QPainter>

#include "app/about_layout.h"
#include "astrivo/build_facts.h"
#include "platform/device_pixels.h"

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

void AboutDialog::paintEvent(QPaintEvent* event) {
  Dialog::paintEvent(event);
  if (!link_->hasFocus()) return;
  // A dotted frame round the link shows a keyboard user where the focus is, on whole device
  // pixels so that its dots are square at every scale.
  QPainter painter(this);
  const DevicePixels grid(painter, *this);
  FillDottedOutline(painter, grid.Covering(link_->FocusFrame()), grid.Line(),
                    link_->palette().color(QPalette::WindowText));
}

}  // namespace astrivo
