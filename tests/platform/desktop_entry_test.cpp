// The browser fallback: how a registered command line is cut and split, and that the address
// always reaches the browser as one argument, never through a shell.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <string>
#include <vector>

#include "platform/desktop_entry.h"
#include "platform/web_address_opener.h"

namespace astrivo {
namespace {

constexpr const char* kUrl = "https://astrivo.example/";

std::vector<std::string> Std(const QStringList& list) {
  std::vector<std::string> result;
  for (const QString& item : list) result.push_back(item.toStdString());
  return result;
}

struct CutCase {
  const char* name;
  const char* commandLine;
  const char* cut;
};

class CutAtPlaceholderTest : public testing::TestWithParam<CutCase> {};

TEST_P(CutAtPlaceholderTest, CutsBeforeThePlaceholder) {
  EXPECT_EQ(CutAtPlaceholder(QString::fromUtf8(GetParam().commandLine)).toStdString(),
            GetParam().cut);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CutAtPlaceholderTest,
    testing::Values(
        // The quoted form keeps the browser's own blank, so the address follows two blanks.
        CutCase{"QuotedPercentOne", R"(C:\Browser\b.exe "%1")", R"(C:\Browser\b.exe )"},
        CutCase{"BarePercentOne", "browser -nohome %1 -x", "browser -nohome "},
        CutCase{"NoPlaceholder", "browser --new-window", "browser --new-window"},
        CutCase{"QuotedUrl", R"(firefox "%u")", "firefox "},
        CutCase{"BareUrlList", "chromium %U", "chromium "},
        CutCase{"BareFile", "viewer %f", "viewer "},
        CutCase{"BareFileList", "viewer --open %F --x", "viewer --open "},
        CutCase{"QuotedWinsOverEarlierBare", R"(b %u "%1")", "b %u "},
        CutCase{"EscapedPercentIsNoPlaceholder", "b --at=%%u %u", "b --at=%%u "},
        CutCase{"OtherFieldCodesStay", "b %i %c", "b %i %c"},
        CutCase{"Empty", "", ""}),
    [](const testing::TestParamInfo<CutCase>& info) { return info.param.name; });

struct SplitCase {
  const char* name;
  const char* exec;
  std::vector<std::string> arguments;
};

class SplitExecLineTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitExecLineTest, SplitsByTheQuotingRules) {
  EXPECT_EQ(Std(SplitExecLine(QString::fromUtf8(GetParam().exec))), GetParam().arguments);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SplitExecLineTest,
    testing::Values(
        SplitCase{"Plain", "firefox --new-window", {"firefox", "--new-window"}},
        SplitCase{"RunsOfBlanks", "  b   -x  ", {"b", "-x"}},
        SplitCase{"QuotedPath", R"("/opt/My Browser/b" -x)", {"/opt/My Browser/b", "-x"}},
        SplitCase{"EscapesInQuotes", R"("a\"b\$c\`d\\e")", {R"(a"b$c`d\e)"}},
        SplitCase{"BackslashOutsideQuotesIsKept", R"(a\b)", {R"(a\b)"}},
        SplitCase{"EmptyQuotedArgument", R"(b "")", {"b", ""}},
        SplitCase{"FieldCodesDropped", "b %i --x %c", {"b", "--x"}},
        SplitCase{"PercentPercent", "b --zoom=100%%", {"b", "--zoom=100%"}},
        SplitCase{"NothingAtAll", "", {}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return info.param.name; });

// Addresses that a shell would turn into commands; each must arrive as one argument.
class HostileAddressTest : public testing::TestWithParam<const char*> {};

TEST_P(HostileAddressTest, StaysOneArgument) {
  const QString url = QString::fromUtf8(GetParam());
  for (const char* exec : {R"(browser "%u")", "browser %u", "browser", R"("/b b" %U --x)"}) {
    const QStringList command = BrowserCommand(QString::fromUtf8(exec), url);
    ASSERT_FALSE(command.isEmpty()) << exec;
    EXPECT_EQ(command.back(), url) << exec;
    EXPECT_NE(command.front(), QStringLiteral("sh")) << exec;
  }
}

INSTANTIATE_TEST_SUITE_P(Shell, HostileAddressTest,
                         testing::Values("https://x.example/; touch /tmp/astrivo-pwned",
                                         "https://x.example/$(touch /tmp/astrivo-pwned)",
                                         "https://x.example/`id`", R"(https://x.example/" "b)",
                                         "https://x.example/%u %F", "https://x.example/a b\\",
                                         "-flag", ""));

TEST(BrowserCommandTest, NoProgramGivesNoCommand) {
  EXPECT_TRUE(BrowserCommand(QStringLiteral("%u"), QString::fromUtf8(kUrl)).isEmpty());
  EXPECT_TRUE(BrowserCommand(QStringLiteral(R"("" %u)"), QString::fromUtf8(kUrl)).isEmpty());
}

class WebAddressOpenerTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dataFolder_.isValid());
    ASSERT_TRUE(QDir(dataFolder_.path()).mkpath(QStringLiteral("applications/vendor")));
  }

  void WriteDesktopFile(const QString& relativePath, const QByteArray& contents) {
    QFile file(QDir(dataFolder_.path()).filePath(QStringLiteral("applications/") + relativePath));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
  }

  // A system whose desktop refuses and whose HTML handler is `handler`; started commands
  // are recorded instead of run.
  WebAddressOpener::System FakeSystem(const QString& handler) {
    WebAddressOpener::System system;
    system.openWithDesktop = [this](const QUrl&) {
      ++desktopCalls_;
      return desktopAnswer_;
    };
    system.defaultHtmlHandler = [handler] { return handler; };
    system.dataFolders = [this] {
      return QStringList{QStringLiteral("/nonexistent/astrivo"), dataFolder_.path()};
    };
    system.startDetached = [this](const QString& program, const QStringList& arguments) {
      started_.append(program);
      started_.append(arguments);
      return true;
    };
    return system;
  }

  QTemporaryDir dataFolder_;
  bool desktopAnswer_ = false;
  int desktopCalls_ = 0;
  QStringList started_;
};

