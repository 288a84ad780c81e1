// The settings file is replaced whole (QSaveFile: a temporary file, synced, then renamed over
// the old one), so a crash or a full disk leaves the old file or the new one, never a mix.
// Nothing already there is destroyed: a file that does not read back cleanly is copied aside
// first, and whatever cannot be read or copied is left alone.
#include "platform/settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

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

// Where QSettings kept the program's settings: the same file stays in use.
QString UserPath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (folder.isEmpty()) return QString();
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

}  // namespace

SettingsStore::SettingsStore() : path_(UserPath()) {}

SettingsStore::SettingsStore(const QString& iniPath) : path_(iniPath) {}

SettingsStore::Found SettingsStore::Load(IniText& text) const {
  if (path_.isEmpty()) return Found::kInTheWay;
  const QFileInfo info(path_);
  if (!info.exists()) return Found::kNothing;
  QFile file(path_);
  if (!info.isFile() || !file.open(QIODevice::ReadOnly)) return Found::kInTheWay;
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return Found::kInTheWay;
  text = IniText::Parse(bytes);
  return Found::kText;
}

int SettingsStore::ReadInt(const QString& section, const QString& name, int defaultValue) const {
  IniText text;
  if (Load(text) != Found::kText) return defaultValue;
  bool ok = false;
  const int value = text.Value(section, name).toInt(&ok, 10);
  return ok ? value : defaultValue;
}

bool SettingsStore::WriteInts(const QString& section, const std::vector<NamedInt>& values) {
  IniText text;
  const Found found = Load(text);
  // A folder, or a file that cannot be read, is not replaced: it might be all the user has.
  if (found == Found::kInTheWay) return false;
  if (found == Found::kText && !ReadsCleanly(text, section, values) && !KeepAside()) return false;

  for (const auto& [name, value] : values) text.SetValue(section, name, QString::number(value));
  if (!QDir().mkpath(QFileInfo(path_).path())) return false;
  QSaveFile file(path_);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
  // QSaveFile commits a short write (a full disk, a size limit) as if it were whole.
  const QByteArray bytes = text.ToBytes();
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) return false;
  return Holds(section, values);
}

bool SettingsStore::KeepAside() const {
  for (int copy = 1; copy <= kMostDamagedCopies; ++copy) {
    QString aside = path_ + QString::fromLatin1(kDamagedSuffix);
    if (copy > 1) aside += u'-' + QString::number(copy);
    // QFile::copy never replaces a file that exists.
    if (!QFileInfo(aside).isSymLink() && !QFileInfo::exists(aside)) {
      return QFile::copy(path_, aside);
    }
  }
  return false;
}

bool SettingsStore::Holds(const QString& section, const std::vector<NamedInt>& values) const {
  IniText text;
  if (Load(text) != Found::kText || text.Damaged()) return false;
  for (const auto& [name, value] : values) {
    if (text.Value(section, name) != QString::number(value)) return false;
  }
  return true;
}

}  // namespace astrivo
