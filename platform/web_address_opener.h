// Opens a web address in the user's browser: the desktop's own opener (xdg-open, else the
// program named by $DEFAULT_BROWSER or $BROWSER) first, then the browser registered for web
// pages. Every program is started directly with the address as one argument of its own, never
// through a shell and never split at blanks. Failures end the attempt silently; nothing waits
// for a browser, so the window never blocks.
#pragma once

#include <QString>

namespace astrivo {

// True when a program was started for the address; nobody needs to look.
bool OpenWebAddress(const QString& url);

}  // namespace astrivo
