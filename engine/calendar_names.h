// English names of the months and weekdays, whatever the user's locale: the program's texts
// are English.
#pragma once

#include <array>

namespace astrivo {

// Index month - 1 (January first).
constexpr std::array<const char*, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// Index DayOfWeek() - 1 (Monday first).
constexpr std::array<const char*, 7> kWeekdayNames = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                                      "Friday", "Saturday", "Sunday"};

}  // namespace astrivo
