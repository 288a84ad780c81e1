// The per-user settings store: integer values by section and name in one file,
// <config folder>/Kavero/<program name>.conf, in the layout QSettings' IniFormat writes.
#pragma once

#include <utility>
#include <vector>

#include <QString>

namespace astrivo {

class IniText;

class SettingsStore {
 public:
  using NamedInt = std::pair<QString, int>;

  SettingsStore();                                 // the user's own store
  explicit SettingsStore(const QString& iniPath);  // a file of one's choosing

  const QString& Path() const { return path_; }

  // `defaultValue` when the value is missing or is not a 32-bit integer, and when the file
  // cannot be read at all.
  int ReadInt(const QString& section, const QString& name, int defaultValue) const;

  // Stores all `values` in `section` with one replacement of the file, keeping its other
  // sections and keys, then reads the file back to check. A file that could not be read back
  // cleanly is first copied aside as <file>.damaged (-2, -3, ... when that name is taken).
  // False when the values are not stored; the file is then as it was.
  bool WriteInts(const QString& section, const std::vector<NamedInt>& values);

 private:
  enum class Found { kNothing, kText, kInTheWay };
  // What stands at the path; `text` is filled for kText.
  Found Load(IniText& text) const;
  bool KeepAside() const;
  bool Holds(const QString& section, const std::vector<NamedInt>& values) const;

  QString path_;
};

}  // namespace astrivo
