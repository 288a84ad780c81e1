// astrivo-cli: rates, positions and the catalogue on the command line, as JSON.
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "engine/local_clock.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  const astrivo::SystemClock clock{};
  return astrivo::RunCli(args, std::cout, std::cerr, clock);
}
