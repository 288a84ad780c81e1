// The birth date between two runs of the program, as the user runs it: the settings file is
// seeded with bytes, the program starts (the real application object and its store, with
// XDG_CONFIG_HOME in a temporary folder), the user types a date and closes the window, and the
// next start shows what was kept. Expected dates are the typed or seeded ones, written out by
// hand; files written by the program are read back with QSettings, which wrote them before.
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <memory>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "app/horoscope_app.h"
#include "app/horoscope_dialog.h"
#include "app/main_dialog_layout.h"
#include "fixed_today.h"
#include "platform/settings_store.h"
#include "scoped_prompt_answer.h"

namespace astrivo {
namespace {

constexpr char kGoodFile[] = "[user]\nstart%20day=7\nstart%20month=9\nstart%20year=1975\n";
constexpr uid_t kNobody = 65534;  // Debian's nobody and nogroup

enum class Close { kEscape, kCloseBox };

// What the user does in one run; the dialog's trace has ended, so the fields take typing.
using UserActions = std::function<void(HoroscopeDialog& dialog)>;

QString Shown(const HoroscopeDialog& dialog) {
  const auto text = [&dialog](int id) { return dialog.ControlAs<QLineEdit>(id)->text(); };
  return text(kIdBirthMonth) + "/" + text(kIdBirthDay) + "/" + text(kIdBirthYear);
}

void Type(HoroscopeDialog& dialog, int id, const QString& text) {
  auto* edit = dialog.ControlAs<QLineEdit>(id);
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
}

// `date` as the fields stand, month/day/year.
void TypeDate(HoroscopeDialog& dialog, const QString& date) {
  const QStringList parts = date.split(u'/');
  Type(dialog, kIdBirthMonth, parts.value(0));
  Type(dialog, kIdBirthDay, parts.value(1));
  Type(dialog, kIdBirthYear, parts.value(2));
}

void CloseWindow(HoroscopeDialog& dialog, Close how) {
  if (how == Close::kEscape) {
    QTest::keyClick(dialog.Control(kIdBirthYear), Qt::Key_Escape);
  } else {
    dialog.windowHandle()->close();
  }
}

// The program's one window; it runs as an ordinary main window, not as a modal dialog.
HoroscopeDialog* ShownMainWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* dialog = qobject_cast<HoroscopeDialog*>(widget);
    if (dialog != nullptr && dialog->isVisible()) return dialog;
  }
  return nullptr;
}

// Runs the program once as main() does; returns the date its window showed at start.
QString RunProgram(const UserActions& user) {
  QString shown;
  QTimer::singleShot(0, [&] {
    HoroscopeDialog* dialog = ShownMainWindow();
    if (dialog == nullptr) {
      QApplication::closeAllWindows();
      return;
    }
    while (dialog->IsTimerRunning(HoroscopeDialog::kTraceTimer)) dialog->AdvanceTrace();
    shown = Shown(*dialog);
    user(*dialog);
  });
  SettingsStore settings;
  HoroscopeApp app(settings, kTestClock, TestPrompts());
  app.Run();
  return shown;
}

// Runs one case of this test program as nobody, from a copy nobody can reach (the build
// folder may sit under root's home); returns its exit code.
int RunAsNobody(const QString& testCase) {
  QTemporaryDir folder;
  const QString copy = folder.filePath("settings_survival_test");  // names the settings file
  constexpr auto kReadAndRun = QFileDevice::Permissions(0x7755);   // rwxr-xr-x
  if (!QFile::copy(QCoreApplication::applicationFilePath(), copy) ||
      !QFile::setPermissions(folder.path(), kReadAndRun) ||
      !QFile::setPermissions(copy, kReadAndRun)) {
    return -1;
  }
  QProcess child;
  child.setProcessChannelMode(QProcess::ForwardedChannels);
  child.setWorkingDirectory(folder.path());
  const QString id = QString::number(kNobody);
  child.start("setpriv", {"--reuid=" + id, "--regid=" + id, "--clear-groups", copy, testCase});
  if (!child.waitForFinished(120000)) return -1;
  return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
}

