// Pieces of the freedesktop.org desktop entry format that finding and starting the user's
// web browser needs. Pure functions, apart from reading files.
#pragma once

#include <QString>
#include <QStringList>

namespace astrivo {

// The command line up to its placeholder for the address: cut before the opening quote of
// the first quoted placeholder ("%1", "%u", "%U", "%f" or "%F" in double quotes), or else
// before the percent sign of the first bare one; the whole line when there is none.
QString CutAtPlaceholder(const QString& commandLine);

// Splits an Exec value into arguments by the desktop entry's quoting rules: blanks separate,
// double quotes group, and inside them a backslash escapes ", `, $ and \. Field codes left in
// the line (%i, %c, %k and the like) are dropped and %% becomes %.
QStringList SplitExecLine(const QString& exec);

// The program and its arguments that open `url` with a browser whose Exec value is `exec`;
// the address is always one argument of its own, whatever characters it holds. Empty when
// the line names no program.
QStringList BrowserCommand(const QString& exec, const QString& url);

// The Exec value of the [Desktop Entry] group of the file, with the format's string escapes
// (\s, \n, \t, \r, \\) undone; empty when the file or the key is missing.
QString ReadExecValue(const QString& desktopFilePath);

// The desktop file called `name` in the "applications" folder of the first data folder that
// holds it, following the rule that "vendor-name.desktop" may live at "vendor/name.desktop".
// Empty when `name` is not a plain desktop file name or no folder holds it.
QString FindDesktopFile(const QString& name, const QStringList& dataFolders);

}  // namespace astrivo
