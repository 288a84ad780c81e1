// The settings reader on any bytes: it never crashes, and what it writes back reads as what it
// read. Parse -> ToBytes -> Parse keeps every section and value, and so does a file the
// program's own three values are then stored in.
#include <cstdint>

#include "platform/ini_text.h"
#include "promise_check.h"

using astrivo::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using astrivo::IniText;
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  IniText text = IniText::Parse(bytes);
  const auto contents = text.Contents();

  const IniText again = IniText::Parse(text.ToBytes());
  Check(!again.Damaged(), "what is written back reads cleanly");
  Check(again.Contents() == contents, "what is written back reads as what was read");
  Check(again.ToBytes() == text.ToBytes(), "writing back twice gives the same bytes");
  if (!text.Damaged()) Check(text.ToBytes() == bytes, "a clean file is written back as it was");

  // What the program writes at exit: a section, three names, integers.
  const QString section = QStringLiteral("user");
  const QString names[] = {QStringLiteral("start day"), QStringLiteral("start month"),
                           QStringLiteral("start year")};
  for (int i = 0; i < 3; ++i) text.SetValue(section, names[i], QString::number(i - 1));
  const IniText stored = IniText::Parse(text.ToBytes());
  Check(!stored.Damaged(), "a stored file reads cleanly");
  for (int i = 0; i < 3; ++i)
    Check(stored.Value(section, names[i]) == QString::number(i - 1), "the values stored read back");
  // Every other value reads as it did.
  for (const auto& named : contents) {
    for (const auto& [name, value] : named.values) {
      const bool set =
          named.section == section && (name == names[0] || name == names[1] || name == names[2]);
      if (!set) Check(stored.Value(named.section, name) == value, "the other values stay");
    }
  }
  return 0;
}
