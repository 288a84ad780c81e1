// Desktop entry parsing for the web browser fallback.
#include "platform/desktop_entry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <array>

namespace astrivo {
namespace {

// The placeholders a command line may carry for the address: the original's %1 and the
// desktop entry's single and list forms for addresses and files.
constexpr std::array<const char*, 5> kPlaceholders = {"%1", "%u", "%U", "%f", "%F"};

bool IsPlaceholderAt(const QString& line, qsizetype at) {
  for (const char* placeholder : kPlaceholders) {
    if (line.mid(at, 2) == QLatin1String(placeholder)) return true;
  }
  return false;
}

QString UndoStringEscapes(const QString& value) {
  QString plain;
  for (qsizetype i = 0; i < value.size(); ++i) {
    if (value[i] != u'\\' || i + 1 == value.size()) {
      plain += value[i];
      continue;
    }
    const QChar next = value[++i];
    if (next == u's') {
      plain += u' ';
    } else if (next == u'n') {
      plain += u'\n';
    } else if (next == u't') {
      plain += u'\t';
    } else if (next == u'r') {
      plain += u'\r';
    } else if (next == u'\\') {
      plain += u'\\';
    } else {
      plain += u'\\';
      plain += next;
    }
  }
  return plain;
}

// An argument of the form %x is a field code this program does not fill in; %% is a percent.
bool IsFieldCode(const QString& argument) {
  return argument.size() == 2 && argument[0] == u'%' && argument[1] != u'%';
}

bool IsPlainDesktopFileName(const QString& name) {
  return name.endsWith(QLatin1String(".desktop")) && !name.contains(u'/') &&
         !name.contains(u'\\') && !name.startsWith(u'.') && !name.contains(u'\n') &&
         name.size() > 8;
}

}  // namespace

QString CutAtPlaceholder(const QString& commandLine) {
  qsizetype quoted = -1;
  for (qsizetype at = 0; at + 3 < commandLine.size(); ++at) {
    if (commandLine[at] == u'"' && commandLine[at + 3] == u'"' &&
        IsPlaceholderAt(commandLine, at + 1)) {
      quoted = at;
      break;
    }
  }
  if (quoted >= 0) return commandLine.left(quoted);
  for (qsizetype at = 0; at + 1 < commandLine.size(); ++at) {
    if (commandLine[at] != u'%') continue;
    if (commandLine[at + 1] == u'%') {
      ++at;  // a literal percent sign, not the start of a placeholder
      continue;
    }
    if (IsPlaceholderAt(commandLine, at)) return commandLine.left(at);
  }
  return commandLine;
}

QStringList SplitExecLine(const QString& exec) {
  QStringList arguments;
  QString current;
  bool inArgument = false;
  bool inQuotes = false;
  for (qsizetype i = 0; i < exec.size(); ++i) {
    const QChar c = exec[i];
    if (inQuotes) {
      if (c == u'"') {
        inQuotes = false;
      } else if (c == u'\\' && i + 1 < exec.size() &&
                 QStringLiteral("\"`$\\").contains(exec[i + 1])) {
        current += exec[++i];
      } else {
        current += c;
      }
    } else if (c == u' ' || c == u'\t' || c == u'\n') {
      if (inArgument) arguments.append(current);
      current.clear();
      inArgument = false;
    } else if (c == u'"') {
      inQuotes = true;
      inArgument = true;
    } else {
      current += c;
      inArgument = true;
    }
  }
  if (inArgument) arguments.append(current);

  QStringList result;
  for (QString& argument : arguments) {
    if (IsFieldCode(argument)) continue;
    result.append(argument.replace(QLatin1String("%%"), QLatin1String("%")));
  }
  return result;
}

QStringList BrowserCommand(const QString& exec, const QString& url) {
  QStringList command = SplitExecLine(CutAtPlaceholder(exec));
  if (command.isEmpty() || command.front().isEmpty()) return {};
  command.append(url);
  return command;
}

QString ReadExecValue(const QString& desktopFilePath) {
  QFile file(desktopFilePath);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  QTextStream in(&file);
  bool inEntryGroup = false;
  QString line;
  while (in.readLineInto(&line)) {
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(u'[')) {
      inEntryGroup = trimmed == QLatin1String("[Desktop Entry]");
      continue;
    }
    if (!inEntryGroup) continue;
    const qsizetype equals = trimmed.indexOf(u'=');
    if (equals < 0 || trimmed.left(equals).trimmed() != QLatin1String("Exec")) continue;
    return UndoStringEscapes(trimmed.mid(equals + 1).trimmed());
  }
  return {};
}

QString FindDesktopFile(const QString& name, const QStringList& dataFolders) {
  if (!IsPlainDesktopFileName(name)) return {};
  QStringList candidates{name};
  // "vendor-name.desktop" may stand for applications/vendor/name.desktop, at any dash.
  for (qsizetype dash = name.indexOf(u'-'); dash > 0; dash = name.indexOf(u'-', dash + 1)) {
    QString nested = name;
    nested[dash] = u'/';
    candidates.append(nested);
  }
  for (const QString& folder : dataFolders) {
    const QDir applications(QDir(folder).filePath(QStringLiteral("applications")));
    for (const QString& candidate : candidates) {
      QString path = applications.filePath(candidate);
      if (QFileInfo(path).isFile()) return path;
    }
  }
  return {};
}

}  // namespace astrivo
