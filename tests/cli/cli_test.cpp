// astrivo-cli as a shell runs it: exit status, stdout and stderr for good and bad input.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct Result {
  int status;
  std::string out, err;
};

// Runs the built program into files of this process's own: other builds may run this test
// at the same time.
Result RunCli(const std::string& arguments) {
  const std::string base = ::testing::TempDir() + "astrivo_cli_" + std::to_string(::getpid());
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

TEST(CliTest, JsonOnGoodInputAndOneLineOnStderrOnBadInput) {
  // The ratings come from `tools/reference/sky_reference.py rate ...`, a separate model of the
  // orbits, the catalogue and the rating rules that shares no code with the program. The text
  // is looked for in stdout on status 0 (the whole of it if it ends in a newline), in stderr
  // on status 2; the other stream stays empty.
  const struct {
    const char* arguments;
    int status;
    std::string text;
  } cases[] = {
      {"--version", 0, "astrivo-cli 1.1\n"},
      {"rate --help", 0, "Usage: astrivo-cli rate --birth YYYY-MM-DD"},
      {"rate --birth 1980-06-15 --period week --today 2004-06-16", 0,
       R"({"sign":"GEMINI","signIndex":4,"from":"2004-06-14","to":"2004-06-20","days":7,)"
       R"("luck":24,"love":23,"money":41})"
       "\n"},
      {"rate --daily --birth=2000-02-29 --from 2004-02-28 --to 2004-03-01", 0,
       R"({"sign":"PISCES","signIndex":1,"from":"2004-02-28","to":"2004-03-01","days":3,)"
       R"("luck":41,"love":3,"money":33,"daily":[)"
       R"({"date":"2004-02-28","luck":35,"love":0,"money":34},)"
       R"({"date":"2004-02-29","luck":41,"love":10,"money":27},)"
       R"({"date":"2004-03-01","luck":47,"love":0,"money":38}]})"
       "\n"},
      {"rate --birth 1901-01-01 --period tomorrow --today 2003-12-31", 0,
       R"("from":"2004-01-01","to":"2004-01-01","days":1,"luck":59,"love":10,"money":48})"},
      {"rate --birth 2099-12-31 --from 2099-12-25 --to 2099-12-31", 0,
       R"("days":7,"luck":63,"love":21,"money":30})"},
      // The first and the last sign whole: `sky_reference.py signs` for the numbers, the star
      // counts from the catalogue's own table; each sign named as rate names it.
      {"signs", 0,
       R"({"signs":[{"sign":"AQUARIUS","signIndex":0,"label":"Aquarius",)"
       R"("longitude":-28.40049526076302,"latitude":6.445926800776614,"rho":4.894474954024796,)"
       R"("ringRadius":18.81180607295757,"stars":7},)"},
      {"signs", 0,
       R"({"sign":"CAPRICORN","signIndex":11,"label":"Capricorn","longitude":-49.78824828857282,)"
       R"("latitude":3.3000157334059987,"rho":4.927676963266373,"ringRadius":14.158900882144634,)"
       R"("stars":6}]})"},
      // The digits `sky_reference.py bodies 1629` prints with Python's shortest round-trip
      // repr: every double survives the trip through text bit for bit.
      {"bodies --date 2004-06-16", 0, R"({"date":"2004-06-16","dayNumber":1629,"bodies":[{)"},
      {"bodies --date 2004-06-16", 0,
       R"({"name":"VENUS","x":4.556214856296886e-05,"y":-0.7269097664420694,)"
       R"("z":-0.009907265896076541,)"
       R"("sight":[1.8927781705532396,4.624316286883174,-0.18190567870230906]},)"},
      // Rated days run from 1 March 1900 to 28 February 2100 whichever way the span is given;
      // birth dates stay within 1901 to 2099. Day numbers and weekdays by the calendar formula
      // by hand: 28 February 2100 is day 36584, a Sunday; 1 March 1900 a Thursday.
      {"rate --birth 1980-06-15 --period tomorrow --today 2099-12-31", 0,
       R"({"sign":"GEMINI","signIndex":4,"from":"2100-01-01","to":"2100-01-01","days":1,)"
       R"("luck":24,"love":49,"money":23})"
       "\n"},
      {"rate --birth 1901-01-01 --from 1900-03-01 --to 1900-03-07", 0,
       R"("from":"1900-03-01","to":"1900-03-07","days":7,"luck":56,"love":20,"money":36})"},
      {"rate --birth 2099-12-31 --period month --today 2100-02-15", 0,
       R"("from":"2100-02-01","to":"2100-02-28","days":28,"luck":82,"love":49,"money":31})"},
      {"bodies --date 2100-02-28", 0, R"({"date":"2100-02-28","dayNumber":36584,)"},
      {"rate --birth 1980-06-15 --from 2100-02-28 --to 2100-03-01", 2,
       "--to: 2100-03-01 is outside 1 March 1900 to 28 February 2100"},
      {"rate --birth 1980-06-15 --from 1900-02-28 --to 1900-03-01", 2,
       "--from: 1900-02-28 is outside 1 March 1900 to 28 February 2100"},
      {"rate --birth 1980-06-15 --period tomorrow --today 2100-02-28", 2,
       "the span from 2100-03-01 to 2100-03-01 runs outside 1 March 1900 to 28 February 2100"},
      {"rate --birth 1980-06-15 --period week --today 1900-03-01", 2,
       "the span from 1900-02-26 to 1900-03-04 runs outside"},
      {"rate --birth 1980-06-15 --today 1900-02-28", 2, "--today: 1900-02-28 is outside"},
      {"bodies --date 2100-03-01", 2, "--date: 2100-03-01 is outside"},
      {"rate --birth 1900-03-01", 2, "--birth: year 1900 is outside 1901 to 2099"},
      // --help and help alike: the limits, the exit statuses, each command's own usage.
      {"--help", 0, "Every day rated lies within 1 March 1900 to 28 February 2100;"},
      {"help", 0,
       "Exit status:\n"
       "  0  the object was printed\n"
       "  1  the output could not be written\n"
       "  2  bad input: one line on stderr says what was wrong"},
      {"help rate", 0, "Usage: astrivo-cli rate --birth YYYY-MM-DD"},
      {"help bodies", 0,
       "Usage: astrivo-cli bodies --date YYYY-MM-DD\n"
       "\n"
       "The six bodies' positions and sight directions on that day.\n"
       "The --date of bodies lies within 1 March 1900 to 28 February 2100.\n"},
      {"help horoscope", 2, "unknown command 'horoscope' (rate, bodies, signs or help)"},
      {"help rate signs", 2, "'help' takes at most one command"},
      // Short forms are refused by name, with the long options they could stand for.
      {"rate -b 1980-06-15", 2,
       "unknown option '-b' for 'rate'; options have long names only, did you mean --birth?"},
      {"rate --birth 1980-06-15 -t 2004-01-01", 2, "did you mean --to or --today?"},
      {"rate --birth 1980-06-15 -d", 2, "did you mean --daily?"},
      {"bodies -d 2004-06-16", 2, "did you mean --date?"},
      {"signs -x", 2, "unknown option '-x' for 'signs'; options have long names only ("},
      {"-V", 2, "unknown option '-V'; options have long names only ("},
      {"-v", 2, "did you mean --version?"},
      // A refused argument is echoed with its control characters escaped: the message stays
      // one line and no escape sequence reaches the terminal. UTF-8 letters pass as they are.
      {"rate --birth '\x1b[31mred'", 2,
       "astrivo-cli: --birth: '\\x1b[31mred' is not a date of the form YYYY-MM-DD "
       "(see astrivo-cli --help)\n"},
      {"'horo\nscope'", 2, "unknown command 'horo\\nscope'"},
      {"rate --birth 1980-06-15 '--bad\r\t\x7f\\'", 2, "'--bad\\r\\t\\x7f\\\\' for 'rate'"},
      {"rate --birth 1980-06-15 --period '\xc2\x9b"
       "2J'",
       2, "'\\u009b2J' is not one of"},
      {"rate --birth 1980-06-15 --period 'Zürich'", 2, "'Zürich' is not one of"},
      // A byte outside UTF-8 is escaped too: a lone 0x9b starts a command on some terminals.
      {"rate --birth 1980-06-15 --period '\x9b"
       "2J'",
       2, "'\\x9b2J' is not one of"},
      {"", 2, "no command given"},
      {"horoscope", 2, "unknown command 'horoscope'"},
      {"rate", 2, "'rate' needs --birth"},
      // Both dashes are checked: a letter in place of the second is no date, not 16 June.
      {"rate --birth 2004-06x16", 2,
       "astrivo-cli: --birth: '2004-06x16' is not a date of the form YYYY-MM-DD "
       "(see astrivo-cli --help)\n"},
      {"rate --birth 2004-02-30", 2, "'2004-02-30' does not exist: February 2004 has 29 days"},
      {"rate --birth 1900-12-31", 2, "--birth: year 1900 is outside 1901 to 2099"},
      {"rate --birth 2100-01-01", 2, "year 2100 is outside"},
      {"rate --birth 1980-06-15 --period year", 2, "'year' is not one of"},
      {"rate --birth 1980-06-15 --from 2004-01-02 --to 2004-01-01", 2,
       "--from 2004-01-02 is after --to 2004-01-01"},
      {"rate --birth 1980-06-15 --from 2004-01-01 --to 2005-01-01", 2,
       "the span from 2004-01-01 to 2005-01-01 has 367 days, more than 366"},
  };
  for (const auto& [arguments, status, text] : cases) {
    SCOPED_TRACE(arguments);
    const Result result = RunCli(arguments);
    EXPECT_EQ(result.status, status) << result.err;
    const std::string& shown = status == 0 ? result.out : result.err;
    EXPECT_EQ(status == 0 ? result.err : result.out, "");  // never a partial object
    if (text.back() == '\n') {
      EXPECT_EQ(shown, text);
    } else {
      EXPECT_NE(shown.find(text), std::string::npos) << shown;
    }
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line or none";
  }
}

}  // namespace
