// Integer fields exchanged with edit fields, with the toolkit's standard prompts.
#include "platform/data_exchange.h"

#include <QLineEdit>
#include <QPointer>

#include "platform/dialog.h"

namespace astrivo {

DataExchange::DataExchange(Dialog& dialog, bool saveAndValidate)
    : dialog_(dialog), saveAndValidate_(saveAndValidate) {}

DataExchange DataExchange::Closing(Dialog& dialog) {
  DataExchange exchange(dialog, true);
  exchange.closing_ = true;
  return exchange;
}

void DataExchange::IntInRange(int id, int& value, int min, int max) {
  if (!Exchange(id, value) || !saveAndValidate_ || closing_) return;
  if (value < min || value > max) {
    Fail(id, QStringLiteral("Please enter an integer between %1 and %2.").arg(min).arg(max));
  }
}

bool DataExchange::Exchange(int id, int& value) {
  if (failed_) return false;
  auto* edit = dialog_.ControlAs<QLineEdit>(id);
  if (edit == nullptr) return false;
  if (!saveAndValidate_) {
    edit->setText(QString::number(value));
    return false;
  }
  bool ok = false;
  const int read = edit->text().trimmed().toInt(&ok, 10);
  if (!ok) {
    if (!closing_) Fail(id, QStringLiteral("Please enter an integer."));
    return false;
  }
  value = read;
  return true;
}

void DataExchange::Fail(int id, const QString& text) {
  failed_ = true;
  // Once the prompt is answered, the user corrects the field that failed: it takes the focus,
  // disabled or not (a deferred prompt is answered long after this read), with its whole text
  // selected, so that what is typed next replaces it.
  QPointer<Dialog> dialog = &dialog_;
  QPointer<QLineEdit> edit = dialog_.ControlAs<QLineEdit>(id);
  dialog_.Prompts().Prompt(&dialog_, text, [dialog, edit] {
    if (dialog == nullptr || edit == nullptr) return;
    dialog->GiveFocus(*edit);
    edit->selectAll();
  });
}

}  // namespace astrivo
