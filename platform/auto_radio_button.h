// A radio button that stands alone: a click checks it and never clears it, and it does not
// clear its neighbours (the dialog's handlers decide that).
#pragma once

#include <QRadioButton>

namespace astrivo {

class AutoRadioButton : public QRadioButton {
  Q_OBJECT

 public:
  explicit AutoRadioButton(const QString& text, QWidget* parent = nullptr);

 protected:
  void nextCheckState() override;
};

}  // namespace astrivo
