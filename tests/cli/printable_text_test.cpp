// The escapes of a refused argument, in-process: byte sequences that only a direct call can end
// a text with, where the program's messages always close a quote after the argument.
#include "cli/printable_text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace astrivo {
namespace {

TEST(PrintableTextTest, BytesOutsideWellFormedUtf8AreEscapedOneByOne) {
  // Worked by hand from Unicode's table of well-formed UTF-8 byte sequences: after E0 the
  // second byte is A0..BF, after ED 80..9F, after F0 90..BF, after F4 80..8F; C0, C1 and
  // F5..FF never start one.
  const struct {
    const char* what;
    std::string text;
    std::string shown;
  } cases[] = {
      {"cut short at the end", "\xe2\x82", "\\xe2\\x82"},
      {"four bytes cut short", "\xf0\x9f\x8c", "\\xf0\\x9f\\x8c"},
      {"broken by a letter", "\xe2\x82z", "\\xe2\\x82z"},
      {"stray continuations", "\x80z\xbf", "\\x80z\\xbf"},
      {"overlong in two bytes", "\xc0\xaf\xc1\xbf", "\\xc0\\xaf\\xc1\\xbf"},
      {"overlong U+07FF", "\xe0\x9f\xbf", "\\xe0\\x9f\\xbf"},
      {"overlong U+FFFF", "\xf0\x8f\xbf\xbf", "\\xf0\\x8f\\xbf\\xbf"},
      {"surrogate U+D800", "\xed\xa0\x80", "\\xed\\xa0\\x80"},
      {"U+110000", "\xf4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"},
      {"never a lead", "\xf5\x80\x80\x80\xff", "\\xf5\\x80\\x80\\x80\\xff"},
      {"U+0800, U+D7FF, U+E000, U+10FFFF", "\xe0\xa0\x80\xed\x9f\xbf\xee\x80\x80\xf4\x8f\xbf\xbf",
       "\xe0\xa0\x80\xed\x9f\xbf\xee\x80\x80\xf4\x8f\xbf\xbf"},
      {"the moon U+1F319, the euro sign", "\xf0\x9f\x8c\x99\xe2\x82\xac",
       "\xf0\x9f\x8c\x99\xe2\x82\xac"},
  };
  for (const auto& [what, text, shown] : cases) {
    SCOPED_TRACE(what);
    // A buffer of exactly the text's bytes, with nothing after it, so that a read past the
    // end of a sequence cut short is caught by the sanitizer build.
    const std::vector<char> exact(text.begin(), text.end());
    EXPECT_EQ(WithControlsEscaped(std::string_view(exact.data(), exact.size())), shown);
  }
}

}  // namespace
}  // namespace astrivo
