// --help and --version of the window program, written with stdio alone: no toolkit object
// exists yet.
#include "app/command_line.h"

#include <cstdio>
#include <string>
#include <string_view>

#include "astrivo/build_facts.h"

namespace astrivo {

namespace {

constexpr std::string_view kUsage =
    "Usage: astrivo [QT-OPTIONS]\n"
    "Opens Astrivo's window: type a birth date, pick a period and press Submit to\n"
    "rate Luck, Love and Money beside a 3D view of the zodiac and the planets.\n"
    "\n"
    "Options:\n"
    "  -h, --help   print this help and exit\n"
    "  --version    print the version and exit\n"
    "Qt's standard options work as in any Qt program (-platform NAME, -style NAME,\n"
    "-geometry WxH+X+Y, -reverse, ...).\n"
    "\n"
    "man astrivo explains the window; astrivo-cli gives the same ratings as JSON.\n";

int Print(std::string_view text) {
  const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
  return written && std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, const char* const* argv) {
  for (int k = 1; k < argc; ++k) {
    const std::string_view arg = argv[k];
    if (arg == "--help" || arg == "-h") return Print(kUsage);
    if (arg == "--version") return Print(std::string("astrivo ") + kVersion + "\n");
  }
  return std::nullopt;
}

}  // namespace astrivo
