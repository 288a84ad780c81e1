// A newline or an escape sequence inside an argument would otherwise break the one-line
// message apart or reach the terminal as a command.
#include "cli/printable_text.h"

#include <cstdio>

namespace astrivo {

std::string WithControlsEscaped(std::string_view text) {
  std::string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0U;
    char escape[8];
    if (byte == '\n') {
      shown += "\\n";
    } else if (byte == '\r') {
      shown += "\\r";
    } else if (byte == '\t') {
      shown += "\\t";
    } else if (byte == '\\') {
      shown += "\\\\";
    } else if (byte < 0x20 || byte == 0x7f) {
      std::snprintf(escape, sizeof escape, "\\x%02x", byte);
      shown += escape;
    } else if (byte == 0xc2 && next >= 0x80 && next <= 0x9f) {
      std::snprintf(escape, sizeof escape, "\\u%04x", next);
      shown += escape;
      ++i;
    } else {
      shown += text[i];
    }
  }
  return shown;
}

}  // namespace astrivo
