// SpanOfPeriod: the days each period choice rates for a given today.
#include "engine/period.h"

#include <gtest/gtest.h>

namespace astrivo {
namespace {

struct PeriodCase {
  const char* name;
  Period period;
  CalendarDate today;
  CalendarDate first;
  CalendarDate last;
};

TEST(PeriodTest, SpansForEachChoice) {
  const PeriodCase cases[] = {
      {"today", Period::kToday, {16, 6, 2004}, {16, 6, 2004}, {16, 6, 2004}},
      {"tomorrow across a year", Period::kTomorrow, {31, 12, 2003}, {1, 1, 2004}, {1, 1, 2004}},
      {"week of a Wednesday", Period::kThisWeek, {16, 6, 2004}, {14, 6, 2004}, {20, 6, 2004}},
      {"week of a Sunday", Period::kThisWeek, {20, 6, 2004}, {14, 6, 2004}, {20, 6, 2004}},
      {"week of a Monday", Period::kThisWeek, {14, 6, 2004}, {14, 6, 2004}, {20, 6, 2004}},
      {"week across a year", Period::kThisWeek, {1, 1, 2000}, {27, 12, 1999}, {2, 1, 2000}},
      {"leap February", Period::kThisMonth, {10, 2, 2004}, {1, 2, 2004}, {29, 2, 2004}},
      {"plain February", Period::kThisMonth, {28, 2, 2003}, {1, 2, 2003}, {28, 2, 2003}},
      {"December", Period::kThisMonth, {31, 12, 2099}, {1, 12, 2099}, {31, 12, 2099}},
  };
  for (const PeriodCase& c : cases) {
    SCOPED_TRACE(c.name);
    const DateSpan span = SpanOfPeriod(c.period, c.today);
    EXPECT_EQ(span.first.GetDayNumber(), c.first.GetDayNumber());
    EXPECT_EQ(span.last.GetDayNumber(), c.last.GetDayNumber());
    EXPECT_EQ(span.first.Month(), c.first.Month());
    EXPECT_EQ(span.last.Day(), c.last.Day());
  }
}

}  // namespace
}  // namespace astrivo
