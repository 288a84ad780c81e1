// The window program's own two options, --help and --version: answered before the toolkit
// starts, so they open no window and need no display.
#pragma once

#include <optional>

namespace astrivo {

// When an argument is --help (or -h) or --version, prints the usage or the version on stdout
// and gives the exit status (0, or 1 when stdout cannot be written). Any other command line
// gives nothing and is left to the toolkit, whose standard options work as before.
std::optional<int> AnswerCommandLine(int argc, const char* const* argv);

}  // namespace astrivo
