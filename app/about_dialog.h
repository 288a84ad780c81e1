// The About box: the product's name and version, its title picture and a link to its page.
#pragma once

#include "app/hyper_link.h"
#include "platform/dialog.h"

namespace astrivo {

class AboutDialog : public Dialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);

  CHyperLink* Link() const { return link_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  CHyperLink* link_;
};

}  // namespace astrivo
