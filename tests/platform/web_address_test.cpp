// The About box's address as it reaches a browser: each case runs open_address_probe in a
// process of its own, with its own PATH, browser variables and XDG folders (GIO reads those
// once per process), and the programs it may start log the arguments they were given. Every
// program sits in a folder whose name holds a blank, and a program named after the part
// before the blank stands in the folder above: if anything split a path at its blank, that
// one would run.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace astrivo {
namespace {

// Shell characters in the address: a shell anywhere on the way would run `id`.
constexpr const char* kAddress = "https://x.example/;$(id)";
constexpr int kLaunchWait = 10000;  // milliseconds for the probe and its launch

void WriteFile(const QString& path, const QByteArray& text, bool executable = false) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(text);
  file.close();
  if (executable) file.setPermissions(file.permissions() | QFile::ExeOwner);
}

// A program that writes its own path and each argument, one a line, to the log.
QByteArray Logger(const QString& log) {
  return "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > '" + log.toUtf8() + "'\n";
}

}  // namespace

class WebAddressTest : public QObject {
  Q_OBJECT

 private slots:
  void OpensWithOneProgramAndOneArgument_data() {
    QTest::addColumn<bool>("xdgOpen");          // an xdg-open in PATH
    QTest::addColumn<QString>("browser");       // $BROWSER, relative to the scratch folder
    QTest::addColumn<QString>("exec");          // a text/html default's Exec tail; empty: none
    QTest::addColumn<QString>("address");       // what the link hands over
    QTest::addColumn<QStringList>("expected");  // the log, scratch folder as "@"; empty: none
    QTest::addColumn<QString>("answer");
    const QString address = QString::fromLatin1(kAddress);
    const QString takesUris = "--new-window %u";
    QTest::newRow("xdg-open first") << true << "my apps/browser" << takesUris << address
                                    << QStringList{"@/my apps/xdg-open", address} << "opened";
    QTest::newRow("else the named browser, blank and all")
        << false << "my apps/browser" << takesUris << address
        << QStringList{"@/my apps/browser", address} << "opened";
    QTest::newRow("else the registered browser, through its Exec line")
        << false << "" << takesUris << address
        << QStringList{"@/my apps/browser", "--new-window", address} << "opened";
    QTest::newRow("a named browser that is missing falls back")
        << false << "my apps/none" << takesUris << address
        << QStringList{"@/my apps/browser", "--new-window", address} << "opened";
    QTest::newRow("nothing to open with") << false << ""
                                          << "" << address << QStringList() << "refused";
    // A raw blank is no valid address, though a tolerant parse would encode it as %20: the
    // desktop's opener never sees it, the registered browser gets it as it was given.
    const QString blank = "https://x.example/a b";
    QTest::newRow("an address with a raw blank skips xdg-open")
        << true << "" << takesUris << blank
        << QStringList{"@/my apps/browser", "--new-window", blank} << "opened";
    // A browser whose Exec line takes files (%f) is still the registered one and is started;
    // GIO hands a %f program only local paths, and a web address has none, so the program
    // is started without it.
    QTest::newRow("a registered browser that takes files is started")
        << false << ""
        << "--new-window %f" << address << QStringList{"@/my apps/browser", "--new-window"}
        << "opened";
  }

  void OpensWithOneProgramAndOneArgument() {
    QFETCH(bool, xdgOpen);
    QFETCH(QString, browser);
    QFETCH(QString, exec);
    QFETCH(QString, address);
    QFETCH(QStringList, expected);
    QFETCH(QString, answer);
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString root = scratch.path();
    const QString log = root + "/argv.log";
    const QString apps = root + "/my apps";
    WriteFile(root + "/my", Logger(root + "/split.log"), true);
    WriteFile(apps + "/browser", Logger(log), true);
    if (xdgOpen) WriteFile(apps + "/xdg-open", Logger(log), true);
    if (!exec.isEmpty()) {
      WriteFile(root + "/data/applications/logger.desktop",
                "[Desktop Entry]\nType=Application\nName=Logger\nExec=\"" + apps.toUtf8() +
                    "/browser\" " + exec.toUtf8() + "\n");
      WriteFile(root + "/config/mimeapps.list",
                "[Default Applications]\ntext/html=logger.desktop\n");
    }
    QProcessEnvironment environment;
    environment.insert("HOME", root);
    environment.insert("PATH", xdgOpen ? apps : root + "/empty");
    if (!browser.isEmpty()) environment.insert("BROWSER", root + "/" + browser);
    environment.insert("XDG_DATA_HOME", root + "/data");
    environment.insert("XDG_DATA_DIRS", root + "/no-system-data");
    environment.insert("XDG_CONFIG_HOME", root + "/config");
    environment.insert("XDG_CONFIG_DIRS", root + "/no-system-config");
    // No session bus: GIO must not start one.
    environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + root + "/no-bus");
    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.start(QCoreApplication::applicationDirPath() + "/open_address_probe", {address});
    QVERIFY(probe.waitForFinished(kLaunchWait));
    QCOMPARE(QString::fromLatin1(probe.readAllStandardOutput()).trimmed(), answer);
    QStringList logged;
    if (!expected.isEmpty()) {
      QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(log).size() > 0, kLaunchWait);
      QFile file(log);
      QVERIFY(file.open(QIODevice::ReadOnly));
      logged = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
      logged.replaceInStrings(root, "@");
    }
    QCOMPARE(logged, expected);
    QVERIFY(!QFile::exists(root + "/split.log"));
  }
};

}  // namespace astrivo

QTEST_GUILESS_MAIN(astrivo::WebAddressTest)
#include "web_address_test.moc"
