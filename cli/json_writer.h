// A small JSON text builder for the command-line tool: compact output, doubles that read back
// as the same value.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace astrivo {

// Values are appended in document order; Key goes before each member of an object. The
// caller keeps the nesting balanced; Text() is complete once every Begin has its End.
class JsonWriter {
 public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  JsonWriter& Key(std::string_view name);
  JsonWriter& String(std::string_view value);
  JsonWriter& Integer(std::int64_t value);
  // Shortest text that reads back as the same double; NaN and infinities, which JSON cannot
  // carry, are written as null.
  JsonWriter& Number(double value);

  const std::string& Text() const { return text_; }

 private:
  void BeforeValue();
  void Open(char bracket);
  void Close(char bracket);

  std::string text_;
  std::vector<bool> hasMember_;  // per open object or array: whether a comma is due
  bool afterKey_ = false;
};

}  // namespace astrivo
