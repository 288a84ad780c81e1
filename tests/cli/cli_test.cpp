// astrivo-cli as a shell runs it: exit status, stdout and stderr for good and bad input.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct Result {
  int status;
  std::string out, err;
};

// Runs the built program into files of the test's own: ctest may run tests in parallel.
Result RunCli(const std::string& arguments) {
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

TEST(CliTest, GoodInputPrintsJsonAndExitsZero) {
  // The ratings come from `tools/reference/sky_reference.py rate ...`, a separate model of the
  // orbits, the catalogue and the rating rules that shares no code with the program. A row
  // ending in a newline is the whole output.
  const std::pair<const char*, std::string> cases[] = {
      {"--version", "astrivo-cli 1.1\n"},
      {"rate --help", "Usage: astrivo-cli rate --birth YYYY-MM-DD"},
      {"rate --birth 1980-06-15 --period week --today 2004-06-16",
       R"({"sign":"GEMINI","signIndex":4,"from":"2004-06-14","to":"2004-06-20","days":7,)"
       R"("luck":24,"love":23,"money":41}
)"},
      {"rate --daily --birth=2000-02-29 --from 2004-02-28 --to 2004-03-01",
       R"({"sign":"PISCES","signIndex":1,"from":"2004-02-28","to":"2004-03-01","days":3,)"
       R"("luck":41,"love":3,"money":33,"daily":[)"
       R"({"date":"2004-02-28","luck":35,"love":0,"money":34},)"
       R"({"date":"2004-02-29","luck":41,"love":10,"money":27},)"
       R"({"date":"2004-03-01","luck":47,"love":0,"money":38}]}
)"},
      {"rate --birth 1901-01-01 --period tomorrow --today 2003-12-31",
       R"("from":"2004-01-01","to":"2004-01-01","days":1,"luck":59,"love":10,"money":48})"},
      {"rate --birth 2099-12-31 --from 2099-12-25 --to 2099-12-31",
       R"("days":7,"luck":63,"love":21,"money":30})"},
      {"signs", R"({"signs":[{"label":"Aquarius","longitude":-28.4)"},
      // The digits `sky_reference.py bodies 1629` prints with Python's shortest round-trip
      // repr: every double survives the trip through text bit for bit.
      {"bodies --date 2004-06-16",
       R"({"name":"VENUS","x":4.556214856296886e-05,"y":-0.7269097664420694,)"
       R"("z":-0.009907265896076541,)"
       R"("sight":[1.8927781705532396,4.624316286883174,-0.18190567870230906]},)"},
  };
  for (const auto& [arguments, expected] : cases) {
    SCOPED_TRACE(arguments);
    const Result result = RunCli(arguments);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    if (expected.back() == '\n') {
      EXPECT_EQ(result.out, expected);
    } else {
      EXPECT_NE(result.out.find(expected), std::string::npos) << result.out;
    }
  }
}

TEST(CliTest, BadInputGetsOneLineOnStderrAndStatusTwo) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "no command given"},
      {"horoscope", "unknown command 'horoscope'"},
      {"rate", "'rate' needs --birth"},
      {"rate --birth 2004-02-30", "'2004-02-30' does not exist: February 2004 has 29 days"},
      {"rate --birth 1900-12-31", "--birth: year 1900 is outside 1901 to 2099"},
      {"rate --birth 2100-01-01", "year 2100 is outside"},
      {"rate --birth 1980-06-15 --period year", "'year' is not one of"},
      {"rate --birth 1980-06-15 --from 2004-01-02 --to 2004-01-01",
       "--from 2004-01-02 is after --to 2004-01-01"},
  };
  for (const auto& [arguments, reason] : cases) {
    SCOPED_TRACE(arguments);
    const Result result = RunCli(arguments);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");  // never a partial object
    EXPECT_NE(result.err.find(reason), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line only";
  }
}

}  // namespace
