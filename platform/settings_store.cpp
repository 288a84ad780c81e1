// Settings on QSettings, which writes its file through a temporary and a rename, so a failed
// write leaves the old file whole.
#include "platform/settings_store.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace astrivo {
namespace {

constexpr const char* kOrganisation = "Kavero";
constexpr const char* kFallbackApplication = "astrivo";  // before the application object exists

QString ApplicationKey() {
  QString name;
  if (QCoreApplication::instance() != nullptr) {
    name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
  }
  return name.isEmpty() ? QString::fromLatin1(kFallbackApplication) : name;
}

QString Key(const QString& section, const QString& name) { return section + u'/' + name; }

}  // namespace

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QString::fromLatin1(kOrganisation), ApplicationKey())) {}

SettingsStore::SettingsStore(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

int SettingsStore::ReadInt(const QString& section, const QString& name, int defaultValue) const {
  const QVariant stored = settings_->value(Key(section, name));
  if (!stored.isValid()) return defaultValue;
  bool ok = false;
  const int value = stored.toString().trimmed().toInt(&ok, 10);
  return ok ? value : defaultValue;
}

bool SettingsStore::WriteInt(const QString& section, const QString& name, int value) {
  // A file that could not be parsed would be rewritten with only what was understood of it;
  // it is kept as it is instead.
  if (settings_->status() == QSettings::FormatError || !settings_->isWritable()) return false;
  settings_->setValue(Key(section, name), value);
  settings_->sync();
  return settings_->status() == QSettings::NoError;
}

}  // namespace astrivo
