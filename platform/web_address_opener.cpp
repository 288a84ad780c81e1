// The desktop's opener, with the registered web browser as the fallback.
#include "platform/web_address_opener.h"

#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "platform/registered_browser.h"

namespace astrivo {
namespace {

// The program the desktop opens addresses with: xdg-open where it is installed, else the one
// the user named in the environment, a path or a name looked up in PATH. The value names one
// program, blanks and all.
QString DesktopOpener() {
  QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  for (const char* variable : {"DEFAULT_BROWSER", "BROWSER"}) {
    if (!opener.isEmpty()) break;
    const QString named = qEnvironmentVariable(variable);
    if (!named.isEmpty()) opener = QStandardPaths::findExecutable(named);
  }
  return opener;
}

}  // namespace

bool OpenWebAddress(const QString& url) {
  const QString opener = DesktopOpener();
  if (QUrl(url, QUrl::StrictMode).isValid() && !opener.isEmpty() &&
      QProcess::startDetached(opener, {url})) {
    return true;
  }
  return LaunchRegisteredBrowser(url.toStdString());
}

}  // namespace astrivo
