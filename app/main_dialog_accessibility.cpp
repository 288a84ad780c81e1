// Names and reading order for assistive technology in the main dialog.
#include "app/main_dialog_accessibility.h"

#include <vector>

#include <QWidget>

#include "app/main_dialog_layout.h"
#include "engine/calendar_date.h"
#include "engine/calendar_names.h"
#include "platform/accessible_role.h"
#include "platform/dialog.h"
#include "sky/sign_table.h"

namespace astrivo {
namespace {

// Each field is named by its column label and its row label, each bar by the frame around
// it, the list by what choosing from it does.
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
    {kIdLuckBar, "Fortune rating"},
    {kIdLoveBar, "Romance rating"},
    {kIdMoneyBar, "Wealth rating"},
    {kIdSignList, "Sign shown in the view"},
    // Fixed names, so that the statics stay quiet while the trace counts the days.
    {kIdTraceDay, "Trace Date: Day"},
    {kIdTraceYear, "Trace Date: Year"},
};

// The reading order, top to bottom and left to right as the window shows it: a control by
// its id, or one without an id by its caption. The two frames come before what they
// surround, each bar after its frame; the trace day and year, hidden from readers, follow
// the month that reads the whole date.
struct ReadingStop {
  int id;
  const char* caption;  // for kNoId
};
constexpr ReadingStop kReadingOrder[] = {
    {kIdDateBanner, nullptr}, {kNoId, "Input"},
    {kNoId, "Birth Date:"},   {kNoId, "Month"},
    {kIdBirthMonth, nullptr}, {kNoId, "Day"},
    {kIdBirthDay, nullptr},   {kNoId, "Year"},
    {kIdBirthYear, nullptr},  {kNoId, "Trace Date:"},
    {kIdTraceMonth, nullptr}, {kIdTraceDay, nullptr},
    {kIdTraceYear, nullptr},  {kIdSubmit, nullptr},
    {kNoId, "Horoscope"},     {kIdToday, nullptr},
    {kIdTomorrow, nullptr},   {kIdThisWeek, nullptr},
    {kIdThisMonth, nullptr},  {kIdSignList, nullptr},
    {kNoId, "Fortune"},       {kIdLuckBar, nullptr},
    {kNoId, "Romance"},       {kIdLoveBar, nullptr},
    {kNoId, "Wealth"},        {kIdMoneyBar, nullptr},
    {kIdSkyView, nullptr},    {kIdHeadingSlider, nullptr},
    {kIdTiltSlider, nullptr},
};

}  // namespace

void NameMainDialogControls(Dialog& dialog) {
  for (const ControlName& control : kControlNames) {
    dialog.Control(control.id)->setAccessibleName(QString::fromLatin1(control.name));
  }
  dialog.Control(kIdTraceMonth)->setAccessibleName(QStringLiteral("Trace Date"));
  SetAccessibleRole(dialog.Control(kIdSkyView), QAccessible::Graphic);
  // The pictures only decorate the frames.
  for (QWidget* picture : dialog.Pictures()) {
    SetAccessibleRole(picture, QAccessible::Graphic, ReaderVisibility::kHidden);
  }

  std::vector<QWidget*> order;
  for (const ReadingStop& stop : kReadingOrder) {
    QWidget* control =
        stop.id != kNoId ? dialog.Control(stop.id) : dialog.UnnamedControl(stop.caption);
    if (control != nullptr) order.push_back(control);
  }
  dialog.SetReadingOrder(order);
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
