// astrivo-cli in process and as a built program: the span and the ratings of each rate call,
// each day's ratings on request, each command's own usage, one line on stderr and status 2
// for each kind of bad input, and numbers that read back bit for bit.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "fixed_today.h"
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
  const int status = RunCli(args, out, err, kTestClock);
  return {status, out.str(), err.str()};
}

// Runs the built program as a shell would, into files of the test's own: ctest may run the tests
// in parallel.
Result RunBinary(const std::string& arguments) {
  const std::string base = ::testing::TempDir() + "astrivo_cli_" +
                           ::testing::UnitTest::GetInstance()->current_test_info()->name();
  const std::string command =
      std::string(ASTRIVO_CLI_PATH) + " " + arguments + " >" + base + ".out 2>" + base + ".err";
  const int raw = std::system(command.c_str());
  const auto read = [&base](const char* stream) {
    std::ostringstream text;
    text << std::ifstream(base + stream).rdbuf();
    return text.str();
  };
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, read(".out"), read(".err")};
}

// The ratings below come from tools/reference/sky_reference.py, a separate model of the orbits,
// the catalogue and the rating rules that shares no code with the engine.
const std::string kGeminiWeek = R"({"sign":"GEMINI","signIndex":4,"from":"2004-06-14",)"
                                R"("to":"2004-06-20","days":7,"luck":24,"love":23,"money":41)";
const std::string kGeminiWeekDaily =
    R"(,"daily":[{"date":"2004-06-14","luck":0,"love":0,"money":0},)"
    R"({"date":"2004-06-15","luck":28,"love":3,"money":49},)"
    R"({"date":"2004-06-16","luck":48,"love":52,"money":81},)"
    R"({"date":"2004-06-17","luck":22,"love":55,"money":69},)"
    R"({"date":"2004-06-18","luck":42,"love":53,"money":51},)"
    R"({"date":"2004-06-19","luck":5,"love":0,"money":28},)"
    R"({"date":"2004-06-20","luck":28,"love":0,"money":13}])";

TEST(CliTest, CommandsAndTheSpansRateCovers) {
  const std::string geminiWeek = kGeminiWeek + "}\n";
  const FixedToday today({31, 12, 2003});  // a Wednesday
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--version"}, "astrivo-cli 1.1\n"},
      {{"--help"}, "Usage: astrivo-cli COMMAND"},
      {{"rate", "--birth", "1980-06-15", "--period", "today", "--today", "2004-06-16"},
       R"("days":1,"luck":48,"love":52,"money":81})"},
      {{"rate", "--daily", "--birth", "1980-06-15", "--today", "2004-06-16"},
       kGeminiWeek + kGeminiWeekDaily + "}\n"},
      {{"rate", "--birth", "2000-02-29", "--from", "2004-02-27", "--to", "2004-03-02", "--daily"},
       R"("luck":44,"love":13,"money":41,"daily":[{"date":"2004-02-27","luck":59,"love":59,)"
       R"("money":70},{"date":"2004-02-28","luck":35,"love":0,"money":34},{"date":"2004-02-29",)"
       R"("luck":41,"love":10,"money":27},{"date":"2004-03-01","luck":47,"love":0,"money":38},)"
       R"({"date":"2004-03-02","luck":42,"love":0,"money":39}]})"},
      {{"signs"}, R"({"signs":[{"label":"Aquarius","longitude":-28.4)"},
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

TEST(CliTest, EachCommandExplainsOnlyItself) {
  const std::pair<const char*, const char*> cases[] = {
      {"rate", "Usage: astrivo-cli rate --birth YYYY-MM-DD"},
      {"bodies", "Usage: astrivo-cli bodies --date YYYY-MM-DD\n"},
      {"signs", "Usage: astrivo-cli signs\n"},
  };
  for (const auto& [command, usage] : cases) {
    for (const char* help : {"--help", "-h"}) {
      SCOPED_TRACE(std::string(command) + " " + help);
      const Result result = RunTool({command, help});
      EXPECT_EQ(result.status, kExitSuccess);
      EXPECT_EQ(result.err, "");
      EXPECT_EQ(result.out.rfind(usage, 0), 0u) << result.out;
      EXPECT_EQ(result.out.find("COMMAND"), std::string::npos) << result.out;
      for (const auto& [other, ignored] : cases) {
        if (other != command) {
          EXPECT_EQ(result.out.find(std::string("astrivo-cli ") + other), std::string::npos);
        }
      }
    }
  }
}

TEST(CliTest, BadInputNamesTheProblem) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{}, "no command given"},
      {{"horoscope"}, "unknown command 'horoscope'"},
      {{"rate"}, "'rate' needs --birth"},
      {{"rate", "--birth"}, "option --birth needs a value"},
      {{"rate", "1980-06-15"}, "unexpected argument '1980-06-15'"},
      {{"rate", "--birth", "15.06.1980"}, "'15.06.1980' is not a date of the form YYYY-MM-DD"},
      {{"rate", "--birth", "2004-02-30"}, "'2004-02-30' does not exist: February 2004 has 29 days"},
      {{"rate", "--birth", "2004-01-00"}, "January 2004 has 31 days"},
      {{"rate", "--birth", "1900-12-31"}, "--birth: year 1900 is outside 1901 to 2099"},
      {{"rate", "--birth", "2100-01-01"}, "year 2100 is outside"},
      {{"rate", "--birth", "1980-06-15", "--today", "2004-13-01"}, "--today: month 13"},
      {{"rate", "--birth", "1980-06-15", "--colour", "red"}, "unknown option '--colour'"},
      {{"rate", "--birth", "1980-06-15", "--daily=yes"}, "option --daily takes no value"},
      {{"bodies", "--date", "2004-06-16", "--daily"}, "unknown option '--daily' for 'bodies'"},
      {{"rate", "--birth", "1980-06-15", "--period", "year"}, "'year' is not one of"},
      {{"rate", "--birth", "1980-06-15", "--from", "2004-01-02"}, "--from needs --to"},
      {{"rate", "--birth", "1980-06-15", "--from", "2004-01-02", "--to", "2004-01-01"},
       "--from 2004-01-02 is after --to 2004-01-01"},
      {{"rate", "--birth", "1980-06-15", "--from", "2004-01-01", "--to", "2005-01-01"},
       "has 367 days, more than 366"},
      {{"rate", "--birth", "1980-06-15", "--from", "2004-01-01", "--to", "2004-01-02", "--period",
        "week"},
       "cannot be combined"},
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

