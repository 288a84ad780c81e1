// Round trips through the settings store in temporary folders, with stored values that are
// not what the program wrote, and folders that cannot be written.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <climits>

#include "platform/settings_store.h"

namespace astrivo {
namespace {

constexpr int kDefault = 2000;

QString IniIn(const QTemporaryDir& folder) { return folder.filePath(QStringLiteral("s.ini")); }

void WriteFile(const QString& path, const QByteArray& text) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(text);
}

}  // namespace

class SettingsStoreTest : public QObject {
  Q_OBJECT

 private slots:
  void RoundTripsIntegers_data() {
    QTest::addColumn<int>("value");
    QTest::newRow("negative") << -5;
    QTest::newRow("largest int") << INT_MAX;
    QTest::newRow("smallest int") << INT_MIN;
  }
  void RoundTripsIntegers() {
    QFETCH(int, value);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(SettingsStore(IniIn(folder)).WriteInt("user", "start year", value));
    QCOMPARE(SettingsStore(IniIn(folder)).ReadInt("user", "start year", kDefault), value);
  }

  void ReadsTheDefaultForAnythingButAStoredInteger_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("text") << QByteArray("[user]\nstart%20year=abc\n");
    QTest::newRow("too big for 32 bits") << QByteArray("[user]\nstart%20year=99999999999\n");
    QTest::newRow("a fraction") << QByteArray("[user]\nstart%20year=19.75\n");
    QTest::newRow("missing value") << QByteArray("[user]\nstart%20day=7\n");
  }
  void ReadsTheDefaultForAnythingButAStoredInteger() {
    QFETCH(QByteArray, file);
    QTemporaryDir folder;
    WriteFile(IniIn(folder), file);
    QCOMPARE(SettingsStore(IniIn(folder)).ReadInt("user", "start year", kDefault), kDefault);
  }

  void UsesTheOrganisationAndTheExecutableName() {
    QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    QVERIFY(SettingsStore().WriteInt("user", "start month", 9));
    QVERIFY(QFile::exists(folder.filePath(QStringLiteral("Kavero/settings_store_test.conf"))));
    QCOMPARE(SettingsStore().ReadInt("user", "start month", 1), 9);
  }

  void WriteUnderAFileInsteadOfAFolderFails() {
    QTemporaryDir folder;
    const QString notAFolder = folder.filePath(QStringLiteral("plain"));
    WriteFile(notAFolder, "x");
    const QString path = notAFolder + QStringLiteral("/s.ini");
    QVERIFY(!SettingsStore(path).WriteInt("user", "start day", 8));
    QCOMPARE(SettingsStore(path).ReadInt("user", "start day", 1), 1);
  }

  void FailedWriteKeepsTheStoredValues() {
    QTemporaryDir folder;
    const QString locked = folder.filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkdir(locked));
    const QString path = QDir(locked).filePath(QStringLiteral("s.ini"));
    QVERIFY(SettingsStore(path).WriteInt("user", "start day", 7));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const bool stillWritable = QFileInfo(locked).isWritable();
    if (!stillWritable) {
      QVERIFY(!SettingsStore(path).WriteInt("user", "start day", 8));
      QCOMPARE(SettingsStore(path).ReadInt("user", "start day", 1), 7);
    }
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                      QFileDevice::ExeOwner);
    if (stillWritable) QSKIP("running with rights that ignore folder permissions");
  }
};

}  // namespace astrivo

QTEST_GUILESS_MAIN(astrivo::SettingsStoreTest)
#include "settings_store_test.moc"
