// Start-up and exit of the program around its one dialog.
#include "app/horoscope_app.h"

#include "app/horoscope_dialog.h"
#include "platform/settings_store.h"

namespace astrivo {
namespace {

const QString kSection = QStringLiteral("user");
const QString kDayName = QStringLiteral("start day");
const QString kMonthName = QStringLiteral("start month");
const QString kYearName = QStringLiteral("start year");

}  // namespace

HoroscopeApp::HoroscopeApp(SettingsStore& settings, const LocalClock& clock, Prompter& prompter)
    : settings_(settings), clock_(clock), prompter_(prompter) {}

int HoroscopeApp::Run() {
  ReadSettings();
  {
    HoroscopeDialog dialog(*this);
    dialog.exec();
  }
  WriteSettings();
  return 0;
}

void HoroscopeApp::ReadSettings() {
  const std::vector<int> stored =
      settings_.ReadInts(kSection, {{kDayName, 1}, {kMonthName, 1}, {kYearName, 2000}});
  birthDay = stored[0];
  birthMonth = stored[1];
  birthYear = stored[2];
}

void HoroscopeApp::WriteSettings() {
  // All three in one replacement of the file, so the date is never stored half-way. A failed
  // write leaves the previous file in place; there is nobody to tell at exit.
  settings_.WriteInts(kSection,
                      {{kDayName, birthDay}, {kMonthName, birthMonth}, {kYearName, birthYear}});
}

}  // namespace astrivo
