// The window a real-input test drives: its controls by the short names the tests' tables use,
// and its opening, which waits until the window can take the user's input.
#pragma once

#include <QApplication>
#include <QString>
#include <QTest>
#include <QWidget>

#include <utility>

#include "app/about_layout.h"
#include "app/main_dialog_layout.h"
#include "platform/dialog.h"

namespace astrivo {

// clang-format off
inline constexpr std::pair<const char*, int> kNamedControls[] = {
    {"tilt", kIdTiltSlider}, {"heading", kIdHeadingSlider}, {"month", kIdBirthMonth},
    {"day", kIdBirthDay}, {"year", kIdBirthYear}, {"submit", kIdSubmit}, {"today", kIdToday},
    {"tomorrow", kIdTomorrow}, {"week", kIdThisWeek}, {"thismonth", kIdThisMonth},
    {"signs", kIdSignList}, {"view", kIdSkyView}, {"banner", kIdDateBanner},
    {"trace", kIdTraceMonth}, {"link", kIdLink}, {"ok", kIdOk}};
// clang-format on

// The control of `dialog` that `name` stands for, or nullptr where it has none.
inline QWidget* NamedControl(const Dialog& dialog, const QString& name) {
  for (const auto& [known, id] : kNamedControls) {
    if (name == QLatin1String(known)) return dialog.Control(id);
  }
  return nullptr;
}

// The name `widget` has among `dialog`'s controls, or "another".
inline QString ControlName(const Dialog& dialog, const QWidget* widget) {
  for (const auto& [name, id] : kNamedControls) {
    if (widget != nullptr && dialog.Control(id) == widget) return QString::fromLatin1(name);
  }
  return QStringLiteral("another");
}

// Shows `window` and waits until it is on screen and, with `keyboard`, until it has the
// keyboard: on Wayland that is once the compositor says so, after the window is exposed. (A
// window that starts with a box over it leaves the keyboard to the box.)
inline void ShowForInput(QWidget& window, bool keyboard = true) {
  window.show();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  if (keyboard) QTRY_VERIFY(window.isActiveWindow() && QApplication::focusWidget() != nullptr);
}

}  // namespace astrivo
