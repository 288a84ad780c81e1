// The settings store on files in a temporary config folder: it finds and reads the file the
// earlier QSettings-based program wrote, writes the same layout, and keeps what it does not
// own. What survives damage and blocked writes is tested through the program, in the app tests.
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <climits>

#include "platform/settings_store.h"

namespace astrivo {
namespace {

constexpr int kDefault = 2000;

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  QCOMPARE(file.write(bytes), bytes.size());
}

}  // namespace

class SettingsStoreTest : public QObject {
  Q_OBJECT

 private slots:
  // The user's store is the file QSettings used for the organisation and the executable.
  void FindsTheFileQSettingsWrote() {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    {
      QSettings earlier(QSettings::NativeFormat, QSettings::UserScope, "Kavero",
                        "settings_store_test");
      earlier.setValue("user/start month", 9);
    }
    SettingsStore store;
    QCOMPARE(store.Path(), config.filePath("Kavero/settings_store_test.conf"));
    QCOMPARE(store.ReadInt("user", "start month", 1), 9);
    QVERIFY(store.WriteInts("user", {{"start day", 7}}));
    QCOMPARE(Contents(store.Path()), QByteArray("[user]\nstart%20month=9\nstart%20day=7\n"));
  }

  void RoundTripsIntegers_data() {
    QTest::addColumn<int>("value");
    QTest::newRow("negative") << -5;
    QTest::newRow("largest int") << INT_MAX;
    QTest::newRow("smallest int") << INT_MIN;
  }
  void RoundTripsIntegers() {
    QFETCH(int, value);
    QTemporaryDir folder;
    SettingsStore store(folder.filePath("s.conf"));
    QVERIFY(store.WriteInts("user", {{"start year", value}}));
    QCOMPARE(SettingsStore(store.Path()).ReadInt("user", "start year", kDefault), value);
  }

  // A file as found, the year read from it, and the file after "start day" 8 is written.
  // Files with only what the store reads are not damaged; the others are kept aside.
  void ReadsAndRewritesFiles_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("year");
    QTest::addColumn<QByteArray>("rewritten");
    QTest::addColumn<bool>("keptAside");
    QTest::newRow("other groups are kept")
        << QByteArray("[General]\nfoo=\"a, b\"\n\n[user]\nstart%20year=1975\n\n[view]\ntilt=30\n")
        << 1975
        << QByteArray(
               "[General]\nfoo=\"a, b\"\n\n[user]\nstart%20year=1975\nstart%20day=8\n\n"
               "[view]\ntilt=30\n")
        << false;
    QTest::newRow("Windows line ends, blanks and comments")
        << QByteArray("; kept by hand\r\n[user]\r\n start%20day = 3 \r\n start%20year = 1975\r\n")
        << 1975 << QByteArray("[user]\nstart%20day=8\nstart%20year=1975\n") << false;
    QTest::newRow("a quoted year")
        << QByteArray("[user]\nstart%20year=\"1975\"\n") << 1975
        << QByteArray("[user]\nstart%20year=\"1975\"\nstart%20day=8\n") << false;
    QTest::newRow("a year too big for 32 bits")
        << QByteArray("[user]\nstart%20year=99999999999\n") << kDefault
        << QByteArray("[user]\nstart%20year=99999999999\nstart%20day=8\n") << false;
    QTest::newRow("a year given twice: the later one counts")
        << QByteArray("[user]\nstart%20year=1901\nstart%20day=2\nstart%20year=1975\n") << 1975
        << QByteArray("[user]\nstart%20year=1975\nstart%20day=8\n") << true;
    QTest::newRow("a broken header keeps the keys after it in their section")
        << QByteArray("[user]\n[view\nstart%20year=1975\n") << 1975
        << QByteArray("[user]\nstart%20year=1975\nstart%20day=8\n") << true;
  }
  void ReadsAndRewritesFiles() {
    QFETCH(QByteArray, file);
    QFETCH(int, year);
    QFETCH(QByteArray, rewritten);
    QFETCH(bool, keptAside);
    QTemporaryDir folder;
    SettingsStore store(folder.filePath("s.conf"));
    WriteFile(store.Path(), file);
    QCOMPARE(store.ReadInt("user", "start year", kDefault), year);
    QVERIFY(store.WriteInts("user", {{"start day", 8}}));
    QCOMPARE(Contents(store.Path()), rewritten);
    QCOMPARE(Contents(store.Path() + ".damaged"), keptAside ? file : QByteArray("(missing)"));
  }
};

}  // namespace astrivo

QTEST_GUILESS_MAIN(astrivo::SettingsStoreTest)
#include "settings_store_test.moc"
