// Date arguments: only real YYYY-MM-DD dates in 1901..2099 pass, and the error says why.
#include "tools/cli/date_argument.h"

#include <gtest/gtest.h>

namespace astrivo {
namespace {

TEST(DateArgumentTest, AcceptsRealDatesAndFormatsThemBack) {
  for (const char* text : {"2004-02-29", "1901-01-01", "2099-12-31", "1980-06-15"}) {
    SCOPED_TRACE(text);
    std::string error;
    const std::optional<CalendarDate> date = ParseDateArgument(text, error);
    ASSERT_TRUE(date.has_value()) << error;
    EXPECT_EQ(FormatDate(*date), text);
  }
}

TEST(DateArgumentTest, RejectsWithAReason) {
  const std::pair<const char*, const char*> cases[] = {
      {"2003-02-29", "February 2003 has 28 days"},
      {"2004-04-31", "April 2004 has 30 days"},
      {"2004-01-00", "January 2004 has 31 days"},
      {"1900-12-31", "year 1900 is outside 1901 to 2099"},
      {"2004-00-10", "month 0"},
      {"2004-1-01", "not a date of the form YYYY-MM-DD"},
      {"20040101", "not a date of the form"},
      {" 2004-01-01", "not a date of the form"},
      {"-004-01-01", "not a date of the form"},
      {"2004/01/01", "not a date of the form"},
      {"", "not a date of the form"},
  };
  for (const auto& [text, reason] : cases) {
    SCOPED_TRACE(text);
    std::string error;
    EXPECT_FALSE(ParseDateArgument(text, error).has_value());
    EXPECT_NE(error.find(reason), std::string::npos) << error;
  }
}

}  // namespace
}  // namespace astrivo