TEST(JsonWriterTest, NumbersReadBackBitForBit) {
  // The longest shortest forms (a subnormal, DBL_MAX) must fit the writer's buffer.
  for (double value : {0.1, -0.0, 5e-324, -2.2250738585072014e-308, DBL_MAX, -1.0000000000000002}) {
    JsonWriter number;
    number.Number(value);
    const double back = std::strtod(number.Text().c_str(), nullptr);
    EXPECT_EQ(back, value) << number.Text();
    EXPECT_EQ(std::signbit(back), std::signbit(value)) << number.Text();
  }
}

TEST(CliEndToEndTest, BadInputAndBodiesThatReadBackExactly) {
  const Result bad = RunBinary("rate --birth 2004-02-30");
  EXPECT_EQ(bad.status, kExitBadInput);
  EXPECT_EQ(bad.out, "");
  EXPECT_NE(bad.err.find("does not exist"), std::string::npos) << bad.err;

  const Result outcome = RunBinary("bodies --date 2004-06-16");
  ASSERT_EQ(outcome.status, kExitSuccess) << outcome.err;
  EXPECT_EQ(outcome.err, "");
  // The same digits as tools/reference/sky_reference.py prints for day 1629 with Python's
  // shortest round-trip repr: every double survives the trip through text bit for bit.
  EXPECT_EQ(outcome.out,
            R"({"dayNumber":1629,"bodies":[)"
            R"({"name":"EARTH","x":-0.10304224001207526,"y":-0.9787673850086932,"z":-0,)"
            R"("sight":[0,0,0]},)"
            R"({"name":"SUN","x":0,"y":0,"z":0,"sight":[0,0,0]},)"
            R"({"name":"MERCURY","x":0.10620862681064552,"y":0.2887307960909138,)"
            R"("z":0.013804662612111072,)"
            R"("sight":[0.8143775716096735,4.932940572323096,0.05372597870510312]},)"
            R"({"name":"VENUS","x":4.556214856296886e-05,"y":-0.7269097664420694,)"
            R"("z":-0.009907265896076541,)"
            R"("sight":[1.8927781705532396,4.624316286883174,-0.18190567870230906]},)"
            R"({"name":"MARS","x":-1.1234679226861257,"y":1.210240273793902,)"
            R"("z":0.05296138106257195,)"
            R"("sight":[-2.1120302921192566,4.53070768755721,0.10961703827710569]},)"
            R"({"name":"JUPITER","x":-5.377515712811072,"y":0.770699592070492,)"
            R"("z":0.11704954360877204,)"
            R"("sight":[-4.744704764973485,1.5737503174712995,0.10529307430639089]}]})"
            "\n");
}

}  // namespace
}  // namespace astrivo
