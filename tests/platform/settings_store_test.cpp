// The settings store on files in a temporary folder: it reads and writes the layout of the
// earlier QSettings-based program, keeps what it does not own as it was written, and never
// replaces a damaged file, a kept copy or a folder in its way without keeping it.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

// A replaced file is a new one: QSaveFile renames another over it.
ino_t Inode(const QString& path) {
  struct stat info {};
  return stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

}  // namespace

class SettingsStoreTest : public QObject {
  Q_OBJECT

 private slots:
  // A file as found, the year read from it, and the file after "start day" 8 is written: only
  // that line changes or is added, after the last line of [user]; every other byte stays. The
  // files QSettings reads the year from (checked with QSettings' IniFormat on Qt 6.4) are not
  // damaged; the others are kept aside, under the next free name, unless the copy kept
  // earlier is the same file: a copy kept earlier is never replaced.
  void ReadsAndRewritesFiles_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("earlier");  // kept as .damaged before
    QTest::addColumn<int>("year");
    QTest::addColumn<QByteArray>("rewritten");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<QByteArray>("keptAside");  // .damaged-2 afterwards
    const QByteArray kept("kept earlier");
    const QByteArray none("(missing)");
    QTest::newRow("other groups are kept")
        << QByteArray("[General]\nfoo=\"a, b\"\n\n[user]\nstart%20year=1975\n\n[view]\ntilt=30\n")
        << kept << 1975
        << QByteArray(
               "[General]\nfoo=\"a, b\"\n\n[user]\nstart%20year=1975\nstart%20day=8\n\n"
               "[view]\ntilt=30\n")
        << true << none;
    QTest::newRow("Windows line ends, blanks and comments")
        << QByteArray("; kept by hand\r\n[user]\r\n start%20day = 3 \r\n start%20year = 1975\r\n")
        << kept << 1975
        << QByteArray("; kept by hand\r\n[user]\r\n start%20day = 8 \r\n start%20year = 1975\r\n")
        << true << none;
    QTest::newRow("comments after values")
        << QByteArray("[user]\nstart%20year=1975 ; mine\nstart%20day=\"3\" ; a note\n") << kept
        << 1975 << QByteArray("[user]\nstart%20year=1975 ; mine\nstart%20day=8 ; a note\n") << true
        << none;
    QTest::newRow("CR line ends")
        << QByteArray("[view]\rtilt=3\r[user]\rstart%20year=1975") << kept << 1975
        << QByteArray("[view]\rtilt=3\r[user]\rstart%20year=1975\rstart%20day=8\r") << true << none;
    QTest::newRow("no group yet: a new one at the end, CR LF as the file has it")
        << QByteArray("; mine\r\n[view]\r\ntilt=3") << kept << kDefault
        << QByteArray("; mine\r\n[view]\r\ntilt=3\r\n\r\n[user]\r\nstart%20day=8\r\n") << true
        << none;
    QTest::newRow("a header that decodes to nothing keeps its keys")
        << QByteArray("[user]\nstart%20year=1975\n[\xEF\xBB\xBF]\nstart%20year=1066\n") << kept
        << 1975
        << QByteArray(
               "[user]\nstart%20year=1975\nstart%20day=8\n[\xEF\xBB\xBF]\nstart%20year=1066\n")
        << true << none;
    QTest::newRow("a value stored already: the file is left alone")
        << QByteArray("; mine\r[user]\rstart%20day = 8 ; set\r") << kept << kDefault
        << QByteArray("; mine\r[user]\rstart%20day = 8 ; set\r") << false << none;
    QTest::newRow("a year given twice: the later one counts")
        << QByteArray("[user]\nstart%20year=1901\nstart%20day=2\nstart%20year=1975\n") << kept
        << 1975 << QByteArray("[user]\nstart%20day=8\nstart%20year=1975\n") << true
        << QByteArray("[user]\nstart%20year=1901\nstart%20day=2\nstart%20year=1975\n");
    QTest::newRow("a broken header keeps the keys after it in their section")
        << QByteArray("[user]\n[view\nstart%20year=1975\n") << kept << 1975
        << QByteArray("[user]\nstart%20year=1975\nstart%20day=8\n") << true
        << QByteArray("[user]\n[view\nstart%20year=1975\n");
    QTest::newRow("the same damaged file kept earlier is not copied again")
        << QByteArray("[user]\n\x01\nstart%20year=1975\n")
        << QByteArray("[user]\n\x01\nstart%20year=1975\n") << 1975
        << QByteArray("[user]\nstart%20year=1975\nstart%20day=8\n") << true << none;
  }
  void ReadsAndRewritesFiles() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, earlier);
    QFETCH(bool, replaced);
    QTemporaryDir folder;
    SettingsStore store(folder.filePath("s.conf"));
    WriteFile(store.Path(), file);
    WriteFile(store.Path() + ".damaged", earlier);
    const ino_t before = Inode(store.Path());
    QTEST(store.ReadInt("user", "start year", kDefault), "year");
    QVERIFY(store.WriteInts("user", {{"start day", 8}}));
    QTEST(Contents(store.Path()), "rewritten");
    QCOMPARE(Inode(store.Path()) != before, replaced);
    QCOMPARE(Contents(store.Path() + ".damaged"), earlier);
    QTEST(Contents(store.Path() + ".damaged-2"), "keptAside");
  }

  // A damaged file that cannot be replaced (here a link to a file of the kernel's, read-only
  // even for root) is not copied aside, however often the program tries to save.
  void KeepsNoCopyForASaveThatFails() {
    QTemporaryDir folder;
    SettingsStore store(folder.filePath("s.conf"));
    QVERIFY(QFile::link("/proc/version", store.Path()));
    for (int exit = 0; exit < 5; ++exit) QVERIFY(!store.WriteInts("user", {{"start day", 8}}));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::System | QDir::Hidden),
             QStringList{"s.conf"});
    QCOMPARE(QFileInfo(store.Path()).symLinkTarget(), QString("/proc/version"));
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

  // The user's store: only absolute folders count. "T" stands for a temporary folder, "-" for
  // a variable that is not set; the program's name is this test's.
  void FindsTheUsersFile_data() {
    QTest::addColumn<QString>("configHome");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("path");
    QTest::newRow("XDG_CONFIG_HOME") << "T/x"
                                     << "T/h"
                                     << "T/x/Kavero/settings_store_test.conf";
    QTest::newRow("a relative XDG_CONFIG_HOME") << "x"
                                                << "T/h"
                                                << "T/h/.config/Kavero/settings_store_test.conf";
    QTest::newRow("no XDG_CONFIG_HOME") << "-"
                                        << "T/h"
                                        << "T/h/.config/Kavero/settings_store_test.conf";
    QTest::newRow("a relative one and no HOME: no store") << "x"
                                                          << "-"
                                                          << "";
    QTest::newRow("neither absolute: no store") << ""
                                                << "h"
                                                << "";
  }
  void FindsTheUsersFile() {
    QFETCH(QString, configHome);
    QFETCH(QString, home);
    QTemporaryDir folder;
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfigHome = qgetenv("XDG_CONFIG_HOME");
    const auto set = [&](const char* name, QString value) {
      if (value == "-") return void(qunsetenv(name));
      if (value.startsWith("T/")) value.replace(0, 1, folder.path());
      qputenv(name, value.toLocal8Bit());
    };
    set("XDG_CONFIG_HOME", configHome);
    set("HOME", home);
    const QString found = SettingsStore().Path();
    qputenv("HOME", savedHome);
    qputenv("XDG_CONFIG_HOME", savedConfigHome);
    QFETCH(QString, path);
    if (path.startsWith("T/")) path.replace(0, 1, folder.path());
    QCOMPARE(found, path);
  }
};

}  // namespace astrivo

QTEST_GUILESS_MAIN(astrivo::SettingsStoreTest)
#include "settings_store_test.moc"
