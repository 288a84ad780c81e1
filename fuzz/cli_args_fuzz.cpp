// The command-line tool's arguments from any bytes, one argument per line: it never crashes,
// and it keeps its promises: exit 0 with its answer (a JSON object, or the usage or version
// text) and a newline on out and nothing on err, or exit 2 with nothing on out and one line on
// err with no control character in it.
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "engine/local_clock.h"
#include "promise_check.h"

using astrivo::fuzz::Check;

namespace {

class FixedClock final : public astrivo::LocalClock {
 public:
  astrivo::LocalDate Today() const override { return {16, 6, 2004}; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> args;
  std::istringstream lines(input);
  for (std::string arg; std::getline(lines, arg);) args.push_back(arg);

  std::ostringstream out;
  std::ostringstream err;
  const int code = astrivo::RunCli(args, out, err, FixedClock());
  const std::string printed = out.str();
  const std::string complaint = err.str();
  if (code == astrivo::kExitSuccess) {
    Check(complaint.empty() && !printed.empty() && printed.back() == '\n',
          "an answer and a newline");
    if (printed.front() == '{')
      Check(printed.substr(printed.size() - 2) == "}\n", "a whole object");
  } else {
    Check(code == astrivo::kExitBadInput, "exit 0 or 2");
    Check(printed.empty(), "nothing on out for bad input");
    Check(!complaint.empty() && complaint.find('\n') == complaint.size() - 1, "one line on err");
    // Plain text for a terminal: no control character but the line's end, nor a C1 one in UTF-8.
    for (std::size_t i = 0; i + 1 < complaint.size(); ++i) {
      const auto byte = static_cast<unsigned char>(complaint[i]);
      const auto next = static_cast<unsigned char>(complaint[i + 1]);
      Check(byte >= 0x20 && byte != 0x7f && !(byte == 0xc2 && next >= 0x80 && next <= 0x9f),
            "no control character on err");
    }
  }
  return 0;
}
