// The settings store on files in a temporary folder: it reads and writes the layout of the
// earlier QSettings-based program, keeps what it does not own, and never replaces a damaged
// file, a kept copy or a folder in its way without keeping it.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
  // A file as found, the year read from it, and the file after "start day" 8 is written.
  // Files with only what the store reads are not damaged; the others are kept aside, under the
  // next free name: a copy kept earlier is never replaced.
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
    QTest::newRow("a year given twice: the later one counts")
        << QByteArray("[user]\nstart%20year=1901\nstart%20day=2\nstart%20year=1975\n") << 1975
        << QByteArray("[user]\nstart%20year=1975\nstart%20day=8\n") << true;
    QTest::newRow("a broken header keeps the keys after it in their section")
        << QByteArray("[user]\n[view\nstart%20year=1975\n") << 1975
        << QByteArray("[user]\nstart%20year=1975\nstart%20day=8\n") << true;
  }
  void ReadsAndRewritesFiles() {
    QFETCH(QByteArray, file);
    QFETCH(bool, keptAside);
    QTemporaryDir folder;
    SettingsStore store(folder.filePath("s.conf"));
    WriteFile(store.Path(), file);
    WriteFile(store.Path() + ".damaged", "kept earlier");
    QTEST(store.ReadInt("user", "start year", kDefault), "year");
    QVERIFY(store.WriteInts("user", {{"start day", 8}}));
    QTEST(Contents(store.Path()), "rewritten");
    QCOMPARE(Contents(store.Path() + ".damaged"), QByteArray("kept earlier"));
    QCOMPARE(Contents(store.Path() + ".damaged-2"), keptAside ? file : QByteArray("(missing)"));
  }

  // A folder where the file belongs is not replaced, and nothing in it is touched.
  void LeavesAFolderInTheWayAlone() {
    QTemporaryDir folder;
    SettingsStore store(folder.filePath("s.conf"));
    QVERIFY(QDir().mkpath(store.Path()));
    WriteFile(store.Path() + "/inside", "keep");
    QVERIFY(!store.WriteInts("user", {{"start day", 8}}));
    QCOMPARE(store.ReadInt("user", "start day", kDefault), kDefault);
    QCOMPARE(Contents(store.Path() + "/inside"), QByteArray("keep"));
  }
};

}  // namespace astrivo

QTEST_GUILESS_MAIN(astrivo::SettingsStoreTest)
#include "settings_store_test.moc"
