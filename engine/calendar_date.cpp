// CalendarDate: day numbers and day stepping for any triple of ints, with no overflow.
#include "engine/calendar_date.h"

#include <climits>

#include "engine/local_clock.h"

namespace astrivo {

namespace {

constexpr DayNumber kDayNumberOffset = 730530;  // makes 1 January 2000 day 1

// A field stepped past the int range stays at its edge: NextDay on 31 December of year
// INT_MAX gives 1 January INT_MAX rather than wrapping (which would be undefined).
int Saturate(std::int64_t value) {
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

// Remainder in 0..divisor-1, also for a negative dividend.
std::int64_t FloorMod(std::int64_t value, std::int64_t divisor) {
  const std::int64_t remainder = value % divisor;
  return remainder < 0 ? remainder + divisor : remainder;
}

}  // namespace

CalendarDate::CalendarDate(const LocalClock& clock) { SetToday(clock); }

CalendarDate::CalendarDate(int day, int month, int year) { SetDate(day, month, year); }

void CalendarDate::SetToday(const LocalClock& clock) {
  const LocalDate today = clock.Today();
  SetDate(today.day, today.month, today.year);
}

void CalendarDate::SetDate(int day, int month, int year) {
  day_ = day;
  month_ = month;
  year_ = year;
  dayNumber_ = DayNumberOf(day_, month_, year_);
}

void CalendarDate::GetDate(int& day, int& month, int& year) const {
  day = day_;
  month = month_;
  year = year_;
}

DayNumber CalendarDate::DayNumberOf(int day, int month, int year) {
  // C++ division truncates toward zero, as the formula requires; in 64 bits no int triple
  // can overflow it (|367 * year| < 2^40).
  const std::int64_t y = year;
  const std::int64_t m = month;
  return 367 * y - (7 * (y + (m + 9) / 12)) / 4 + (275 * m) / 9 + day - kDayNumberOffset;
}

bool CalendarDate::IsLeapYear() const {
  return year_ % 4 == 0 && (year_ % 100 != 0 || year_ % 400 == 0);
}

int CalendarDate::DaysInMonth(int month) const {
  // clang-format off
  switch (month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
      return 31;
    case 4: case 6: case 9: case 11:
      return 30;
    case 2:
      return IsLeapYear() ? 29 : 28;
    default:
      return 0;
  }
  // clang-format on
}

int CalendarDate::DayOfWeek() const { return static_cast<int>(FloorMod(dayNumber_ + 4, 7)) + 1; }

void CalendarDate::NextDay() {
  std::int64_t day = static_cast<std::int64_t>(day_) + 1;
  std::int64_t month = month_;
  std::int64_t year = year_;
  if (day > DaysInMonth(month_)) {
    day = 1;
    ++month;
    if (month > 12) {
      month = 1;
      ++year;
    }
  }
  SetDate(Saturate(day), Saturate(month), Saturate(year));
}

void CalendarDate::PreviousDay() {
  std::int64_t day = static_cast<std::int64_t>(day_) - 1;
  if (day < 1) {
    std::int64_t month = static_cast<std::int64_t>(month_) - 1;
    std::int64_t year = year_;
    if (month < 1) {
      month = 12;
      --year;
    }
    // The month length belongs to the possibly changed year.
    year_ = Saturate(year);
    month_ = Saturate(month);
    day = DaysInMonth(month_);
  }
  SetDate(Saturate(day), month_, year_);
}

void CalendarDate::SubtractMonths(int n) {
  std::int64_t month = static_cast<std::int64_t>(month_) - n;
  if (month < 1) {
    year_ = Saturate(static_cast<std::int64_t>(year_) - 1);
    month += 12;  // once only: n is meant to lie in 0..12
  }
  month_ = Saturate(month);
  const int length = DaysInMonth(month_);
  if (day_ > length) day_ = length;
  SetDate(day_, month_, year_);
}

void CalendarDate::ToWeekStart() {
  for (int w = DayOfWeek(); w >= 2; --w) PreviousDay();
}

void CalendarDate::ToWeekEnd() {
  for (int w = DayOfWeek(); w <= 6; ++w) NextDay();
}

void CalendarDate::ToMonthStart() { SetDate(1, month_, year_); }

void CalendarDate::ToMonthEnd() { SetDate(DaysInMonth(month_), month_, year_); }

void CalendarDate::CopyFrom(const CalendarDate& other) {
  SetDate(other.day_, other.month_, other.year_);
}

}  // namespace astrivo
