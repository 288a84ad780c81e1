// RunCli in-process: the JSON of each command agrees with the engine, and bad input gets
// exit status 2, one line on stderr and nothing on stdout.
#include "tools/cli/cli_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include "engine/horoscope_scoring.h"
#include "engine/local_clock.h"
#include "sky/sky_scene.h"

namespace astrivo {
namespace {

struct Result {
  int status;
  std::string out;
  std::string err;
};

Result RunTool(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCli(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(CliCommandTest, RateAgreesWithTheEngine) {
  const CalendarDate birth(15, 6, 1980);
  const CalendarDate first(14, 6, 2004);
  const CalendarDate last(20, 6, 2004);
  SkyScene scene;
  scene.Build();
  const HoroscopeScores scores = RatePeriod(scene, 4, birth, first, last);
  const std::string expected = R"({"sign":"GEMINI","signIndex":4,"from":"2004-06-14",)"
                               R"("to":"2004-06-20","days":7,"luck":)" +
                               std::to_string(scores.luck) + ",\"love\":" +
                               std::to_string(scores.love) + ",\"money\":" +
                               std::to_string(scores.money) + "}\n";

  const std::vector<std::string> sameWeek[] = {
      {"rate", "--birth", "1980-06-15", "--today", "2004-06-16"},
      {"rate", "--today=2004-06-20", "--period", "week", "--birth=1980-06-15"},
      {"rate", "--birth", "1980-06-15", "--from", "2004-06-14", "--to", "2004-06-20"},
  };
  for (const auto& args : sameWeek) {
    const Result result = RunTool(args);
    EXPECT_EQ(result.status, kExitSuccess) << result.err;
    EXPECT_EQ(result.out, expected);
    EXPECT_EQ(result.err, "");
  }
}

TEST(CliCommandTest, PeriodsAndTheDefaultToday) {
  const FixedToday today({31, 12, 2003});  // a Wednesday
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{"rate", "--birth", "2000-01-01"}, R"("from":"2003-12-29","to":"2004-01-04","days":7)"},
      {{"rate", "--birth", "2000-01-01", "--period", "today"},
       R"("from":"2003-12-31","to":"2003-12-31","days":1)"},
      {{"rate", "--birth", "2000-01-01", "--period", "tomorrow"},
       R"("from":"2004-01-01","to":"2004-01-01","days":1)"},
      {{"rate", "--birth", "2000-01-01", "--period", "month", "--today", "2004-02-10"},
       R"("from":"2004-02-01","to":"2004-02-29","days":29)"},
      {{"rate", "--birth", "2000-02-29", "--from", "2004-01-01", "--to", "2004-12-31"},
       R"("sign":"PISCES","signIndex":1,"from":"2004-01-01","to":"2004-12-31","days":366)"},
  };
  for (const auto& [args, fragment] : cases) {
    SCOPED_TRACE(fragment);
    const Result result = RunTool(args);
    EXPECT_EQ(result.status, kExitSuccess) << result.err;
    EXPECT_NE(result.out.find(fragment), std::string::npos) << result.out;
  }
}

TEST(CliCommandTest, BodiesAndSignsListEverything) {
  const Result bodies = RunTool({"bodies", "--date", "1999-12-31"});
  EXPECT_EQ(bodies.status, kExitSuccess);
  EXPECT_EQ(bodies.out.rfind(R"({"dayNumber":0,"bodies":[{"name":"EARTH","x":)", 0), 0u);
  EXPECT_NE(bodies.out.find(R"({"name":"SUN","x":0,"y":0,"z":0,"sight":[0,0,0]})"),
            std::string::npos);
  EXPECT_NE(bodies.out.find(R"("name":"JUPITER")"), std::string::npos);

  const Result signs = RunTool({"signs"});
  EXPECT_EQ(signs.status, kExitSuccess);
  EXPECT_EQ(signs.out.rfind(R"({"signs":[{"label":"Aquarius","longitude":-28.40)", 0), 0u);
  EXPECT_NE(signs.out.find(R"("label":"Capricorn",)"), std::string::npos);
  EXPECT_EQ(signs.out.substr(signs.out.size() - 13), R"("stars":6}]})" "\n");
}

TEST(CliCommandTest, HelpAndVersion) {
  const Result version = RunTool({"--version"});
  EXPECT_EQ(version.status, kExitSuccess);
  EXPECT_EQ(version.out, "astrivo-cli 1.1\n");
  for (const auto& args : {std::vector<std::string>{"--help"}, {"rate", "--help"}, {"-h"}}) {
    const Result help = RunTool(args);
    EXPECT_EQ(help.status, kExitSuccess);
    EXPECT_EQ(help.out.rfind("Usage: astrivo-cli", 0), 0u);
  }
}

TEST(CliCommandTest, BadInputNamesTheProblem) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{}, "no command given"},
      {{"horoscope"}, "unknown command 'horoscope'"},
      {{"rate"}, "'rate' needs --birth"},
      {{"rate", "--birth"}, "option --birth needs a value"},
      {{"rate", "--birth", "2004-02-30"}, "--birth: '2004-02-30' does not exist"},
      {{"rate", "--birth", "1900-06-15"}, "--birth: year 1900 is outside 1901 to 2099"},
      {{"rate", "--birth", "2100-01-01"}, "year 2100"},
      {{"rate", "--birth", "15.06.1980"}, "not a date of the form YYYY-MM-DD"},
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

}  // namespace
}  // namespace astrivo
