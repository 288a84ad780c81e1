// The command-line tool's logic, callable in-process: parses the arguments, checks them
// strictly and prints one JSON object.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace astrivo {

class LocalClock;

constexpr int kExitSuccess = 0;
constexpr int kExitOutputFailed = 1;  // the JSON could not be written
constexpr int kExitBadInput = 2;      // one line on err says what was wrong

// The longest span rate takes, in days counting both ends: one leap year.
constexpr std::int64_t kMaxSpanDays = 366;

// args excludes the program name. On success the whole JSON object and a newline go to out;
// on bad input nothing goes to out.
// Today (for --period without --today) comes from `clock`.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const LocalClock& clock);

}  // namespace astrivo
