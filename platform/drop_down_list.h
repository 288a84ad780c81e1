// A list-only drop-down list. Screen readers hear it by a name of its own (what the list is
// for) with the current entry as its value and as the selected item of its list, rather
// than by the current entry alone.
#pragma once

#include <QComboBox>

namespace astrivo {

class DropDownList : public QComboBox {
  Q_OBJECT

 public:
  explicit DropDownList(QWidget* parent = nullptr);
};

}  // namespace astrivo
