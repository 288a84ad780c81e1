// The text of a settings file in the layout QSettings' IniFormat writes: `[section]` headers
// and `key=value` lines, keys percent-encoded ("start%20day"). Parsing keeps every line it
// understands and notes, without giving up, each one it does not.
#pragma once

#include <vector>

#include <QByteArray>
#include <QString>

namespace astrivo {

class IniText {
 public:
  // A file read line by line. A line that is not valid UTF-8, holds a control character, or
  // is neither blank, a comment, a header nor a key=value line marks the text damaged and is
  // left out; the lines around it still count, under the last good header.
  static IniText Parse(const QByteArray& bytes);

  bool Damaged() const { return damaged_; }
  // The value's text with blanks and quotes trimmed; null when absent.
  QString Value(const QString& section, const QString& name) const;
  void SetValue(const QString& section, const QString& name, const QString& value);
  // Every section and key in the order first met; comments and the damaged lines are gone.
  QByteArray ToBytes() const;

 private:
  // Names are kept as written, so that keys and sections the program does not know go back
  // out exactly as they came, and decoded ("start day") to be found by.
  struct Entry {
    QByteArray written;
    QString name;
    QByteArray value;
  };
  struct Section {
    QByteArray written;  // empty for keys before any header
    QString name;
    std::vector<Entry> entries;
  };

  static constexpr size_t kNoSection = static_cast<size_t>(-1);

  // The section's index, added at the end when the text has none of that name.
  size_t IndexOf(const QString& section);
  void ParseLine(const QByteArray& line, size_t& current);

  std::vector<Section> sections_;
  bool damaged_ = false;
};

}  // namespace astrivo
