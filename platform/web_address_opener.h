// Opens a web address in the user's browser: through the desktop first, then by starting the
// browser registered for HTML files. Failures end the attempt silently.
#pragma once

#include <functional>

#include <QString>
#include <QStringList>
#include <QUrl>

namespace astrivo {

class WebAddressOpener {
 public:
  // The system calls the opener makes; tests replace them.
  struct System {
    std::function<bool(const QUrl& url)> openWithDesktop;
    std::function<QString()> defaultHtmlHandler;  // a desktop file name, or empty
    std::function<QStringList()> dataFolders;     // XDG data folders, most important first
    // Starts `program` with `arguments` directly, never through a shell.
    std::function<bool(const QString& program, const QStringList& arguments)> startDetached;
  };
  static System RealSystem();

  explicit WebAddressOpener(System system = RealSystem());

  // True when the desktop or a browser took the address; nobody needs to look.
  bool Open(const QString& url) const;

 private:
  System system_;
};

// Opens `url` with the real system.
void OpenWebAddress(const QString& url);

}  // namespace astrivo
