// Text from the command line made safe to echo on one line of a terminal.
#pragma once

#include <string>
#include <string_view>

namespace astrivo {

// text with its control characters written as escapes: \n, \r, \t, \\ and \xHH for the other
// C0 controls and DEL, \u0080..\u009f for the C1 controls as UTF-8 carries them, and \xHH for
// each byte that is not part of well-formed UTF-8. The rest of UTF-8 passes unchanged.
std::string WithControlsEscaped(std::string_view text);

}  // namespace astrivo
