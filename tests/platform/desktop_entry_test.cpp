// The browser fallback: how a registered command line is cut and split, that the address always
// reaches the browser as one argument and never through a shell, and the order of the attempts.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

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

TEST(DesktopEntryTest, CutsBeforeThePlaceholder) {
  const std::pair<const char*, const char*> cases[] = {
      // The quoted form keeps the browser's own blank, so the address follows two blanks.
      {R"(C:\Browser\b.exe "%1")", R"(C:\Browser\b.exe )"},
      {"browser -nohome %1 -x", "browser -nohome "},
      {"browser --new-window", "browser --new-window"},
      {R"(firefox "%u")", "firefox "},
      {"chromium %U", "chromium "},
      {"viewer %f", "viewer "},
      {"viewer --open %i %F --x", "viewer --open %i "},  // %i is no placeholder
      {R"(b %u "%1")", "b %u "},         // a quoted placeholder wins over an earlier bare one
      {"b --at=%%u %u", "b --at=%%u "},  // %% is a percent, not the start of a placeholder
  };
  for (const auto& [commandLine, cut] : cases) {
    EXPECT_EQ(CutAtPlaceholder(QString::fromUtf8(commandLine)).toStdString(), cut) << commandLine;
  }
}

TEST(DesktopEntryTest, SplitsByTheQuotingRulesAndTheAddressStaysOneArgument) {
  // The placeholders stand last, where a field code splits away as the cut would.
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"  b   --new-window  ", {"b", "--new-window"}},
      {R"("/opt/My Browser/b" -x "%u")", {"/opt/My Browser/b", "-x"}},
      {R"("a\"b\$c\`d\\e")", {R"(a"b$c`d\e)"}},
      {R"(a\b)", {R"(a\b)"}},  // a backslash outside quotes is kept
      {R"(b "")", {"b", ""}},
      {"b %i --x %c %U", {"b", "--x"}},
      {"b --zoom=100%%", {"b", "--zoom=100%"}},
      {"", {}},
      {R"("" --x %f)", {"", "--x"}},
  };
  // Addresses a shell would turn into commands or extra arguments.
  const char* const addresses[] = {"https://x.example/; touch /tmp/astrivo-pwned",
                                   "https://x.example/$(touch /tmp/x)",
                                   "https://x.example/`id`",
                                   R"(https://x.example/" "b)",
                                   "https://x.example/%u %F",
                                   "https://x.example/a b\\",
                                   "-flag",
                                   ""};
  for (const auto& [exec, arguments] : cases) {
    EXPECT_EQ(Std(SplitExecLine(QString::fromUtf8(exec))), arguments) << exec;
    // The address is one argument after the line's own, or no command when it names no program.
    const bool named = !arguments.empty() && !arguments.front().empty();
    for (const char* address : addresses) {
      std::vector<std::string> command = arguments;
      command.push_back(address);
      EXPECT_EQ(Std(BrowserCommand(QString::fromUtf8(exec), QString::fromUtf8(address))),
                named ? command : std::vector<std::string>{})
          << exec << " " << address;
    }
  }
}

class WebAddressOpenerTest : public testing::Test {
 protected:
  void WriteDesktopFile(const char* relativePath, const QByteArray& contents) {
    const QString path = dataFolder_.filePath(QStringLiteral("applications/") + relativePath);
    ASSERT_TRUE(QFileInfo(path).dir().mkpath(QStringLiteral(".")));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
  }

  // A system whose desktop gives desktopAnswer_ and whose HTML handler is `handler`; started
  // commands are recorded instead of run.
  WebAddressOpener::System FakeSystem(const char* handler) {
    WebAddressOpener::System system;
    system.openWithDesktop = [this](const QUrl&) { return desktopAnswer_; };
    system.defaultHtmlHandler = [handler] { return QString::fromUtf8(handler); };
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
  QStringList started_;
};

TEST_F(WebAddressOpenerTest, DesktopFirstThenTheRegisteredBrowserElseSilentFailure) {
  // Only the [Desktop Entry] group's plain Exec counts; \s is a blank.
  WriteDesktopFile("b.desktop",
                   "[Desktop Action new]\nExec=wrong %u\n"
                   "[Desktop Entry]\nName=B\nExec[de]=wrong\n"
                   "Exec=\"/opt/My\\sBrowser/b\" --new-window \"%u\"\n");
  WriteDesktopFile("vendor/v.desktop", "[Desktop Entry]\nExec=vb %U\n");
  WriteDesktopFile("noexec.desktop", "[Desktop Entry]\nName=B\n");
  WriteDesktopFile("empty.desktop", "[Desktop Entry]\nExec=%u\n");
  const struct {
    bool desktopAnswer;
    const char* handler;
    std::vector<std::string> started;  // empty: nothing may start
  } cases[] = {
      {true, "b.desktop", {}},  // the desktop took it: nothing else runs
      {false, "b.desktop", {"/opt/My Browser/b", "--new-window", kUrl}},
      {false, "vendor-v.desktop", {"vb", kUrl}},  // found in its vendor subfolder
      // From here on the attempt fails, and silently.
      {false, "", {}},
      {false, "missing.desktop", {}},
      {false, "noexec.desktop", {}},
      {false, "empty.desktop", {}},
      {false, "../applications/b.desktop", {}},
      {false, "vendor/v.desktop", {}},  // a path, not a plain name
      {false, "b", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.handler);
    desktopAnswer_ = c.desktopAnswer;
    started_.clear();
    EXPECT_EQ(WebAddressOpener(FakeSystem(c.handler)).Open(kUrl),
              c.desktopAnswer || !c.started.empty());
    EXPECT_EQ(Std(started_), c.started);
  }
  EXPECT_FALSE(WebAddressOpener(WebAddressOpener::System()).Open(kUrl));
}

}  // namespace
}  // namespace astrivo

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