QString NextStartShows() {
  return RunProgram([](HoroscopeDialog& dialog) { CloseWindow(dialog, Close::kEscape); });
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void Seed(const QString& path, const QByteArray& bytes) {
  QVERIFY(QDir().mkpath(QFileInfo(path).path()));
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  QCOMPARE(file.write(bytes), bytes.size());
}

// month/day/year as QSettings reads the file back.
QString StoredDate(const QString& path) {
  QSettings stored(path, QSettings::IniFormat);
  return stored.value("user/start month").toString() + "/" +
         stored.value("user/start day").toString() + "/" +
         stored.value("user/start year").toString();
}

constexpr QFileDevice::Permissions kReadOnly = QFileDevice::ReadOwner | QFileDevice::ReadUser;
constexpr QFileDevice::Permissions kReadOnlyFolder =
    kReadOnly | QFileDevice::ExeOwner | QFileDevice::ExeUser;
constexpr QFileDevice::Permissions kOpenFolder =
    kReadOnlyFolder | QFileDevice::WriteOwner | QFileDevice::WriteUser;

}  // namespace

class SettingsSurvivalTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    home_ = std::make_unique<QTemporaryDir>();
    QVERIFY(home_->isValid());
    qputenv("XDG_CONFIG_HOME", home_->path().toLocal8Bit());
    prompts_.clear();
    promptAnswer_ = std::make_unique<ScopedPromptAnswer>(
        [this](QWidget*, const QString& text) { prompts_ << text; });
  }

  void cleanup() {
    QFile::setPermissions(Folder(), kOpenFolder);
    QFile::setPermissions(File(), kOpenFolder);
    promptAnswer_.reset();
    home_.reset();
  }

  // A file the program cannot read back cleanly is kept aside byte for byte, the readable
  // values are shown, and the typed date is written as a clean file in the earlier layout.
  void DamagedFileIsKeptAsideAndTheDateWritten_data() {
    QTest::addColumn<QByteArray>("seed");
    QTest::addColumn<QString>("firstShown");
    QTest::addColumn<int>("close");
    QTest::addColumn<bool>("keptAside");
    const QByteArray good(kGoodFile);
    const int escape = int(Close::kEscape), closeBox = int(Close::kCloseBox);
    QTest::newRow("no file") << QByteArray() << "1/1/2000" << escape << false;
    QTest::newRow("a file the earlier program wrote") << good << "9/7/1975" << closeBox << false;
    QTest::newRow("NUL bytes") << QByteArray(300, '\0') << "1/1/2000" << escape << true;
    QTest::newRow("garbage after a good file")
        << good + QByteArray("\x01\x7f\xc3(garbage\n\0\0\xfe", 15) << "9/7/1975" << escape << true;
    QTest::newRow("an unparseable line")
        << QByteArray("[user]\nstart%20day=7\n[[[\nstart%20year=1975\n") << "1/7/1975" << closeBox
        << true;
    QTest::newRow("a value that is not a number")
        << QByteArray("[user]\nstart%20day=7\nstart%20month=nine\n") << "1/7/2000" << escape
        << true;
  }

  void DamagedFileIsKeptAsideAndTheDateWritten() {
    QFETCH(QByteArray, seed);
    QFETCH(QString, firstShown);
    QFETCH(int, close);
    QFETCH(bool, keptAside);
    const FixedToday today({16, 6, 2004});
    if (!seed.isNull()) Seed(File(), seed);

    const QString shown = RunProgram([close](HoroscopeDialog& dialog) {
      TypeDate(dialog, "3/21/1990");
      CloseWindow(dialog, Close(close));
    });
    QCOMPARE(shown, firstShown);
    QCOMPARE(NextStartShows(), QString("3/21/1990"));
    QCOMPARE(StoredDate(File()), QString("3/21/1990"));
    QCOMPARE(Contents(File() + ".damaged"), keptAside ? seed : QByteArray("(missing)"));
    QCOMPARE(prompts_, QStringList{});
  }

  // An earlier kept copy is never overwritten: the next one takes the next free name.
  void EveryDamagedCopyIsKept() {
    const FixedToday today({16, 6, 2004});
    Seed(File() + ".damaged", "first");
    Seed(File() + ".damaged-2", "second");
    for (const QByteArray& damage : {QByteArray(40, '\0'), QByteArray("[[[")}) {
      Seed(File(), damage);
      RunProgram([](HoroscopeDialog& dialog) { CloseWindow(dialog, Close::kEscape); });
    }
    QCOMPARE(Contents(File() + ".damaged"), QByteArray("first"));
    QCOMPARE(Contents(File() + ".damaged-2"), QByteArray("second"));
    QCOMPARE(Contents(File() + ".damaged-3"), QByteArray(40, '\0'));
    QCOMPARE(Contents(File() + ".damaged-4"), QByteArray("[[["));
    QCOMPARE(StoredDate(File()), QString("1/1/2000"));
  }

  // Submit keeps its validated read-back: it stops at the first field that fails, with a
  // prompt. Closing stores each field that holds a number, in range or not, keeps the last
  // value read from a field holding text, and prompts for nothing.
  void ClosingKeepsEveryNumberTyped_data() {
    QTest::addColumn<QString>("submitted");  // typed and submitted first, or nothing
    QTest::addColumn<QString>("typed");      // then typed, submitted, and the window closed
    QTest::addColumn<QStringList>("submitPrompts");
    QTest::addColumn<QString>("nextShown");
    QTest::addColumn<QStringList>("nextPrompts");  // the next start rates the stored date
    const QStringList notANumber{"Please enter an integer."};
    const QStringList dayOutOfRange{"Please enter an integer between 1 and 31."};
    QTest::newRow("text in Month") << ""
                                   << "x/25/1980" << notANumber << "1/25/1980" << QStringList{};
    QTest::newRow("a day out of range")
        << ""
        << "9/45/1975" << dayOutOfRange << "9/45/1975" << dayOutOfRange;
    QTest::newRow("text everywhere after a good Submit")
        << "5/6/1970"
        << "x/ /1970.5" << notANumber << "5/6/1970" << QStringList{};
  }

  void ClosingKeepsEveryNumberTyped() {
    QFETCH(QString, submitted);
    QFETCH(QString, typed);
    QFETCH(QStringList, submitPrompts);
    QFETCH(QString, nextShown);
    QFETCH(QStringList, nextPrompts);
    const FixedToday today({16, 6, 2004});
    QStringList promptsAtSubmit, promptsAtClose;
    RunProgram([&](HoroscopeDialog& dialog) {
      for (const QString& date : {submitted, typed}) {
        if (date.isEmpty()) continue;
        TypeDate(dialog, date);
        prompts_.clear();
        QTest::mouseClick(dialog.ControlAs<QAbstractButton>(kIdSubmit), Qt::LeftButton);
        while (dialog.IsTimerRunning(HoroscopeDialog::kTraceTimer)) dialog.AdvanceTrace();
      }
      promptsAtSubmit = prompts_;
      prompts_.clear();
      CloseWindow(dialog, Close::kEscape);
      promptsAtClose = prompts_;
    });
    QCOMPARE(promptsAtSubmit, submitPrompts);
    QCOMPARE(promptsAtClose, QStringList{});
    prompts_.clear();
    QCOMPARE(NextStartShows(), nextShown);
    QCOMPARE(prompts_, nextPrompts);
  }

  // Something in the way of the file: nothing crashes, nothing already there is destroyed,
  // and the typed date is simply not kept. Root ignores read-only modes, so as root these
  // cases run again as nobody.
  void BlockedFileKeepsWhatIsThere_data() {
    QTest::addColumn<QString>("blocker");  // under the config folder
    QTest::addColumn<QByteArray>("seed");
    QTest::addColumn<QString>("locked");  // under the config folder; nothing when empty
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("nextShown");
    const QString file = "Kavero/settings_survival_test.conf";
    const QByteArray good(kGoodFile);
    const int readOnly = kReadOnly, readOnlyFolder = kReadOnlyFolder;
    const int writeOnly = QFileDevice::WriteOwner | QFileDevice::WriteUser;
    QTest::newRow("a folder named like the file")
        << file + "/inside" << QByteArray("keep") << "" << 0 << "1/1/2000";
    QTest::newRow("a read-only file") << file << good << file << readOnly << "9/7/1975";
    QTest::newRow("a file that cannot be read") << file << good << file << writeOnly << "1/1/2000";
    QTest::newRow("a read-only folder") << file << good << "Kavero" << readOnlyFolder << "9/7/1975";
    QTest::newRow("a damaged file in a read-only folder")
        << file << QByteArray(30, '\0') << "Kavero" << readOnlyFolder << "1/1/2000";
  }

  void BlockedFileKeepsWhatIsThere() {
    if (geteuid() == 0) {
      QCOMPARE(RunAsNobody(QString("BlockedFileKeepsWhatIsThere:") + QTest::currentDataTag()), 0);
      return;
    }
    QFETCH(QString, blocker);
    QFETCH(QByteArray, seed);
    QFETCH(QString, locked);
    QFETCH(int, mode);
    QFETCH(QString, nextShown);
    const FixedToday today({16, 6, 2004});
    Seed(home_->filePath(blocker), seed);
    if (!locked.isEmpty()) {
      QVERIFY(QFile::setPermissions(home_->filePath(locked), QFileDevice::Permissions(mode)));
    }
    RunProgram([](HoroscopeDialog& dialog) {
      TypeDate(dialog, "3/21/1990");
      CloseWindow(dialog, Close::kCloseBox);
    });
    QCOMPARE(NextStartShows(), nextShown);
    QFile::setPermissions(Folder(), kOpenFolder);
    QFile::setPermissions(File(), kOpenFolder);
    QCOMPARE(Contents(home_->filePath(blocker)), seed);
    QVERIFY(!QFile::exists(File() + ".damaged"));
  }

  // A write cut off before it completes (here by a file size limit, which stops root too, as
  // a full disk would) leaves the old file whole and no temporary file behind.
  void InterruptedWriteLeavesTheOldFile() {
    const FixedToday today({16, 6, 2004});
    Seed(File(), kGoodFile);
    rlimit unlimited{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &unlimited), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    RunProgram([&unlimited](HoroscopeDialog& dialog) {
      TypeDate(dialog, "3/21/1990");
      const rlimit tiny{20, unlimited.rlim_max};  // bytes: less than the new file needs
      setrlimit(RLIMIT_FSIZE, &tiny);
      CloseWindow(dialog, Close::kEscape);
    });
    setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, previousHandler);
    QCOMPARE(Contents(File()), QByteArray(kGoodFile));
    QCOMPARE(QDir(Folder()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"settings_survival_test.conf"});
    QCOMPARE(NextStartShows(), QString("9/7/1975"));
  }

 private:
  QString Folder() const { return home_->filePath("Kavero"); }
  // The file is named after the executable: astrivo.conf for the program, this for the test.
  QString File() const { return home_->filePath("Kavero/settings_survival_test.conf"); }

  std::unique_ptr<QTemporaryDir> home_;
  QStringList prompts_;
  std::unique_ptr<ScopedPromptAnswer> promptAnswer_;
};

}  // namespace astrivo

QTEST_MAIN(astrivo::SettingsSurvivalTest)
#include "settings_survival_test.moc"
