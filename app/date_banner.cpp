// The date banner reads the clock on every paint, and repaints itself when the local date
// changes (midnight, a clock or zone change, waking from suspend), so it never shows yesterday.
#include "app/date_banner.h"

#include <QPainter>

#include "engine/calendar_date.h"
#include "engine/calendar_names.h"
#include "platform/accessible_role.h"
#include "platform/date_change_watch.h"

namespace astrivo {
namespace {

const QColor kDarkBlue(0, 0, 100);
constexpr int kTextInset = 5;         // pixels from the left edge
constexpr int kCharacterHeight = 16;  // pixels, the em height without internal leading
constexpr const char* kFontFamily = "Liberation Serif";  // metric twin of Times New Roman

QFont BannerFont() {
  QFont font(QString::fromLatin1(kFontFamily));
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(kCharacterHeight);
  font.setBold(true);
  font.setItalic(true);
  return font;
}

}  // namespace

DateBanner::DateBanner(const LocalClock& clock, QWidget* parent) : QWidget(parent), clock_(clock) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  SetAccessibleRole(this, QAccessible::StaticText);
  UpdateAccessibleName();
  connect(new DateChangeWatch(this), &DateChangeWatch::Changed, this, [this] {
    UpdateAccessibleName();
    update();
  });
}

QString DateBanner::TextFor(const LocalDate& date) {
  const int weekday = CalendarDate(date.day, date.month, date.year).DayOfWeek();  // 1 Monday
  const bool known = weekday >= 1 && weekday <= 7 && date.month >= 1 && date.month <= 12;
  if (!known) return QStringLiteral("Todays date:");
  // English tables rather than strftime, which Qt sets to the user's locale.
  return QStringLiteral("Todays date: %1 %2 %3, %4")
      .arg(QLatin1String(kWeekdayNames[static_cast<std::size_t>(weekday - 1)]),
           QLatin1String(kMonthNames[static_cast<std::size_t>(date.month - 1)]))
      .arg(date.day, 2, 10, QLatin1Char('0'))
      .arg(date.year, 4, 10, QLatin1Char('0'));
}

QString DateBanner::Text() const { return TextFor(clock_.Today()); }

void DateBanner::UpdateAccessibleName() {
  const QString text = Text();
  if (accessibleName() != text) setAccessibleName(text);
}

void DateBanner::paintEvent(QPaintEvent*) {
  const QString text = Text();
  UpdateAccessibleName();

  QPainter painter(this);
  const int w = width();
  const int h = height();
  painter.fillRect(rect(), kDarkBlue);
  // Only the top row and the left column of the outline fall inside the client area.
  painter.fillRect(0, 0, w, 1, Qt::white);
  painter.fillRect(0, 1, 1, h - 1, Qt::white);

  QRect textArea = rect();
  textArea.setLeft(kTextInset);
  painter.setClipRect(textArea);
  painter.setFont(BannerFont());
  painter.setPen(Qt::white);
  painter.setBackgroundMode(Qt::OpaqueMode);
  painter.setBackground(kDarkBlue);
  painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

}  // namespace astrivo
