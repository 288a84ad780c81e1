// The birth date between two runs of the program, as the user runs it: the settings file is
// seeded with bytes, the program starts (the real application object and its store, with
// XDG_CONFIG_HOME in a temporary folder), the user types a date and closes the window, and the
// next start shows what was kept. Expected dates are the typed or seeded ones.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "app/horoscope_app.h"
#include "app/horoscope_dialog.h"
#include "app/main_dialog_layout.h"
#include "dialog_peer.h"
#include "fixed_today.h"
#include "platform/settings_store.h"
#include "scoped_prompt_answer.h"

namespace astrivo {
namespace {

// Runs the program once as main() does: the user types `typed` (month/day/year; nothing when
// empty) and closes the window with Escape or the close box. Returns the date shown at start.
QString RunProgram(const QString& typed = QString(), bool closeBox = false) {
  QString shown;
  QTimer::singleShot(0, [&] {
    HoroscopeDialog* dialog = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget->isVisible()) dialog = qobject_cast<HoroscopeDialog*>(widget);
      if (dialog != nullptr) break;
    }
    if (dialog == nullptr) return QApplication::closeAllWindows();
    HoroscopeDialogPeer::StopTrace(*dialog);  // the fields take typing again
    const QList<int> fields{kIdBirthMonth, kIdBirthDay, kIdBirthYear};
    const QStringList parts = typed.split(u'/');
    for (int i = 0; i < 3; ++i) {
      auto* edit = dialog->ControlAs<QLineEdit>(fields[i]);
      shown += (i > 0 ? "/" : "") + edit->text();
      if (typed.isEmpty()) continue;
      edit->selectAll();
      QTest::keyClicks(edit, parts.value(i));
    }
    if (closeBox) {
      dialog->windowHandle()->close();
    } else {
      QTest::keyClick(dialog->Control(kIdBirthYear), Qt::Key_Escape);
    }
  });
  SettingsStore settings;
  HoroscopeApp app(settings, kTestClock, TestPrompts());
  app.Run();
  return shown;
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

}  // namespace

class SettingsSurvivalTest : public QObject {
  Q_OBJECT

