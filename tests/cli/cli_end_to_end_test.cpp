// Runs the astrivo-cli executable as a shell would and checks exit status, stdout and stderr.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "sky/sky_scene.h"

namespace {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome RunCli(const std::string& arguments) {
  const std::string errPath = ::testing::TempDir() + "astrivo_cli_stderr.txt";
  const std::string command = std::string(ASTRIVO_CLI_PATH) + " " + arguments + " 2>" + errPath;
  Outcome outcome{-1, "", ""};
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return outcome;
  char buffer[4096];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) outcome.out.append(buffer, got);
  const int raw = pclose(pipe);
  outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::ifstream err(errPath);
  std::stringstream text;
  text << err.rdbuf();
  outcome.err = text.str();
  return outcome;
}

struct Case {
  const char* arguments;
  int status;
  const char* outFragment;  // "" for none expected
  const char* errFragment;
};

TEST(CliEndToEndTest, ExitStatusAndStreams) {
  const Case cases[] = {
      {"--version", 0, "astrivo-cli 1.1\n", ""},
      {"--help", 0, "Usage: astrivo-cli", ""},
      {"rate --birth 1980-06-15 --today 2004-06-16", 0,
       R"({"sign":"GEMINI","signIndex":4,"from":"2004-06-14","to":"2004-06-20","days":7,)", ""},
      {"signs", 0, R"({"signs":[{"label":"Aquarius",)", ""},
      {"", 2, "", "no command given"},
      {"rate --birth 2004-02-30", 2, "", "does not exist"},
      {"rate --birth 1980-06-15 --from 2004-01-01 --to 2005-06-01", 2, "", "more than 366"},
      {"bodies --date", 2, "", "--date needs a value"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const Outcome outcome = RunCli(c.arguments);
    EXPECT_EQ(outcome.status, c.status);
    if (c.status == 0) {
      EXPECT_NE(outcome.out.find(c.outFragment), std::string::npos) << outcome.out;
      EXPECT_EQ(outcome.err, "");
    } else {
      EXPECT_EQ(outcome.out, "");
      EXPECT_NE(outcome.err.find(c.errFragment), std::string::npos) << outcome.err;
      EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1);
    }
  }
}

// Reads the number after "key": following position from in text.
double NumberAfter(const std::string& text, const std::string& key, std::size_t& from) {
  from = text.find("\"" + key + "\":", from);
  if (from == std::string::npos) return 0.0;
  from += key.size() + 3;
  return std::strtod(text.c_str() + from, nullptr);
}

TEST(CliEndToEndTest, BodyPositionsReadBackExactly) {
  const Outcome outcome = RunCli("bodies --date 2004-06-16");
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  astrivo::SkyScene scene;
  scene.Build();
  scene.UpdatePlanets(1629.0);
  std::size_t at = outcome.out.find("\"dayNumber\":1629,");
  ASSERT_NE(at, std::string::npos);
  for (int k = 0; k < scene.BodyCount(); ++k) {
    SCOPED_TRACE(k);
    const astrivo::Planet& body = *scene.BodyAt(k);
    EXPECT_EQ(NumberAfter(outcome.out, "x", at), body.Component(0));
    EXPECT_EQ(NumberAfter(outcome.out, "y", at), body.Component(1));
    EXPECT_EQ(NumberAfter(outcome.out, "z", at), body.Component(2));
    ASSERT_NE(at, std::string::npos);
  }
}

}  // namespace
