// Settings text: a tolerant line parser and an editor that rewrites only the values it sets.
#include "platform/ini_text.h"

#include <algorithm>
#include <functional>

#include <QUtf8StringView>

namespace astrivo {
namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";
constexpr qsizetype kBomSize = 3;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The value of `count` hex digits at `from`, or -1.
int HexAt(QByteArrayView text, qsizetype from, int count) {
  if (from + count > text.size()) return -1;
  int code = 0;
  for (int i = 0; i < count; ++i) {
    const int digit = HexDigit(text[from + i]);
    if (digit < 0) return -1;
    code = code * 16 + digit;
  }
  return code;
}

// A name as QSettings decodes it, so that the same file means the same sections and keys:
// %XX is the character XX (Latin-1), %UXXXX the character XXXX, the bytes between are UTF-8
// (a byte-order mark at their start is dropped). Anything else is taken as written.
QString Decoded(QByteArrayView written) {
  QString name;
  qsizetype rawFrom = 0;
  const auto flush = [&](qsizetype to) {
    name += QString::fromUtf8(written.constData() + rawFrom, to - rawFrom);
  };
  for (qsizetype i = 0; i < written.size(); ++i) {
    if (written[i] != '%') continue;
    const bool wide = i + 1 < written.size() && written[i + 1] == 'U';
    const int code = wide ? HexAt(written, i + 2, 4) : HexAt(written, i + 1, 2);
    if (code < 0) continue;
    flush(i);
    name += QChar(static_cast<char16_t>(code));
    i += wide ? 5 : 2;
    rawFrom = i + 1;
  }
  flush(written.size());
  return name;
}

// The inverse of Decoded, in QSettings' own spelling ("start%20day").
QByteArray Encoded(const QString& name) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  QByteArray written;
  for (const QChar c : name) {
    const char16_t code = c.unicode();
    if ((code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z') ||
        (code >= '0' && code <= '9') || code == '-' || code == '_' || code == '.') {
      written += static_cast<char>(code);
      continue;
    }
    const int digits = code < 0x100 ? 2 : 4;
    written += code < 0x100 ? "%" : "%U";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
      written += kHex[(code >> shift) & 0xf];
  }
  return written;
}

// What a crash or a stray program leaves: bytes that are no text, or control characters
// (a tab is the one a hand-edited file may hold).
bool IsText(const QByteArray& line) {
  if (!QUtf8StringView(line).isValidUtf8()) return false;
  return std::none_of(line.begin(), line.end(),
                      [](char c) { return (c >= 0 && c < 0x20 && c != '\t') || c == 0x7f; });
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Where the value of a key line stands: after the '=' and its blanks, up to a `;` outside
// quotes, without trailing blanks. The line has an '='.
std::pair<qsizetype, qsizetype> ValueSpan(const QByteArray& line) {
  qsizetype begin = line.indexOf('=') + 1;
  while (begin < line.size() && IsBlank(line[begin])) ++begin;
  qsizetype end = begin;
  bool quoted = false;
  while (end < line.size() && (quoted || line[end] != ';')) quoted ^= line[end++] == '"';
  while (end > begin && IsBlank(line[end - 1])) --end;
  return {begin, end};
}

}  // namespace

IniText IniText::Parse(const QByteArray& bytes) {
  IniText text;
  qsizetype from = 0;
  if (bytes.startsWith(kBom)) {
    text.bom_ = bytes.left(kBomSize);
    from = kBomSize;
  }
  bool endSeen = false;
  text.source_ = bytes;
  text.source_.detach();  // its own copy: `bytes` may be raw data that does not stay
  const char* const data = text.source_.constData();
  text.lines_.reserve(static_cast<size_t>(bytes.count('\n') + 1));
  while (from < bytes.size()) {
    const char* const stop = std::find_if(data + from, data + bytes.size(),
                                          [](char c) { return c == '\n' || c == '\r'; });
    const qsizetype to = stop - data;
    qsizetype endSize = to < bytes.size() ? 1 : 0;
    if (endSize == 1 && data[to] == '\r' && to + 1 < bytes.size() && data[to + 1] == '\n') {
      endSize = 2;
    }
    // The lines share the file's bytes until SetValue changes one.
    text.lines_.push_back({QByteArray::fromRawData(data + from, to - from),
                           QByteArray::fromRawData(data + to, endSize)});
    if (!endSeen && endSize > 0) {
      text.lineEnd_ = text.lines_.back().end;
      endSeen = true;
    }
    from = to + endSize;
  }
  text.readLines_ = text.lines_.size();
  size_t current = kNone;  // the section the next key belongs to
  for (size_t i = 0; i < text.lines_.size(); ++i) text.ParseLine(i, current);
  return text;
}

void IniText::ParseLine(size_t index, size_t& current) {
  Line& line = lines_[index];
  const auto damaged = [&] {
    line.kept = false;
    damaged_ = true;
  };
  if (!IsText(line.text)) return damaged();
  const QByteArrayView trimmed = QByteArrayView(line.text).trimmed();
  if (trimmed.isEmpty() || trimmed.startsWith(';') || trimmed.startsWith('#')) return;
  if (trimmed.startsWith('[')) {
    // What follows the closing bracket is ignored, as QSettings does.
    const qsizetype close = trimmed.indexOf(']');
    if (close < 0) return damaged();
    const QByteArrayView written = trimmed.sliced(1, close - 1).trimmed();
    if (written.isEmpty() || written.contains('[')) return damaged();
    const QString name = Decoded(written);
    current = SectionIndex(name);
    if (current == kNone) current = AddSection(name, index);
    sections_[current].lastLine = index;
    return;
  }
  const qsizetype equals = trimmed.indexOf('=');
  if (equals < 0) return damaged();
  const QByteArrayView written = trimmed.first(equals).trimmed();
  if (written.isEmpty()) return damaged();
  if (current == kNone) current = AddSection(QString(), index);  // keys before any header
  Section& section = sections_[current];
  const QString name = Decoded(written);
  const auto found = section.keys.find(name);
  if (found != section.keys.end()) {  // given twice: the later one counts, as it did for QSettings
    lines_[found.value()].kept = false;
    damaged_ = true;
    found.value() = index;
  } else {
    section.keys.insert(name, index);
  }
  section.lastLine = index;
}

size_t IniText::SectionIndex(const QString& name) {
  const auto found = sectionIndex_.constFind(name);
  return found == sectionIndex_.constEnd() ? kNone : found.value();
}

size_t IniText::AddSection(const QString& name, size_t lastLine) {
  sections_.push_back({name, lastLine, {}});
  sectionIndex_.insert(name, sections_.size() - 1);
  return sections_.size() - 1;
}

size_t IniText::AddLine(QByteArray text, size_t after, bool opensSection) {
  lines_.push_back({std::move(text), lineEnd_, true, after, opensSection});
  return lines_.size() - 1;
}

QString IniText::ValueAt(size_t line) const {
  const QByteArray& text = lines_[line].text;
  const auto [begin, end] = ValueSpan(text);
  QByteArray value = text.mid(begin, end - begin);
  if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"')) {
    value = value.mid(1, value.size() - 2);
  }
  return QString::fromUtf8(value.trimmed());
}