TEST_F(WebAddressOpenerTest, DesktopFirstAndNothingElseWhenItWorks) {
  desktopAnswer_ = true;
  WriteDesktopFile(QStringLiteral("b.desktop"), "[Desktop Entry]\nExec=b %u\n");
  EXPECT_TRUE(WebAddressOpener(FakeSystem(QStringLiteral("b.desktop"))).Open(kUrl));
  EXPECT_EQ(desktopCalls_, 1);
  EXPECT_TRUE(started_.isEmpty());
}

TEST_F(WebAddressOpenerTest, FallsBackToTheRegisteredBrowser) {
  WriteDesktopFile(QStringLiteral("b.desktop"),
                   "[Desktop Action new]\nExec=wrong %u\n"
                   "[Desktop Entry]\nName=B\nExec[de]=wrong\n"
                   "Exec=\"/opt/My\\sBrowser/b\" --new-window \"%u\"\n");
  EXPECT_TRUE(WebAddressOpener(FakeSystem(QStringLiteral("b.desktop"))).Open(kUrl));
  EXPECT_EQ(desktopCalls_, 1);
  EXPECT_EQ(Std(started_), (std::vector<std::string>{"/opt/My Browser/b", "--new-window", kUrl}));
}

TEST_F(WebAddressOpenerTest, FindsAVendorPrefixedEntryInItsSubfolder) {
  WriteDesktopFile(QStringLiteral("vendor/b.desktop"), "[Desktop Entry]\nExec=vb %U\n");
  EXPECT_TRUE(WebAddressOpener(FakeSystem(QStringLiteral("vendor-b.desktop"))).Open(kUrl));
  EXPECT_EQ(Std(started_), (std::vector<std::string>{"vb", kUrl}));
}

TEST_F(WebAddressOpenerTest, FailuresEndSilently) {
  WriteDesktopFile(QStringLiteral("noexec.desktop"), "[Desktop Entry]\nName=B\n");
  WriteDesktopFile(QStringLiteral("empty.desktop"), "[Desktop Entry]\nExec=%u\n");
  for (const char* handler :
       {"", "missing.desktop", "noexec.desktop", "empty.desktop", "../applications/b.desktop",
        "/etc/passwd", "b"}) {
    EXPECT_FALSE(WebAddressOpener(FakeSystem(QString::fromUtf8(handler))).Open(kUrl)) << handler;
  }
  EXPECT_TRUE(started_.isEmpty());
  WebAddressOpener::System nothing;
  EXPECT_FALSE(WebAddressOpener(nothing).Open(kUrl));
}

// Starts a real program through the real launcher: `touch` creates the file it is given, so
// a shell would have created the marker file as well.
TEST_F(WebAddressOpenerTest, RealLauncherRunsNoShell) {
  const QString touch = QStringLiteral("/usr/bin/touch");
  if (!QFile::exists(touch)) GTEST_SKIP() << "no " << touch.toStdString();
  QTemporaryDir work;
  const QString marker = work.filePath(QStringLiteral("marker"));
  const QString opened = work.filePath(QStringLiteral("opened"));
  WriteDesktopFile(QStringLiteral("t.desktop"), "[Desktop Entry]\nExec=/usr/bin/touch %u\n");
  WebAddressOpener::System system = FakeSystem(QStringLiteral("t.desktop"));
  system.startDetached = WebAddressOpener::RealSystem().startDetached;
  const WebAddressOpener opener(system);

  EXPECT_TRUE(opener.Open(work.filePath(QStringLiteral("x;touch ")) + marker));
  EXPECT_TRUE(opener.Open(work.filePath(QStringLiteral("$(touch ")) + marker + u')'));
  EXPECT_TRUE(opener.Open(opened));
  QElapsedTimer waited;
  waited.start();
  while (!QFile::exists(opened) && waited.elapsed() < 5000) QThread::msleep(20);
  ASSERT_TRUE(QFile::exists(opened)) << "the launcher did not run the browser";
  QThread::msleep(200);
  EXPECT_FALSE(QFile::exists(marker));
}

}  // namespace
}  // namespace astrivo

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
