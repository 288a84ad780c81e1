// Names for assistive technology in the main dialog.
#include "app/main_dialog_accessibility.h"

#include <QWidget>

#include "app/main_dialog_layout.h"
#include "engine/calendar_date.h"
#include "engine/calendar_names.h"
#include "platform/accessible_role.h"
#include "platform/dialog.h"
#include "sky/sign_table.h"

namespace astrivo {
namespace {

// Each field is named by its column label and its row label.
struct ControlName {
  int id;
  const char* name;
};
constexpr ControlName kControlNames[] = {
    {kIdBirthMonth, "Birth Date: Month"},
    {kIdBirthDay, "Birth Date: Day"},
    {kIdBirthYear, "Birth Date: Year"},
    {kIdHeadingSlider, "Heading"},
    {kIdTiltSlider, "Tilt"},
};

}  // namespace

void NameMainDialogControls(Dialog& dialog) {
  for (const ControlName& control : kControlNames) {
    dialog.Control(control.id)->setAccessibleName(QString::fromLatin1(control.name));
  }
  dialog.Control(kIdTraceMonth)->setAccessibleName(QStringLiteral("Trace Date"));
  SetAccessibleRole(dialog.Control(kIdSkyView), QAccessible::Graphic);
}

QString TraceDateName(const CalendarDate& date) {
  return QStringLiteral("Trace Date: %1 %2, %3")
      .arg(QString::fromLatin1(kMonthNames[static_cast<std::size_t>(date.Month() - 1)]))
      .arg(date.Day())
      .arg(date.Year());
}

QString SkyViewName(int sign) {
  const QString name = QString::fromLatin1(SignName(sign)).trimmed().toLower();
  return QStringLiteral("Sky view facing ") + name.left(1).toUpper() + name.mid(1);
}

}  // namespace astrivo
