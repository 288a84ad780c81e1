// The desktop's URL handler, with the registered HTML browser as the fallback.
#include "platform/web_address_opener.h"

#include <utility>

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

#include "platform/desktop_entry.h"

namespace astrivo {
namespace {

constexpr int kQueryTimeout = 3000;  // milliseconds xdg-mime may take before it is given up

QString QueryDefaultHtmlHandler() {
  QProcess query;
  query.start(QStringLiteral("xdg-mime"),
              {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
  if (!query.waitForFinished(kQueryTimeout)) {
    query.kill();
    query.waitForFinished(kQueryTimeout);
    return {};
  }
  if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) return {};
  return QString::fromLocal8Bit(query.readAllStandardOutput()).section(u'\n', 0, 0).trimmed();
}

}  // namespace

WebAddressOpener::System WebAddressOpener::RealSystem() {
  System system;
  system.openWithDesktop = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
  system.defaultHtmlHandler = QueryDefaultHtmlHandler;
  system.dataFolders = [] {
    return QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
  };
  system.startDetached = [](const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
  };
  return system;
}

WebAddressOpener::WebAddressOpener(System system) : system_(std::move(system)) {}

bool WebAddressOpener::Open(const QString& url) const {
  const QUrl address(url, QUrl::StrictMode);
  if (address.isValid() && system_.openWithDesktop && system_.openWithDesktop(address)) {
    return true;
  }
  if (!system_.defaultHtmlHandler || !system_.dataFolders || !system_.startDetached) return false;
  const QString desktopFile = FindDesktopFile(system_.defaultHtmlHandler(), system_.dataFolders());
  if (desktopFile.isEmpty()) return false;
  QStringList command = BrowserCommand(ReadExecValue(desktopFile), url);
  if (command.isEmpty()) return false;
  const QString program = command.takeFirst();
  return system_.startDetached(program, command);
}

void OpenWebAddress(const QString& url) { WebAddressOpener().Open(url); }

}  // namespace astrivo
