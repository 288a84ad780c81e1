// Runs the astrivo-cli executable as a shell would: exit status, stdout and stderr, and the
// printed numbers reading back as the model's own doubles.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "sky/sky_scene.h"

namespace {

struct Outcome {
  int status;
  std::string out, err;
};

Outcome RunCli(const std::string& arguments) {
  // One file per test: ctest may run the tests of this file in parallel.
  const std::string errPath = ::testing::TempDir() + "astrivo_cli_stderr_" +
                              ::testing::UnitTest::GetInstance()->current_test_info()->name();
  Outcome outcome{-1, "", ""};
  FILE* pipe = popen((std::string(ASTRIVO_CLI_PATH) + " " + arguments + " 2>" + errPath).c_str(), "r");
  if (pipe == nullptr) return outcome;
  char buffer[4096];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) outcome.out.append(buffer, got);
  const int raw = pclose(pipe);
  outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::stringstream text;
  text << std::ifstream(errPath).rdbuf();
  outcome.err = text.str();
  return outcome;
}

TEST(CliEndToEndTest, ExitStatusAndStreams) {
  const struct {
    const char* arguments;
    int status;
    const char* fragment;  // of stdout on success, of stderr otherwise
  } cases[] = {
      {"--version", 0, "astrivo-cli 1.1\n"},
      {"rate --help", 0, "Usage: astrivo-cli"},
      {"rate --birth 1980-06-15 --today 2004-06-16", 0,
       R"({"sign":"GEMINI","signIndex":4,"from":"2004-06-14","to":"2004-06-20","days":7,)"},
      {"signs", 0, R"({"signs":[{"label":"Aquarius","longitude":-28.4)"},
      {"", 2, "no command given"},
      {"rate --birth 2004-02-30", 2, "does not exist"},
      {"bodies --date", 2, "--date needs a value"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    const Outcome outcome = RunCli(c.arguments);
    EXPECT_EQ(outcome.status, c.status);
    const std::string& shown = c.status == 0 ? outcome.out : outcome.err;
    const std::string& silent = c.status == 0 ? outcome.err : outcome.out;
    EXPECT_NE(shown.find(c.fragment), std::string::npos) << shown;
    EXPECT_EQ(silent, "");
  }
}

TEST(CliEndToEndTest, BodiesReadBackExactly) {
  const Outcome outcome = RunCli("bodies --date 2004-06-16");
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  astrivo::SkyScene scene;
  scene.Build();
  scene.UpdatePlanets(1629.0);
  std::size_t at = outcome.out.find(R"({"dayNumber":1629,"bodies":[)");
  ASSERT_EQ(at, 0u) << outcome.out;
  for (int k = 0; k < scene.BodyCount(); ++k) {
    const astrivo::Planet& body = *scene.BodyAt(k);
    at = outcome.out.find(R"({"name":")" + (k == 1 ? "SUN" : body.name) + R"(","x":)", at);
    ASSERT_NE(at, std::string::npos) << k;
    const char* text = outcome.out.c_str() + outcome.out.find(':', at + 8) + 1;
    char* end = nullptr;
    for (const double expected : {body.Component(0), body.Component(1), body.Component(2),
                                  body.sight.Component(0), body.sight.Component(1),
                                  body.sight.Component(2)}) {
      EXPECT_EQ(std::strtod(text, &end), expected) << k;  // x, y, z, then the sight's three
      text = end + std::strcspn(end, "-0123456789");
    }
  }
}

}  // namespace
