// The settings file is replaced whole (QSaveFile: a temporary file, synced, then renamed over
// the old one), so a crash or a full disk leaves the old file or the new one, never a mix.
// Nothing already there is destroyed: a file that does not read back cleanly is copied aside
// first, and whatever cannot be read or copied is left alone.
#include "platform/settings_store.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/ini_text.h"

namespace astrivo {
namespace {

constexpr const char* kOrganisation = "Kavero";
constexpr const char* kFallbackApplication = "astrivo";  // before the application object exists
constexpr const char* kDamagedSuffix = ".damaged";
constexpr int kMostDamagedCopies = 100;  // past this, a damaged file stays where it is

QString ApplicationKey() {
  QString name;
  if (QCoreApplication::instance() != nullptr) {
    name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
  }
  return name.isEmpty() ? QString::fromLatin1(kFallbackApplication) : name;
}

// An environment variable naming a folder; relative paths do not count, or the settings would
// follow the current folder.
QString AbsoluteFolder(const char* variable) {
  const QString folder = qEnvironmentVariable(variable);
  return QDir::isAbsolutePath(folder) ? folder : QString();
}

// Where QSettings kept the program's settings: the same file stays in use.
QString UserPath() {
  QString folder = AbsoluteFolder("XDG_CONFIG_HOME");
  if (folder.isEmpty()) {
    const QString home = AbsoluteFolder("HOME");
    if (home.isEmpty()) return QString();
    folder = home + QStringLiteral("/.config");
  }
  return folder + u'/' + QString::fromLatin1(kOrganisation) + u'/' + ApplicationKey() +
         QStringLiteral(".conf");
}

// A value the file holds that is not an integer means the file was not written by the program.
bool ReadsCleanly(const IniText& text, const QString& section,
                  const std::vector<SettingsStore::NamedInt>& values) {
  if (text.Damaged()) return false;
  for (const auto& [name, value] : values) {
    const QString stored = text.Value(section, name);
    bool ok = true;
    if (!stored.isNull()) stored.toInt(&ok, 10);
    if (!ok) return false;
  }
  return true;
}

bool HoldsAlready(const IniText& text, const QString& section,
                  const std::vector<SettingsStore::NamedInt>& values) {
  return std::all_of(values.begin(), values.end(), [&](const SettingsStore::NamedInt& named) {
    return text.Value(section, named.first) == QString::number(named.second);
  });
}

QByteArray Contents(const QString& path, bool& ok) {
  QFile file(path);
  ok = file.open(QIODevice::ReadOnly);
  QByteArray bytes = ok ? file.readAll() : QByteArray();
  ok = ok && file.error() == QFileDevice::NoError;
  return bytes;
}

}  // namespace

SettingsStore::SettingsStore() : path_(UserPath()) {}

SettingsStore::SettingsStore(const QString& iniPath) : path_(iniPath) {}

SettingsStore::Found SettingsStore::Load(QByteArray& bytes, IniText& text) const {
  if (path_.isEmpty()) return Found::kInTheWay;
  const QFileInfo info(path_);
  if (!info.exists()) return Found::kNothing;
  bool ok = false;
  if (info.isFile()) bytes = astrivo::Contents(path_, ok);
  if (!ok) return Found::kInTheWay;
  text = IniText::Parse(bytes);
  return Found::kText;
}

std::vector<int> SettingsStore::ReadInts(const QString& section,
                                         const std::vector<NamedInt>& defaults) const {
  QByteArray bytes;
  IniText text;
  const bool loaded = Load(bytes, text) == Found::kText;
  std::vector<int> values;
  for (const auto& [name, defaultValue] : defaults) {
    bool ok = false;
    const int value = loaded ? text.Value(section, name).toInt(&ok, 10) : 0;
    values.push_back(ok ? value : defaultValue);
  }
  return values;
}

int SettingsStore::ReadInt(const QString& section, const QString& name, int defaultValue) const {
  return ReadInts(section, {{name, defaultValue}}).front();
}

bool SettingsStore::WriteInts(const QString& section, const std::vector<NamedInt>& values) {
  QByteArray old;
  IniText text;
  const Found found = Load(old, text);
  // A folder, or a file that cannot be read, is not replaced: it might be all the user has.
  if (found == Found::kInTheWay) return false;
  const bool damaged = found == Found::kText && !ReadsCleanly(text, section, values);
  if (found == Found::kText && !damaged && HoldsAlready(text, section, values)) return true;

  for (const auto& [name, value] : values) text.SetValue(section, name, QString::number(value));
  const QByteArray bytes = text.ToBytes();
  if (!QDir().mkpath(QFileInfo(path_).path())) return false;
  QSaveFile file(path_);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
  // QSaveFile commits a short write (a full disk, a size limit) as if it were whole.
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  // The damaged file is copied aside only once the new one is written and waits to replace it.
  QString copy;
  if (damaged && !KeepAside(old, copy)) {
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    bool ok = false;
    if (!copy.isEmpty() && astrivo::Contents(path_, ok) == old && ok) QFile::remove(copy);
    return false;
  }
  return true;
}

bool SettingsStore::KeepAside(const QByteArray& bytes, QString& made) const {
  for (int copy = 1; copy <= kMostDamagedCopies; ++copy) {
    QString aside = path_ + QString::fromLatin1(kDamagedSuffix);
    if (copy > 1) aside += u'-' + QString::number(copy);
    const QFileInfo info(aside);
    if (info.isSymLink() || info.exists()) {
      bool ok = false;
      if (info.isFile() && !info.isSymLink() && info.size() == bytes.size() &&
          astrivo::Contents(aside, ok) == bytes && ok) {
        return true;
      }
      continue;
    }
    // QFile::copy never replaces a file that exists.
    if (!QFile::copy(path_, aside)) return false;
    made = aside;
    return true;
  }
  return false;
}

}  // namespace astrivo
