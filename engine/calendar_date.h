// A calendar date with its cached day number, the program's time scale: day 0 is
// 31 December 1999 and day 1 is 1 January 2000.
#pragma once

#include <cstdint>

#include "engine/local_clock.h"

namespace astrivo {

// 64 bits, so that any triple of ints (a hand-edited year of 2000000000) has an exact day
// number; for 1901..2099 the values are the same as 32-bit arithmetic gives.
using DayNumber = std::int64_t;

// The birth years the dialog and the command-line tool accept: the years the calendar's day
// numbers are continuous over.
constexpr int kFirstAcceptedYear = 1901;
constexpr int kLastAcceptedYear = 2099;

// The days over which consecutive dates have consecutive day numbers (the formula counts 1900
// and 2100 as leap years): the days the command-line tool rates and places the bodies on.
struct DayMonthYear {
  int day;
  int month;
  int year;
};
constexpr DayMonthYear kFirstSteadyDate{1, 3, 1900};
constexpr DayMonthYear kLastSteadyDate{28, 2, 2100};

// Stores any triple unchecked (a day of 45 counts 45 days into the month).
class CalendarDate {
 public:
  // Today, as the clock says.
  explicit CalendarDate(const LocalClock& clock = SystemClock());
  CalendarDate(int day, int month, int year);

  void SetToday(const LocalClock& clock = SystemClock());
  void SetDate(int day, int month, int year);
  void GetDate(int& day, int& month, int& year) const;
  int Day() const { return day_; }
  int Month() const { return month_; }
  int Year() const { return year_; }
  DayNumber GetDayNumber() const { return dayNumber_; }

  bool IsLeapYear() const;
  int DaysInMonth(int month) const;  // 0 for a month outside 1..12
  int DayOfWeek() const;             // 1 Monday .. 7 Sunday

  // Stepping a field past the int range (a year of INT_MAX) leaves it at the range's edge.
  void NextDay();
  void PreviousDay();
  void SubtractMonths(int n);  // n in 0..12; the month wraps at most once
  void ToWeekStart();          // back to Monday
  void ToWeekEnd();            // forward to Sunday
  void ToMonthStart();
  void ToMonthEnd();
  void CopyFrom(const CalendarDate& other);

  static DayNumber DayNumberOf(int day, int month, int year);

 private:
  int day_ = 1;
  int month_ = 1;
  int year_ = 2000;
  DayNumber dayNumber_ = 1;
};

}  // namespace astrivo
