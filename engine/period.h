// The four period choices and the days each one rates.
#pragma once

#include "engine/calendar_date.h"

namespace astrivo {

enum class Period { kToday, kTomorrow, kThisWeek, kThisMonth };

struct DateSpan {
  CalendarDate first;
  CalendarDate last;
};

// Today: today only. Tomorrow: the next day only. This Week: Monday to Sunday of today's
// week. This Month: first to last day of today's month.
DateSpan SpanOfPeriod(Period period, const CalendarDate& today);

}  // namespace astrivo
