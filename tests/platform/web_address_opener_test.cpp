// Opening the About box's address the desktop's way: the desktop's own handler first, then the
// browser registered for HTML files, started directly with the address as one argument of its
// own; every failure is silent.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/web_address_opener.h"

namespace astrivo {
namespace {

// A shell would run the $(...); the desktop would take it as it stands.
constexpr const char* kAddress = "https://x.example/;$(id)";

}  // namespace

class WebAddressOpenerTest : public QObject {
  Q_OBJECT

 private slots:
  void OpensWithTheDesktopElseTheRegisteredBrowser_data() {
    QTest::addColumn<bool>("desktopTakesIt");
    QTest::addColumn<QString>("handler");
    QTest::addColumn<QStringList>("started");  // program and arguments; empty: nothing starts
    // The Exec line by the desktop entry rules: \s is a blank, quotes group, the quoted
    // placeholder is cut; only the [Desktop Entry] group's plain key counts.
    QTest::newRow("the desktop takes it") << true << "vendor-b.desktop" << QStringList();
    QTest::newRow("the registered browser")
        << false << "vendor-b.desktop"
        << QStringList{"/opt/My Browser/b", "--new-window", kAddress};
    QTest::newRow("no registered browser") << false << "" << QStringList();
  }
  void OpensWithTheDesktopElseTheRegisteredBrowser() {
    QFETCH(bool, desktopTakesIt);
    QFETCH(QString, handler);
    QFETCH(QStringList, started);
    QTemporaryDir data;
    QVERIFY(QDir(data.path()).mkpath("applications/vendor"));
    QFile entry(data.filePath("applications/vendor/b.desktop"));  // "vendor-b.desktop"
    QVERIFY(entry.open(QIODevice::WriteOnly));
    entry.write(
        "[Desktop Action new]\nExec=wrong %u\n[Desktop Entry]\nExec[de]=wrong\n"
        "Exec=\"/opt/My\\sBrowser/b\" --new-window \"%u\"\n");
    entry.close();
    WebAddressOpener::System system;
    system.openWithDesktop = [&](const QUrl&) { return desktopTakesIt; };
    system.defaultHtmlHandler = [&] { return handler; };
    system.dataFolders = [&] { return QStringList{"/nonexistent/astrivo", data.path()}; };
    QStringList ran;
    system.startDetached = [&](const QString& program, const QStringList& arguments) {
      ran = QStringList{program} + arguments;
      return true;
    };
    const bool opened = WebAddressOpener(system).Open(kAddress);
    QCOMPARE(opened, desktopTakesIt || !started.isEmpty());
    QCOMPARE(ran, started);
  }
};

}  // namespace astrivo

QTEST_MAIN(astrivo::WebAddressOpenerTest)
#include "web_address_opener_test.moc"
