// astrivo-cli in process: the spans each rate call covers, one line on stderr and status 2 for
// every kind of bad input, and JSON numbers that read back bit for bit.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <sstream>

#include "engine/horoscope_scoring.h"
#include "engine/local_clock.h"
#include "sky/sky_scene.h"
#include "tools/cli/cli_command.h"
#include "tools/cli/json_writer.h"

namespace astrivo {
namespace {

struct Result {
  int status;
  std::string out, err;
};

Result RunTool(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCli(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(CliTest, RateSpansAndTheDefaultToday) {
  SkyScene scene;
  scene.Build();
  const HoroscopeScores gemini =
      RatePeriod(scene, 4, CalendarDate(15, 6, 1980), CalendarDate(14, 6, 2004), CalendarDate(20, 6, 2004));
  const std::string geminiWeek = R"({"sign":"GEMINI","signIndex":4,"from":"2004-06-14",)"
                                 R"("to":"2004-06-20","days":7,"luck":)" + std::to_string(gemini.luck) +
                                 ",\"love\":" + std::to_string(gemini.love) +
                                 ",\"money\":" + std::to_string(gemini.money) + "}\n";
  const FixedToday today({31, 12, 2003});  // a Wednesday
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"rate", "--birth", "1980-06-15", "--today", "2004-06-16"}, geminiWeek},
      {{"rate", "--today=2004-06-20", "--period", "week", "--birth=1980-06-15"}, geminiWeek},
      {{"rate", "--birth", "1980-06-15", "--from", "2004-06-14", "--to", "2004-06-20"}, geminiWeek},
      {{"rate", "--birth", "2000-01-01"}, R"("from":"2003-12-29","to":"2004-01-04","days":7)"},
      {{"rate", "--birth", "2000-01-01", "--period", "today"},
       R"("from":"2003-12-31","to":"2003-12-31","days":1)"},
      {{"rate", "--birth", "2000-01-01", "--period", "tomorrow"},
       R"("from":"2004-01-01","to":"2004-01-01","days":1)"},
      {{"rate", "--birth", "1901-01-01", "--period", "month", "--today", "2004-02-10"},
       R"({"sign":"CAPRICORN","signIndex":11,"from":"2004-02-01","to":"2004-02-29","days":29)"},
      {{"rate", "--birth", "2000-02-29", "--from", "2004-01-01", "--to", "2004-12-31"},
       R"({"sign":"PISCES","signIndex":1,"from":"2004-01-01","to":"2004-12-31","days":366)"},
      {{"rate", "--birth", "2099-12-31", "--from", "2099-12-31", "--to", "2099-12-31"},
       R"("from":"2099-12-31","to":"2099-12-31","days":1)"},
  };
  for (const auto& [args, fragment] : cases) {
    SCOPED_TRACE(fragment);
    const Result result = RunTool(args);
    EXPECT_EQ(result.status, kExitSuccess) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_NE(result.out.find(fragment), std::string::npos) << result.out;
  }
}

TEST(CliTest, BadInputNamesTheProblem) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{}, "no command given"},
      {{"horoscope"}, "unknown command 'horoscope'"},
      {{"rate"}, "'rate' needs --birth"},
      {{"rate", "--birth"}, "option --birth needs a value"},
      {{"rate", "--birth", "2004-02-30"}, "'2004-02-30' does not exist: February 2004 has 29 days"},
      {{"rate", "--birth", "2003-02-29"}, "February 2003 has 28 days"},
      {{"rate", "--birth", "2004-04-31"}, "April 2004 has 30 days"},
      {{"rate", "--birth", "2004-01-00"}, "January 2004 has 31 days"},
      {{"rate", "--birth", "1900-12-31"}, "--birth: year 1900 is outside 1901 to 2099"},
      {{"rate", "--birth", "2100-01-01"}, "year 2100 is outside"},
      {{"rate", "--birth", "2004-00-10"}, "month 0"},
      {{"rate", "--birth", "15.06.1980"}, "not a date of the form YYYY-MM-DD"},
      {{"rate", "--birth=2004-1-01"}, "not a date of the form"},
      {{"rate", "--birth", "20040101"}, "not a date of the form"},
      {{"rate", "--birth", " 2004-01-01"}, "not a date of the form"},
      {{"rate", "--birth", "-004-01-01"}, "not a date of the form"},
      {{"rate", "--birth="}, "not a date of the form"},
      {{"rate", "--birth", "1980-06-15", "--birth", "1980-06-16"}, "--birth is given more"},
      {{"rate", "--birth", "1980-06-15", "--colour", "red"}, "unknown option '--colour'"},
      {{"rate", "--birth", "1980-06-15", "extra"}, "unexpected argument 'extra'"},
      {{"rate", "--birth", "1980-06-15", "--period", "year"}, "'year' is not one of"},
      {{"rate", "--birth", "1980-06-15", "--today", "2004-13-01"}, "--today: month 13"},
      {{"rate", "--birth", "1980-06-15", "--from", "2004-01-02"}, "--from needs --to"},
      {{"rate", "--birth", "1980-06-15", "--to", "2004-01-02"}, "--to needs --from"},
      {{"rate", "--birth", "1980-06-15", "--from", "2004-01-02", "--to", "2004-01-01"},
       "--from 2004-01-02 is after --to 2004-01-01"},
      {{"rate", "--birth", "1980-06-15", "--from", "2004-01-01", "--to", "2005-01-01"},
       "has 367 days, more than 366"},
      {{"rate", "--birth", "1980-06-15", "--from", "2004-01-01", "--to", "2004-01-02",
        "--period", "week"},
       "cannot be combined"},
      {{"bodies"}, "'bodies' needs --date"},
      {{"bodies", "--date", "2004-02-30"}, "--date: '2004-02-30' does not exist"},
      {{"signs", "--all"}, "unknown option '--all' for 'signs'"},
      {{"--version", "rate"}, "--version takes no other arguments"},
  };
  for (const auto& [args, reason] : cases) {
    SCOPED_TRACE(reason);
    const Result result = RunTool(args);
    EXPECT_EQ(result.status, kExitBadInput);
    EXPECT_EQ(result.out, "");  // never a partial object
    EXPECT_NE(result.err.find(reason), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line only";
  }
}

TEST(JsonWriterTest, EscapesAndNumbersThatReadBack) {
  JsonWriter json;
  json.BeginObject()
      .Key("list").BeginArray().Integer(-3).BeginObject().EndObject().BeginArray().EndArray().EndArray()
      .Key("say \"hi\"\\").String("tab\there\nnew\x01")
      .Key("nan").Number(std::numeric_limits<double>::quiet_NaN())  // JSON has neither
      .Key("inf").Number(-std::numeric_limits<double>::infinity())
      .EndObject();
  EXPECT_EQ(json.Text(), R"({"list":[-3,{},[]],"say \"hi\"\\":"tab\there\nnew\u0001",)"
                         R"("nan":null,"inf":null})");
  for (double value : {0.1, 1.0 / 3.0, -0.0, 1e-300, 5e-324, DBL_MAX, -27.99038105676658,
                       123456789.125, 4.0, -1.0000000000000002}) {
    JsonWriter number;
    number.Number(value);
    const double back = std::strtod(number.Text().c_str(), nullptr);
    EXPECT_EQ(back, value) << number.Text();
    EXPECT_EQ(std::signbit(back), std::signbit(value)) << number.Text();
  }
}

}  // namespace
}  // namespace astrivo
