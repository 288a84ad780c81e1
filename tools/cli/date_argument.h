// Strict reading and writing of YYYY-MM-DD dates for the command-line tool.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/calendar_date.h"

namespace astrivo {

// A real calendar date written exactly as YYYY-MM-DD with the year in 1901..2099; otherwise
// nothing, and error says what was wrong (without naming the option).
std::optional<CalendarDate> ParseDateArgument(std::string_view text, std::string& error);

std::string FormatDate(const CalendarDate& date);

}  // namespace astrivo
