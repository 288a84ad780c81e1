// The days each period choice rates, relative to a given today.
#include "engine/period.h"

namespace astrivo {

DateSpan SpanOfPeriod(Period period, const CalendarDate& today) {
  DateSpan span{today, today};
  switch (period) {
    case Period::kToday:
      break;
    case Period::kTomorrow:
      span.first.NextDay();
      span.last.NextDay();
      break;
    case Period::kThisWeek:
      span.first.ToWeekStart();
      span.last.ToWeekEnd();
      break;
    case Period::kThisMonth:
      span.first.ToMonthStart();
      span.last.ToMonthEnd();
      break;
  }
  return span;
}

}  // namespace astrivo
