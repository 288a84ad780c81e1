// The program icon, drawn with QPainter for the PNG sizes and written out as SVG from the same
// shapes and colours.
#include "tools/artwork/program_icon.h"

#include <cmath>
#include <utility>
#include <vector>

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "tools/artwork/star_path.h"

namespace astrivo {

namespace {

constexpr double kPi = 3.14159265358979323846;

// The design in units of a 256-pixel icon (QPen's defaults, which the SVG repeats: square caps
// unless noted, bevelled joins): centre, radii and stroke widths.
constexpr double kDesignSize = 256;
constexpr double kCentre = 128;
constexpr double kDiscRadius = 120;
constexpr double kRimWidth = 8;
constexpr double kSmallRimWidth = 14;  // below 32 pixels
constexpr int kSectors = 12;
constexpr double kMarkFrom = 96;  // radius where a sector mark starts
constexpr double kMarkTo = 112;   // radius where it ends
constexpr double kMarkWidth = 6;
constexpr double kSmallMarkWidth = 10;  // below 48 pixels
constexpr double kRingRadius = 88;
constexpr double kRingWidth = 3;
constexpr int kStarPoints = 8;
constexpr double kStarOuter = 82;
constexpr double kStarInner = 30;
constexpr double kStarOutlineWidth = 3;

const QColor kGold(230, 180, 40);
const QColor kRingGold(230, 180, 40, 160);
const QColor kStarOutline(120, 60, 0);

// A radial gradient: centre, radius and its stops (offset 0..1, colour).
struct Gradient {
  QPointF centre;
  double radius;
  std::vector<std::pair<double, QColor>> stops;
};

const Gradient kNight{{110, 100}, 150, {{0.0, QColor(40, 50, 120)}, {1.0, QColor(8, 10, 40)}}};
const Gradient kStarGold{
    {112, 110},
    90,
    {{0.0, QColor(255, 252, 215)}, {0.5, QColor(255, 210, 70)}, {1.0, QColor(215, 130, 0)}}};

QRadialGradient ToQt(const Gradient& gradient) {
  QRadialGradient result(gradient.centre, gradient.radius);
  for (const auto& [offset, color] : gradient.stops) result.setColorAt(offset, color);
  return result;
}

QPointF MarkPoint(int sector, double radius) {
  const double a = sector * kPi / (kSectors / 2.0);
  return QPointF(kCentre + radius * std::cos(a), kCentre + radius * std::sin(a));
}

QString Number(double value) { return QString::number(value, 'f', 2); }

QString SvgColor(const QColor& color) { return color.name(QColor::HexRgb); }

QString SvgGradient(const QString& id, const Gradient& gradient) {
  QString text = QStringLiteral(
                     "  <radialGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" "
                     "cx=\"%2\" cy=\"%3\" r=\"%4\">\n")
                     .arg(id, Number(gradient.centre.x()), Number(gradient.centre.y()),
                          Number(gradient.radius));
  for (const auto& [offset, color] : gradient.stops) {
    text += QStringLiteral("   <stop offset=\"%1\" stop-color=\"%2\"/>\n")
                .arg(Number(offset), SvgColor(color));
  }
  return text + QStringLiteral("  </radialGradient>\n");
}

QString SvgPathData(const QPainterPath& path) {
  QString data;
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    data += QStringLiteral("%1%2,%3 ").arg(e.isMoveTo() ? 'M' : 'L').arg(Number(e.x), Number(e.y));
  }
  return data + QLatin1Char('Z');
}

}  // namespace

QImage ProgramIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.scale(size / kDesignSize, size / kDesignSize);
  const QPointF centre(kCentre, kCentre);
  painter.setPen(QPen(kGold, size < 32 ? kSmallRimWidth : kRimWidth));
  painter.setBrush(ToQt(kNight));
  painter.drawEllipse(centre, kDiscRadius, kDiscRadius);
  if (size >= 24) {
    painter.setPen(
        QPen(kGold, size < 48 ? kSmallMarkWidth : kMarkWidth, Qt::SolidLine, Qt::RoundCap));
    for (int sector = 0; sector < kSectors; ++sector) {
      painter.drawLine(MarkPoint(sector, kMarkFrom), MarkPoint(sector, kMarkTo));
    }
  }
  if (size >= 64) {
    painter.setPen(QPen(kRingGold, kRingWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, kRingRadius, kRingRadius);
  }
  painter.setPen(size >= 48 ? QPen(kStarOutline, kStarOutlineWidth) : QPen(Qt::NoPen));
  painter.setBrush(ToQt(kStarGold));
  painter.drawPath(StarPath(centre, kStarOuter, kStarInner, kStarPoints));
  painter.end();
  return image.convertToFormat(QImage::Format_ARGB32);
}

QString ProgramIconSvg() {
  QString svg = QStringLiteral(
                    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                    "viewBox=\"0 0 %1 %1\">\n"
                    " <title>Astrivo</title>\n"
                    " <defs>\n")
                    .arg(kDesignSize);
  svg += SvgGradient(QStringLiteral("night"), kNight);
  svg += SvgGradient(QStringLiteral("gold"), kStarGold);
  svg += QStringLiteral(" </defs>\n");
  svg += QStringLiteral(
             " <circle cx=\"%1\" cy=\"%1\" r=\"%2\" fill=\"url(#night)\" stroke=\"%3\" "
             "stroke-width=\"%4\"/>\n")
             .arg(Number(kCentre), Number(kDiscRadius), SvgColor(kGold), Number(kRimWidth));
  svg += QStringLiteral(" <g stroke=\"%1\" stroke-width=\"%2\" stroke-linecap=\"round\">\n")
             .arg(SvgColor(kGold), Number(kMarkWidth));
  for (int sector = 0; sector < kSectors; ++sector) {
    const QPointF from = MarkPoint(sector, kMarkFrom);
    const QPointF to = MarkPoint(sector, kMarkTo);
    svg += QStringLiteral("  <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"/>\n")
               .arg(Number(from.x()), Number(from.y()), Number(to.x()), Number(to.y()));
  }
  svg += QStringLiteral(" </g>\n");
  svg += QStringLiteral(
             " <circle cx=\"%1\" cy=\"%1\" r=\"%2\" fill=\"none\" stroke=\"%3\" "
             "stroke-opacity=\"%4\" stroke-width=\"%5\"/>\n")
             .arg(Number(kCentre), Number(kRingRadius), SvgColor(kRingGold),
                  Number(kRingGold.alphaF()), Number(kRingWidth));
  svg +=
      QStringLiteral(
          " <path d=\"%1\" fill=\"url(#gold)\" stroke=\"%2\" stroke-width=\"%3\" "
          "stroke-linejoin=\"bevel\"/>\n")
          .arg(
              SvgPathData(StarPath(QPointF(kCentre, kCentre), kStarOuter, kStarInner, kStarPoints)),
              SvgColor(kStarOutline), Number(kStarOutlineWidth));
  return svg + QStringLiteral("</svg>\n");
}

}  // namespace astrivo
