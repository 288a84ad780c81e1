// The per-user settings store: integer values by section and name in one file,
// <config folder>/Kavero/<program name>.conf, in the layout QSettings' IniFormat writes.
// The config folder is $XDG_CONFIG_HOME, or $HOME/.config, each only when it is an absolute
// path; with neither there is no store: reads give the defaults and writes fail.
#pragma once

#include <utility>
#include <vector>

#include <QByteArray>
#include <QString>

namespace astrivo {

class IniText;

class SettingsStore {
 public:
  using NamedInt = std::pair<QString, int>;

  SettingsStore();                                 // the user's own store
  explicit SettingsStore(const QString& iniPath);  // a file of one's choosing

  // Empty when there is no store.
  const QString& Path() const { return path_; }

  // The values in `section`, each in the order asked; a value's default when it is missing
  // or is not a 32-bit integer, and all defaults when the file cannot be read at all. Reads
  // the file once.
  std::vector<int> ReadInts(const QString& section, const std::vector<NamedInt>& defaults) const;
  int ReadInt(const QString& section, const QString& name, int defaultValue) const;

  // Stores all `values` in `section` with one replacement of the file, keeping its other
  // sections, keys and comments as written. A file holding these values already is left
  // alone. One that could not be read back cleanly is copied aside as <file>.damaged (-2, -3,
  // ... when that name is taken) before it is replaced, unless such a copy of it is kept
  // already. False when the values are not stored; the file is then as it was, and no copy is
  // left behind. The program ignores the answer: a failed store changes nothing it shows.
  bool WriteInts(const QString& section, const std::vector<NamedInt>& values);

 private:
  enum class Found { kNothing, kText, kInTheWay };
  // What stands at the path; `bytes` and `text` are filled for kText.
  Found Load(QByteArray& bytes, IniText& text) const;
  // Sets `made` to the new copy, or leaves it empty when an identical copy is kept already.
  bool KeepAside(const QByteArray& bytes, QString& made) const;

  QString path_;
};

}  // namespace astrivo