QString IniText::Value(const QString& section, const QString& name) const {
  const auto found = sectionIndex_.constFind(section);
  if (found == sectionIndex_.constEnd()) return QString();
  const QHash<QString, size_t>& keys = sections_[found.value()].keys;
  const auto key = keys.constFind(name);
  return key == keys.constEnd() ? QString() : ValueAt(key.value());
}

void IniText::SetValue(const QString& section, const QString& name, const QString& value) {
  size_t index = SectionIndex(section);
  if (index == kNone) {
    index = AddSection(section, AddLine('[' + Encoded(section) + ']', kNone, true));
  }
  Section& target = sections_[index];
  const auto found = target.keys.constFind(name);
  if (found == target.keys.constEnd()) {
    target.lastLine = AddLine(Encoded(name) + '=' + value.toUtf8(), target.lastLine);
    target.keys.insert(name, target.lastLine);
    return;
  }
  if (ValueAt(found.value()) == value) return;
  QByteArray& text = lines_[found.value()].text;
  const auto [begin, end] = ValueSpan(text);
  text = text.left(begin) + value.toUtf8() + text.mid(end);
}

QByteArray IniText::ToBytes() const {
  // Added lines follow the line they were added after; a chain of them keeps its order.
  std::vector<std::vector<size_t>> following(lines_.size());
  std::vector<size_t> atEnd;
  for (size_t i = readLines_; i < lines_.size(); ++i) {
    (lines_[i].after == kNone ? atEnd : following[lines_[i].after]).push_back(i);
  }
  QByteArray bytes = bom_;
  bool open = false;  // the last line written has no end yet
  const std::function<void(size_t)> write = [&](size_t i) {
    const Line& line = lines_[i];
    if (line.kept) {
      if (open) bytes += lineEnd_;
      // A mark that opened a line would open the file once the lines before it are left out,
      // and be read as the file's own: a blank line keeps it where it was.
      if (bytes.isEmpty() && line.text.startsWith(kBom)) bytes += lineEnd_;
      if (line.opensSection && bytes.size() > bom_.size()) bytes += lineEnd_;
      bytes += line.text + line.end;
      open = line.end.isEmpty();
    }
    for (const size_t next : following[i]) write(next);
  };
  for (size_t i = 0; i < readLines_; ++i) write(i);
  for (const size_t i : atEnd) write(i);
  return bytes;
}

std::vector<IniText::NamedValues> IniText::Contents() const {
  std::vector<NamedValues> contents;
  for (const Section& section : sections_) {
    NamedValues named{section.name, {}};
    for (auto key = section.keys.begin(); key != section.keys.end(); ++key) {
      named.values.emplace_back(key.key(), ValueAt(key.value()));
    }
    std::sort(named.values.begin(), named.values.end());
    contents.push_back(std::move(named));
  }
  std::sort(contents.begin(), contents.end(),
            [](const NamedValues& a, const NamedValues& b) { return a.section < b.section; });
  return contents;
}

}  // namespace astrivo
