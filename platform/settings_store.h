// The per-user settings store: integer values by section and name, under the organisation
// "Kavero" and the program's executable name.
#pragma once

#include <memory>

#include <QSettings>
#include <QString>

namespace astrivo {

class SettingsStore {
 public:
  SettingsStore();                                // the user's own store
  explicit SettingsStore(const QString& iniPath);  // an ini file of one's choosing (tests)

  // `defaultValue` when the value is missing or is not a 32-bit integer.
  int ReadInt(const QString& section, const QString& name, int defaultValue) const;
  // False when the value could not be stored; what was stored before stays intact.
  bool WriteInt(const QString& section, const QString& name, int value);

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace astrivo
