// Settings text: a tolerant line parser and a writer in QSettings' layout.
#include "platform/ini_text.h"

#include <algorithm>

#include <QUrl>
#include <QUtf8StringView>

namespace astrivo {
namespace {

QString Decoded(const QByteArray& written) {
  return QString::fromUtf8(QByteArray::fromPercentEncoding(written));
}

// What a crash or a stray program leaves: bytes that are no text, or control characters
// (a tab is the one a hand-edited file may hold).
bool IsText(const QByteArray& line) {
  if (!QUtf8StringView(line).isValidUtf8()) return false;
  return std::none_of(line.begin(), line.end(),
                      [](char c) { return (c >= 0 && c < 0x20 && c != '\t') || c == 0x7f; });
}

}  // namespace

IniText IniText::Parse(const QByteArray& bytes) {
  IniText text;
  size_t current = kNoSection;  // where the next key goes
  for (QByteArray line : bytes.split('\n')) {
    if (line.endsWith('\r')) line.chop(1);
    text.ParseLine(line, current);
  }
  return text;
}

void IniText::ParseLine(const QByteArray& line, size_t& current) {
  if (!IsText(line)) {
    damaged_ = true;
    return;
  }
  const QByteArray trimmed = line.trimmed();
  if (trimmed.isEmpty() || trimmed.startsWith(';') || trimmed.startsWith('#')) return;
  if (trimmed.startsWith('[')) {
    const QByteArray written = trimmed.mid(1, trimmed.size() - 2);
    if (!trimmed.endsWith(']') || written.trimmed().isEmpty() || written.contains('[') ||
        written.contains(']')) {
      damaged_ = true;
      return;
    }
    current = IndexOf(Decoded(written));
    sections_[current].written = written;
    return;
  }
  const qsizetype equals = trimmed.indexOf('=');
  const QByteArray written = trimmed.left(equals).trimmed();
  if (equals < 0 || written.isEmpty()) {
    damaged_ = true;
    return;
  }
  if (current == kNoSection) current = IndexOf(QString());
  Section& section = sections_[current];
  const QString name = Decoded(written);
  const QByteArray value = trimmed.mid(equals + 1).trimmed();
  for (Entry& entry : section.entries) {
    if (entry.name == name) {  // given twice: the later one counts, as it did for QSettings
      damaged_ = true;
      entry.value = value;
      return;
    }
  }
  section.entries.push_back({written, name, value});
}

size_t IniText::IndexOf(const QString& section) {
  for (size_t i = 0; i < sections_.size(); ++i) {
    if (sections_[i].name == section) return i;
  }
  sections_.push_back({QUrl::toPercentEncoding(section), section, {}});
  return sections_.size() - 1;
}

QString IniText::Value(const QString& section, const QString& name) const {
  const auto found = std::find_if(sections_.begin(), sections_.end(),
                                  [&section](const Section& s) { return s.name == section; });
  if (found == sections_.end()) return QString();
  const auto entry = std::find_if(found->entries.begin(), found->entries.end(),
                                  [&name](const Entry& e) { return e.name == name; });
  if (entry == found->entries.end()) return QString();
  QByteArray value = entry->value;
  if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"')) {
    value = value.mid(1, value.size() - 2);
  }
  return QString::fromUtf8(value.trimmed());
}

void IniText::SetValue(const QString& section, const QString& name, const QString& value) {
  std::vector<Entry>& entries = sections_[IndexOf(section)].entries;
  for (Entry& entry : entries) {
    if (entry.name == name) {
      entry.value = value.toUtf8();
      return;
    }
  }
  entries.push_back({QUrl::toPercentEncoding(name), name, value.toUtf8()});
}

QByteArray IniText::ToBytes() const {
  QByteArray bytes;
  for (const Section& section : sections_) {
    if (section.entries.empty()) continue;
    if (!bytes.isEmpty()) bytes += '\n';
    if (!section.name.isEmpty()) bytes += '[' + section.written + "]\n";
    for (const Entry& entry : section.entries) bytes += entry.written + '=' + entry.value + '\n';
  }
  return bytes;
}

}  // namespace astrivo
