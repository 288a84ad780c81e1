// The text of a settings file in the layout QSettings' IniFormat writes: `[section]` headers
// and `key=value` lines, keys percent-encoded ("start%20day"). Parsing keeps every line it
// understands and notes, without giving up, each one it does not. Writing changes only the
// lines of the values set: everything else (comments, blank lines, unknown sections and keys,
// a byte-order mark, the line ends) goes back out byte for byte, where it stood.
#pragma once

#include <vector>

#include <QByteArray>
#include <QHash>
#include <QString>

namespace astrivo {

class IniText {
 public:
  // A file read line by line; a line ends at LF, CR LF or a lone CR, and a UTF-8 byte-order
  // mark may open the file. A line that is not valid UTF-8, holds a control character, or is
  // neither blank, a comment, a header nor a key=value line marks the text damaged and is left
  // out; the lines around it still count, under the last good header. A key given twice in
  // its section also marks it damaged: the later line counts and the earlier one is left out.
  // Time and memory grow with the size of `bytes`.
  static IniText Parse(const QByteArray& bytes);

  bool Damaged() const { return damaged_; }
  // The value's text with blanks, quotes and a trailing `;` comment taken off; null when absent.
  QString Value(const QString& section, const QString& name) const;
  // `value` is plain text: no line end, quote or `;`. A value that already reads as `value`
  // is left as written; a changed one keeps its line's key, blanks and comment; a new key
  // goes after the last line of its section, a new section at the end.
  void SetValue(const QString& section, const QString& name, const QString& value);
  // Every line kept, in its place, then what SetValue added.
  QByteArray ToBytes() const;

  // Each section and its keys with their values, as Value reads them, sorted by name.
  struct NamedValues {
    QString section;
    std::vector<std::pair<QString, QString>> values;
    bool operator==(const NamedValues& other) const {
      return section == other.section && values == other.values;
    }
  };
  std::vector<NamedValues> Contents() const;

 private:
  static constexpr size_t kNone = static_cast<size_t>(-1);

  struct Line {
    QByteArray text;            // without its end
    QByteArray end;             // "\n", "\r\n", "\r", or empty for a last line without one
    bool kept = true;           // false for a damaged line and for a key given again later
    size_t after = kNone;       // for a line SetValue added: the line it follows (kNone: the end)
    bool opensSection = false;  // an added header, set off by a blank line
  };
  struct Section {
    QString name;
    size_t lastLine;              // where a new key of the section goes
    QHash<QString, size_t> keys;  // decoded name -> its line
  };

  void ParseLine(size_t index, size_t& current);
  size_t SectionIndex(const QString& name);  // kNone when absent
  size_t AddSection(const QString& name, size_t lastLine);
  size_t AddLine(QByteArray text, size_t after, bool opensSection = false);
  QString ValueAt(size_t line) const;

  QByteArray source_;          // the file's bytes, which the lines read from
  QByteArray bom_;             // the byte-order mark the file opened with, if any
  QByteArray lineEnd_ = "\n";  // the first line end of the file, for added lines
  std::vector<Line> lines_;    // those read from the file, then those SetValue added
  size_t readLines_ = 0;
  std::vector<Section> sections_;
  QHash<QString, size_t> sectionIndex_;
  bool damaged_ = false;
};

}  // namespace astrivo