 private slots:
  // Every stored value differs from its default (1/1/2000). A file the program cannot read
  // back cleanly is kept aside byte for byte before the new date replaces it; in any file,
  // only the three values' lines change (or are added after the last line of [user]), and a
  // file that already holds the date on closing is left as it was. The byte-order mark, the
  // header with blanks and the CR line ends are files QSettings' IniFormat reads the date from
  // (checked on Qt 6.4).
  void TypedDateSurvivesAndDamageIsKeptAside_data() {
    QTest::addColumn<QByteArray>("seed");  // null: no file
    QTest::addColumn<QString>("typed");    // month/day/year; empty: closed without typing
    QTest::addColumn<bool>("closeBox");    // or Escape
    QTest::addColumn<QString>("firstShown");
    QTest::addColumn<QString>("nextShown");
    QTest::addColumn<bool>("keptAside");
    QTest::addColumn<QByteArray>("stored");  // the file after both runs
    const QByteArray good("[user]\nstart%20day=7\nstart%20month=9\nstart%20year=1975\n");
    const QByteArray typed("[user]\nstart%20day=21\nstart%20month=3\nstart%20year=1990\n");
    QTest::newRow("no file") << QByteArray() << "3/21/1990" << false << "1/1/2000"
                             << "3/21/1990" << false << typed;
    QTest::newRow("the earlier program's file; text and a day out of range typed")
        << good << "x/45/1980" << true << "9/7/1975"
        << "9/45/1980" << false
        << QByteArray("[user]\nstart%20day=45\nstart%20month=9\nstart%20year=1980\n");
    QTest::newRow("NUL bytes") << QByteArray(300, '\0') << "3/21/1990" << false << "1/1/2000"
                               << "3/21/1990" << true << typed;
    QTest::newRow("a value that is not a number")
        << QByteArray("[user]\nstart%20day=7\nstart%20month=nine\n") << "3/21/1990" << false
        << "1/7/2000"
        << "3/21/1990" << true << typed;
    QTest::newRow("a percent-encoded byte-order mark as a header")
        << good + "[%EF%BB%BF]\nstart%20year=1066\n"
        << "3/21/1990" << false << "9/7/1975"
        << "3/21/1990" << false << typed + "[%EF%BB%BF]\nstart%20year=1066\n";
    QTest::newRow("a raw byte-order mark as a header")
        << good + "[\xEF\xBB\xBF]\nstart%20year=1066\n"
        << "3/21/1990" << true << "9/7/1975"
        << "3/21/1990" << false << typed + "[\xEF\xBB\xBF]\nstart%20year=1066\n";
    QTest::newRow("a byte-order mark opening the file")
        << "\xEF\xBB\xBF" + good << "" << false << "9/7/1975"
        << "9/7/1975" << false << "\xEF\xBB\xBF" + good;
    const QByteArray blanks("[ user ]\nstart%20day = 7\nstart%20month = 9\nstart%20year = 1975\n");
    QTest::newRow("a header with blanks") << blanks << "" << true << "9/7/1975"
                                          << "9/7/1975" << false << blanks;
    QTest::newRow("CR line ends")
        << QByteArray("[user]\rstart%20day=7\rstart%20month=9\rstart%20year=1975\r") << "3/21/1990"
        << false << "9/7/1975"
        << "3/21/1990" << false
        << QByteArray("[user]\rstart%20day=21\rstart%20month=3\rstart%20year=1990\r");
    QTest::newRow("comments stay where they stood")
        << QByteArray(
               "; birth date\n[user]\n# day first\nstart%20day=7\nstart%20month=9 ; Sep\n"
               "start%20year=1975\n; end\n")
        << "3/21/1990" << false << "9/7/1975"
        << "3/21/1990" << false
        << QByteArray(
               "; birth date\n[user]\n# day first\nstart%20day=21\nstart%20month=3 ; Sep\n"
               "start%20year=1990\n; end\n");
  }
  void TypedDateSurvivesAndDamageIsKeptAside() {
    QFETCH(QByteArray, seed);
    QFETCH(bool, keptAside);
    const FixedToday today({16, 6, 2004});
    const ScopedPromptAnswer quiet([](QWidget*, const QString&) {});
    const QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    const QString file = home.filePath("Kavero/settings_survival_test.conf");  // the program's
    if (!seed.isNull()) {
      QVERIFY(QDir().mkpath(home.filePath("Kavero")));
      QFile seeded(file);
      QVERIFY(seeded.open(QIODevice::WriteOnly) && seeded.write(seed) == seed.size());
    }
    QFETCH(QString, typed);
    QFETCH(bool, closeBox);
    QTEST(RunProgram(typed, closeBox), "firstShown");
    QTEST(RunProgram(), "nextShown");
    QCOMPARE(Contents(file + ".damaged"), keptAside ? seed : QByteArray("(missing)"));
    QTEST(Contents(file), "stored");
  }

  // A relative XDG_CONFIG_HOME would put the settings wherever the program was started from:
  // it is ignored. With HOME unset too there is nowhere to keep the date, and nothing is
  // written, least of all to /.config.
  void RelativeConfigHomeIsIgnored_data() {
    QTest::addColumn<bool>("homeSet");
    QTest::addColumn<QString>("nextShown");
    QTest::newRow("HOME set") << true << "3/21/1990";
    QTest::newRow("HOME unset") << false << "1/1/2000";
  }
  void RelativeConfigHomeIsIgnored() {
    QFETCH(bool, homeSet);
    const FixedToday today({16, 6, 2004});
    const ScopedPromptAnswer quiet([](QWidget*, const QString&) {});
    const QTemporaryDir folder;
    const QString startedIn = QDir::currentPath();
    const QByteArray savedHome = qgetenv("HOME");
    QVERIFY(QDir::setCurrent(folder.path()));
    qputenv("XDG_CONFIG_HOME", "config");
    if (homeSet) {
      qputenv("HOME", folder.filePath("home").toLocal8Bit());
    } else {
      qunsetenv("HOME");
    }
    const QString first = RunProgram("3/21/1990");
    const QString next = RunProgram();
    QDir::setCurrent(startedIn);
    qputenv("HOME", savedHome);
    QFETCH(QString, nextShown);
    QCOMPARE(first, "1/1/2000");
    QCOMPARE(next, nextShown);
    QCOMPARE(QFileInfo::exists(folder.filePath("home/.config/Kavero/settings_survival_test.conf")),
             homeSet);
    QVERIFY(!QFileInfo::exists(folder.filePath("config")));
    QVERIFY(!QFileInfo::exists("/.config/Kavero/settings_survival_test.conf"));
  }
};

}  // namespace astrivo

QTEST_MAIN(astrivo::SettingsSurvivalTest)
#include "settings_survival_test.moc"
