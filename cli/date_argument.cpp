// Date arguments: exact YYYY-MM-DD, checked against the month table and the range of their
// kind.
#include "cli/date_argument.h"

#include <cstdio>
#include <tuple>

#include "engine/calendar_names.h"

namespace astrivo {

namespace {

bool ReadDigits(std::string_view text, int& value) {
  value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

// Ordered as the calendar is: year, then month, then day.
std::tuple<int, int, int> Ordered(int day, int month, int year) { return {year, month, day}; }

std::string Written(const DayMonthYear& date) {
  return std::to_string(date.day) + " " + kMonthNames[date.month - 1] + " " +
         std::to_string(date.year);
}

}  // namespace

bool IsSteadyDate(const CalendarDate& date) {
  const auto at = Ordered(date.Day(), date.Month(), date.Year());
  return Ordered(kFirstSteadyDate.day, kFirstSteadyDate.month, kFirstSteadyDate.year) <= at &&
         at <= Ordered(kLastSteadyDate.day, kLastSteadyDate.month, kLastSteadyDate.year);
}

std::string SteadyDatesText() {
  return Written(kFirstSteadyDate) + " to " + Written(kLastSteadyDate);
}

std::optional<CalendarDate> ParseDateArgument(std::string_view text, DateKind kind,
                                              std::string& error) {
  int year = 0;
  int month = 0;
  int day = 0;
  if (text.size() != 10 || text[4] != '-' || text[7] != '-' ||
      !ReadDigits(text.substr(0, 4), year) || !ReadDigits(text.substr(5, 2), month) ||
      !ReadDigits(text.substr(8, 2), day)) {
    error = "'" + std::string(text) + "' is not a date of the form YYYY-MM-DD";
    return std::nullopt;
  }
  if (kind == DateKind::kBirth && (year < kFirstAcceptedYear || year > kLastAcceptedYear)) {
    error = "year " + std::to_string(year) + " is outside " + std::to_string(kFirstAcceptedYear) +
            " to " + std::to_string(kLastAcceptedYear);
    return std::nullopt;
  }
  if (month < 1 || month > 12) {
    error = "month " + std::to_string(month) + " in '" + std::string(text) + "' is outside 1 to 12";
    return std::nullopt;
  }
  const CalendarDate date(day, month, year);
  const int length = date.DaysInMonth(month);
  if (day < 1 || day > length) {
    error = "'" + std::string(text) + "' does not exist: " + std::string(kMonthNames[month - 1]) +
            " " + std::to_string(year) + " has " + std::to_string(length) + " days";
    return std::nullopt;
  }
  if (kind == DateKind::kDay && !IsSteadyDate(date)) {
    error = std::string(text) + " is outside " + SteadyDatesText();
    return std::nullopt;
  }
  return date;
}

std::string FormatDate(const CalendarDate& date) {
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.Year(), date.Month(), date.Day());
  return text;
}

}  // namespace astrivo
