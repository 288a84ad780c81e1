// One pass of data exchange between a dialog's fields and its controls, in either direction.
// Reading validates each field in the order the calls come and stops at the first failure:
// the user is told, the control gets the focus, and later calls do nothing (except when
// closing, see Closing).
#pragma once

#include <QString>

namespace astrivo {

class Dialog;

class DataExchange {
 public:
  DataExchange(Dialog& dialog, bool saveAndValidate);
  // Reading back for a window that is closing, when nothing can be corrected any more: every
  // field holding a number takes it, in range or not, every other field keeps its value, and
  // nothing is reported.
  static DataExchange Closing(Dialog& dialog);

  bool Failed() const { return failed_; }

  // Edit field `id` and an integer field. Reading text that is not a 32-bit integer leaves
  // `value` unchanged and fails with "Please enter an integer."; reading a number outside
  // min..max stores it and then fails with "Please enter an integer between min and max."
  void IntInRange(int id, int& value, int min, int max);

 private:
  // False after a failure, and true for a read that stored `value`.
  bool Exchange(int id, int& value);
  void Fail(int id, const QString& text);

  Dialog& dialog_;
  bool saveAndValidate_;
  bool closing_ = false;
  bool failed_ = false;
};

}  // namespace astrivo
