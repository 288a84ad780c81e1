// A newline or an escape sequence inside an argument would otherwise break the one-line
// message apart or reach the terminal as a command. A byte that is not part of well-formed
// UTF-8 is escaped too: a terminal that reads bytes one by one takes a lone 0x9b as the start
// of a command.
#include "cli/printable_text.h"

#include <cstdio>

namespace astrivo {
namespace {

// The length of the well-formed UTF-8 sequence that `rest` starts with, or 0 where it starts
// with none: a stray continuation byte, an overlong form, a surrogate, a code point past
// U+10FFFF or a sequence cut short. The ranges of each byte are Unicode's table of
// well-formed sequences.
std::size_t Utf8Length(std::string_view rest) {
  const auto byte = [rest](std::size_t k) { return static_cast<unsigned char>(rest[k]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char secondLow = 0x80, secondHigh = 0xbf;
  if (lead >= 0xc2 && lead <= 0xdf) {
    length = 2;
  } else if (lead >= 0xe0 && lead <= 0xef) {
    length = 3;
    if (lead == 0xe0) secondLow = 0xa0;   // below is an overlong form
    if (lead == 0xed) secondHigh = 0x9f;  // above are the surrogates
  } else if (lead >= 0xf0 && lead <= 0xf4) {
    length = 4;
    if (lead == 0xf0) secondLow = 0x90;   // below is an overlong form
    if (lead == 0xf4) secondHigh = 0x8f;  // above is past U+10FFFF
  } else {
    return 0;
  }
  if (rest.size() < length || byte(1) < secondLow || byte(1) > secondHigh) return 0;
  for (std::size_t k = 2; k < length; ++k) {
    if (byte(k) < 0x80 || byte(k) > 0xbf) return 0;
  }
  return length;
}

void AppendEscape(std::string& shown, const char* format, unsigned value) {
  char escape[8];
  std::snprintf(escape, sizeof escape, format, value);
  shown += escape;
}

}  // namespace

std::string WithControlsEscaped(std::string_view text) {
  std::string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const std::size_t length = Utf8Length(text.substr(i));
    if (byte == '\n') {
      shown += "\\n";
    } else if (byte == '\r') {
      shown += "\\r";
    } else if (byte == '\t') {
      shown += "\\t";
    } else if (byte == '\\') {
      shown += "\\\\";
    } else if (byte < 0x20 || byte == 0x7f || length == 0) {
      AppendEscape(shown, "\\x%02x", byte);
    } else if (length == 2 && byte == 0xc2 && static_cast<unsigned char>(text[i + 1]) <= 0x9f) {
      AppendEscape(shown, "\\u%04x", static_cast<unsigned char>(text[i + 1]));
      ++i;
    } else {
      shown.append(text, i, length);
      i += length - 1;
    }
  }
  return shown;
}

}  // namespace astrivo
