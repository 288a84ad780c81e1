// JsonWriter: the escapes a string needs to stay one valid JSON string.
#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(JsonWriterTest, StringEscapesQuoteBackslashAndControlCharacters) {
  // The expected text by hand from JSON's string grammar: a quote and a backslash take a
  // backslash before them, a newline and a tab their short escapes, and any other character
  // below 0x20 the six-character \u form with four hex digits.
  const struct {
    const char* name;
    std::string value;
    std::string text;
  } cases[] = {
      {"quote", "say \"hi\"", R"(["say \"hi\""])"},
      {"backslash", "C:\\sky", R"(["C:\\sky"])"},
      {"newline", "one\ntwo", R"(["one\ntwo"])"},
      {"tab", "a\tb", R"(["a\tb"])"},
      {"control 0x01", std::string("x\x01y"), R"(["x\u0001y"])"},
      {"all together", std::string("\"\\\n\t\x01", 5), R"(["\"\\\n\t\u0001"])"},
  };
  for (const auto& [name, value, text] : cases) {
    SCOPED_TRACE(name);
    astrivo::JsonWriter writer;
    writer.BeginArray().String(value).EndArray();
    EXPECT_EQ(writer.Text(), text);
  }
}

TEST(JsonWriterTest, KeyIsEscapedAsAString) {
  // A member name passes through the same escapes as a value: {"a\"b":"c"} by hand.
  astrivo::JsonWriter writer;
  writer.BeginObject().Key("a\"b").String("c").EndObject();
  EXPECT_EQ(writer.Text(), R"({"a\"b":"c"})");
}

}  // namespace
