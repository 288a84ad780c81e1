// Strict reading and writing of YYYY-MM-DD dates for the command-line tool.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/calendar_date.h"

namespace astrivo {

// The dates an option takes: a birth date (years kFirstAcceptedYear..kLastAcceptedYear) or a
// day to rate or place the bodies on (kFirstSteadyDate..kLastSteadyDate).
enum class DateKind { kBirth, kDay };

// A real calendar date written exactly as YYYY-MM-DD within the range of its kind; otherwise
// nothing, and error says what was wrong (without naming the option).
std::optional<CalendarDate> ParseDateArgument(std::string_view text, DateKind kind,
                                              std::string& error);

// Whether a date lies within kFirstSteadyDate..kLastSteadyDate.
bool IsSteadyDate(const CalendarDate& date);

// "1 March 1900 to 28 February 2100", as messages and the usage write the steady days.
std::string SteadyDatesText();

std::string FormatDate(const CalendarDate& date);

}  // namespace astrivo
