// The browser registered for web pages (text/html in the user's and the system's
// mimeapps.list), started by GLib's GIO, which reads desktop entries as the desktop does:
// Exec quoting and field codes, Terminal=, D-Bus activation.
#pragma once

#include <string>

namespace astrivo {

// Starts the registered browser with `url` and returns at once; false when GIO or a
// registered browser is missing. GIO is loaded on the first call only, so a start-up that
// never needs it does not pay for it; the launch finishes in the event loop.
bool LaunchRegisteredBrowser(const std::string& url);

}  // namespace astrivo
