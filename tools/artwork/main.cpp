// astrivo-artwork: draws every built-in picture of the program and writes them as PNG files,
// and the program icon also as SVG, the same bytes on every run (fixed sizes, fonts loaded
// from their files, no randomness).
//
//   astrivo-artwork <output folder>     (the repository keeps them in res/pictures)
#include <array>
#include <cmath>
#include <cstdio>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QStringList>
#include <QTransform>

#include "astrivo/build_facts.h"
#include "res/picture_ids.h"
#include "sky/sign_table.h"
#include "tools/artwork/program_icon.h"
#include "tools/artwork/star_path.h"

namespace {

using astrivo::StarPath;

constexpr double kPi = 3.14159265358979323846;

// The fonts are read from their files rather than looked up by family, so that a desktop with
// other fonts configured cannot change the pictures.
constexpr const char* kFontFolder = "/usr/share/fonts/truetype/liberation2/";
constexpr const char* kSansBoldFile = "LiberationSans-Bold.ttf";
constexpr const char* kSerifBoldFile = "LiberationSerif-Bold.ttf";
constexpr const char* kSerifBoldItalicFile = "LiberationSerif-BoldItalic.ttf";

constexpr int kTextOutlineSize = 200;  // pixels; text is laid out large, then scaled to fit

const QColor kBannerYellow(192, 192, 0);  // the sign banners' letter colour

constexpr int kStarGlowSize = 200;     // pixels, square
constexpr double kGlowCentre = 248.0;  // grey level at the centre
constexpr double kRayAtEdge = 76.0;    // grey level where a ray meets the middle of an edge
constexpr int kFrameIconSize = 35;     // pixels, square: the three rating-frame pictures
constexpr int kInputWidth = 75;
constexpr int kInputHeight = 93;
constexpr int kAboutWidth = 299;
constexpr int kAboutHeight = 212;

struct Fonts {
  QString sansBold;
  QString serifBold;
  QString serifBoldItalic;
};

QString LoadFontFile(const char* file) {
  const QString path = QString::fromLatin1(kFontFolder) + QString::fromLatin1(file);
  const int id = QFontDatabase::addApplicationFont(path);
  if (id < 0) return {};
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  return families.isEmpty() ? QString() : families.first();
}

QFont MakeFont(const QString& family, bool bold, bool italic) {
  QFont font(family);
  font.setPixelSize(kTextOutlineSize);
  font.setBold(bold);
  font.setItalic(italic);
  font.setKerning(true);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

// The text's outline, scaled to fit inside `box` and centred in it on both axes.
QPainterPath FittedText(const QString& text, const QFont& font, const QRectF& box,
                        double letterSpacing = 0.0) {
  QPainterPath path;
  if (letterSpacing == 0.0) {
    path.addText(0, 0, font, text);
  } else {
    QFont spaced = font;
    spaced.setLetterSpacing(QFont::PercentageSpacing, 100.0 + letterSpacing);
    path.addText(0, 0, spaced, text);
  }
  const QRectF bounds = path.boundingRect();
  const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
  QTransform transform;
  transform.translate(box.center().x(), box.center().y());
  transform.scale(scale, scale);
  transform.translate(-bounds.center().x(), -bounds.center().y());
  return transform.map(path);
}

QImage BlackPicture(int width, int height) {
  QImage image(width, height, QImage::Format_RGB888);
  image.fill(Qt::black);
  return image;
}

void Smooth(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QImage StarGlow() {
  QImage image = BlackPicture(kStarGlowSize, kStarGlowSize);
  const double half = kStarGlowSize / 2.0;
  const double centre = half - 0.5;  // pixel centres run 0.5 .. 199.5
  // The rays' strength at the edge, as a share of the centre's, before the brightness scale.
  const double edgeShare = kRayAtEdge / kGlowCentre;
  for (int y = 0; y < kStarGlowSize; ++y) {
    auto* row = image.scanLine(y);
    for (int x = 0; x < kStarGlowSize; ++x) {
      const double dx = std::abs(x - centre);
      const double dy = std::abs(y - centre);
      const double d = std::hypot(dx, dy);
      const double core = std::exp(-std::pow(d / 9.0, 2.0));
      const double halo = 0.55 * std::exp(-std::pow(d / 30.0, 2.0));
      // A ray keeps edgeShare of its strength at the edge; it is wider near the centre.
      auto ray = [&](double along, double across) {
        const double t = along / half;
        const double strength =
            edgeShare + (1.0 - edgeShare) * (std::exp(-4.0 * t) - std::exp(-4.0));
        const double width = 1.6 + 4.0 * (1.0 - t) * (1.0 - t);
        return strength * std::exp(-std::pow(across / width, 2.0)) /
               std::exp(-std::pow(0.5 / 1.6, 2.0));
      };
      const double glow = 1.0 - (1.0 - core) * (1.0 - halo) * (1.0 - std::min(1.0, ray(dx, dy))) *
                                    (1.0 - std::min(1.0, ray(dy, dx)));
      const int level = static_cast<int>(std::lround(std::clamp(glow, 0.0, 1.0) * kGlowCentre));
      row[3 * x + 0] = static_cast<uchar>(level);
      row[3 * x + 1] = static_cast<uchar>(level);
      row[3 * x + 2] = static_cast<uchar>(level);
    }
  }
  return image;
}

// Each sign's banner: its list name without the trailing blank, at the size the table gives.
QImage Banner(const astrivo::SignFacts& banner, const Fonts& fonts) {
  QImage image = BlackPicture(banner.bannerWidth, banner.bannerHeight);
  QPainter painter(&image);
  Smooth(painter);
  // Letters fill about seven tenths of the height; the widths of the sign table leave room
  // at the sides for every name at that height.
  const double textHeight = banner.bannerHeight * 0.70;
  const QRectF box(banner.bannerWidth * 0.04, (banner.bannerHeight - textHeight) / 2.0,
                   banner.bannerWidth * 0.92, textHeight);
  const QPainterPath text = FittedText(QString::fromLatin1(banner.listName).trimmed(),
                                       MakeFont(fonts.serifBold, true, false), box, 6.0);
  painter.fillPath(text, kBannerYellow);
  return image;
}

QImage Clover() {
  QImage image = BlackPicture(kFrameIconSize, kFrameIconSize);
  QPainter painter(&image);
  Smooth(painter);
  const QPointF centre(17.5, 16.0);
  QPen stem(QColor(40, 140, 40), 2.2, Qt::SolidLine, Qt::RoundCap);
  painter.setPen(stem);
  QPainterPath stemPath(centre);
  stemPath.cubicTo(QPointF(19, 24), QPointF(22, 29), QPointF(26, 33));
  painter.drawPath(stemPath);
  // Four heart-shaped leaves, each two overlapping discs pointing in to the centre.
  for (int leaf = 0; leaf < 4; ++leaf) {
    painter.save();
    painter.translate(centre);
    painter.rotate(45.0 + 90.0 * leaf);
    QRadialGradient fill(QPointF(0, -8), 9.0);
    fill.setColorAt(0.0, QColor(120, 230, 110));
    fill.setColorAt(1.0, QColor(20, 130, 40));
    painter.setPen(QPen(QColor(10, 80, 20), 0.8));
    painter.setBrush(fill);
    QPainterPath heart;
    heart.moveTo(0, 0);
    heart.cubicTo(QPointF(-2, -4), QPointF(-9, -7), QPointF(-7, -12));
    heart.cubicTo(QPointF(-5.5, -15.5), QPointF(-1, -15), QPointF(0, -11.5));
    heart.cubicTo(QPointF(1, -15), QPointF(5.5, -15.5), QPointF(7, -12));
    heart.cubicTo(QPointF(9, -7), QPointF(2, -4), QPointF(0, 0));
    painter.drawPath(heart);
    painter.restore();
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(200, 255, 170));
  painter.drawEllipse(centre, 1.4, 1.4);
  return image;
}

QImage Heart() {
  QImage image = BlackPicture(kFrameIconSize, kFrameIconSize);
  QPainter painter(&image);
  Smooth(painter);
  QPainterPath heart;
  heart.moveTo(17.5, 31);
  heart.cubicTo(QPointF(12, 26), QPointF(2.5, 20), QPointF(3, 11.5));
  heart.cubicTo(QPointF(3.5, 5), QPointF(12.5, 2.5), QPointF(17.5, 9.5));
  heart.cubicTo(QPointF(22.5, 2.5), QPointF(31.5, 5), QPointF(32, 11.5));
  heart.cubicTo(QPointF(32.5, 20), QPointF(23, 26), QPointF(17.5, 31));
  QRadialGradient fill(QPointF(12, 11), 22.0);
  fill.setColorAt(0.0, QColor(255, 120, 140));
  fill.setColorAt(0.5, QColor(220, 20, 50));
  fill.setColorAt(1.0, QColor(120, 0, 20));
  painter.setPen(QPen(QColor(90, 0, 15), 0.8));
  painter.setBrush(fill);
  painter.drawPath(heart);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 220, 225, 200));
  painter.drawEllipse(QPointF(10, 11), 2.4, 1.6);
  return image;
}

QImage Coin(const Fonts& fonts) {
  QImage image = BlackPicture(kFrameIconSize, kFrameIconSize);
  QPainter painter(&image);
  Smooth(painter);
  const QPointF centre(17.5, 17.5);
  QRadialGradient rim(QPointF(12, 11), 26.0);
  rim.setColorAt(0.0, QColor(255, 240, 150));
  rim.setColorAt(0.6, QColor(225, 170, 30));
  rim.setColorAt(1.0, QColor(140, 90, 0));
  painter.setPen(QPen(QColor(110, 70, 0), 1.0));
  painter.setBrush(rim);
  painter.drawEllipse(centre, 15.5, 15.5);
  painter.setPen(QPen(QColor(150, 100, 0), 0.8));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, 12.0, 12.0);
  const QPainterPath sign = FittedText(QStringLiteral("$"), MakeFont(fonts.sansBold, true, false),
                                       QRectF(11.5, 8.5, 12, 18));
  painter.fillPath(sign.translated(0.6, 0.6), QColor(120, 80, 0));
  painter.fillPath(sign, QColor(255, 235, 140));
  return image;
}

QImage InputPicture(const Fonts& fonts) {
  QImage image = BlackPicture(kInputWidth, kInputHeight);
  QPainter painter(&image);
  Smooth(painter);
  // A calendar leaf with a day circled by a shooting star: "your birth date".
  const QRectF page(6.5, 32.5, 62, 56);
  QLinearGradient paper(page.topLeft(), page.bottomLeft());
  paper.setColorAt(0.0, QColor(250, 248, 240));
  paper.setColorAt(1.0, QColor(215, 210, 195));
  painter.setPen(QPen(QColor(120, 110, 90), 1.0));
  painter.setBrush(paper);
  painter.drawRoundedRect(page, 4, 4);
  QPainterPath header;
  header.addRoundedRect(QRectF(page.left(), page.top(), page.width(), 15), 4, 4);
  header.addRect(QRectF(page.left(), page.top() + 8, page.width(), 7));
  painter.setPen(Qt::NoPen);
  painter.fillPath(header.simplified(), QColor(190, 30, 40));
  painter.setBrush(QColor(60, 60, 70));
  for (double ringX : {21.0, 54.0}) {
    painter.drawRoundedRect(QRectF(ringX - 2, page.top() - 5, 4, 10), 2, 2);
  }
  painter.setPen(QPen(QColor(185, 180, 165), 0.8));
  for (int column = 1; column < 4; ++column) {
    const double x = page.left() + column * page.width() / 4;
    painter.drawLine(QPointF(x, page.top() + 19), QPointF(x, page.bottom() - 4));
  }
  for (int rowLine = 1; rowLine < 3; ++rowLine) {
    const double y = page.top() + 15 + rowLine * (page.height() - 15) / 3;
    painter.drawLine(QPointF(page.left() + 4, y), QPointF(page.right() - 4, y));
  }
  const QPainterPath day = FittedText(QStringLiteral("12"), MakeFont(fonts.serifBold, true, false),
                                      QRectF(25, 51, 25, 19));
  painter.fillPath(day, QColor(50, 40, 40));
  painter.setPen(QPen(QColor(200, 40, 50), 1.6));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(QRectF(20, 46.5, 35, 28));
  // The star above the leaf, with a trail of sparks.
  const QPointF starCentre(50, 15);
  QRadialGradient glow(starCentre, 16);
  glow.setColorAt(0.0, QColor(255, 230, 120, 170));
  glow.setColorAt(1.0, QColor(255, 200, 0, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(glow);
  painter.drawEllipse(starCentre, 16, 16);
  QRadialGradient gold(starCentre - QPointF(3, 3), 13);
  gold.setColorAt(0.0, QColor(255, 250, 200));
  gold.setColorAt(1.0, QColor(240, 170, 20));
  painter.setPen(QPen(QColor(150, 90, 0), 0.8));
  painter.setBrush(gold);
  painter.drawPath(StarPath(starCentre, 11, 4.5, 5));
  painter.setPen(Qt::NoPen);
  const std::array<QPointF, 4> sparks{{{33, 19}, {24, 23}, {16, 26}, {10, 28}}};
  for (std::size_t i = 0; i < sparks.size(); ++i) {
    const double r = 2.2 - 0.45 * static_cast<double>(i);
    painter.setBrush(QColor(255, 220, 110, 230 - 40 * static_cast<int>(i)));
    painter.drawPath(StarPath(sparks[i], r * 1.8, r * 0.6, 4));
  }
  return image;
}

// A zodiac wheel: twelve sectors between two rings, each with a small star figure, and the
// Sun at the hub. `ink` draws the lines, `fill` the ring band.
void DrawZodiacWheel(QPainter& painter, QPointF centre, double radius, const QColor& ink,
                     const QColor& band, const QColor& hub) {
  const double inner = radius * 0.72;
  QPainterPath ring;
  ring.addEllipse(centre, radius, radius);
  ring.addEllipse(centre, inner, inner);
  painter.setPen(Qt::NoPen);
  painter.fillPath(ring, band);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(ink, radius * 0.025));
  painter.drawEllipse(centre, radius, radius);
  painter.drawEllipse(centre, inner, inner);
  painter.drawEllipse(centre, radius * 1.06, radius * 1.06);
  for (int sector = 0; sector < 12; ++sector) {
    const double angle = sector * kPi / 6;
    const QPointF dir(std::cos(angle), std::sin(angle));
    painter.drawLine(centre + dir * inner, centre + dir * radius);
    // Ticks between the two outer rings, every 5 degrees.
    for (int tick = 1; tick < 6; ++tick) {
      const double a = angle + tick * kPi / 36;
      const QPointF d(std::cos(a), std::sin(a));
      painter.drawLine(centre + d * radius, centre + d * radius * (tick == 3 ? 1.06 : 1.03));
    }
    // A three- to five-star figure in the middle of the sector.
    const double mid = angle + kPi / 12;
    const double r = (radius + inner) / 2;
    const int stars = 3 + sector % 3;
    QPolygonF figure;
    for (int s = 0; s < stars; ++s) {
      const double along = mid + (s - (stars - 1) / 2.0) * kPi / 60;
      const double across = r + ((s * 7 + sector * 3) % 5 - 2) * radius * 0.025;
      figure << centre + QPointF(std::cos(along), std::sin(along)) * across;
    }
    painter.setPen(QPen(ink, radius * 0.012));
    painter.drawPolyline(figure);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    for (const QPointF& p : figure) painter.drawEllipse(p, radius * 0.022, radius * 0.022);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, radius * 0.025));
  }
  // The Sun: a disc with sixteen alternating rays.
  painter.setPen(Qt::NoPen);
  painter.setBrush(hub);
  painter.drawPath(StarPath(centre, inner * 0.62, inner * 0.34, 16));
  painter.setBrush(ink);
  painter.drawEllipse(centre, inner * 0.3, inner * 0.3);
  painter.setBrush(hub);
  painter.drawEllipse(centre, inner * 0.24, inner * 0.24);
}

QImage AboutPicture(const Fonts& fonts) {
  QImage image(kAboutWidth, kAboutHeight, QImage::Format_RGB888);
  QPainter painter(&image);
  Smooth(painter);
  QRadialGradient amber(QPointF(kAboutWidth / 2.0, kAboutHeight * 0.45), kAboutWidth * 0.75);
  amber.setColorAt(0.0, QColor(255, 206, 84));
  amber.setColorAt(0.6, QColor(242, 160, 20));
  amber.setColorAt(1.0, QColor(196, 110, 0));
  painter.fillRect(image.rect(), amber);
  const QPointF centre(kAboutWidth / 2.0, kAboutHeight / 2.0 + 4);
  DrawZodiacWheel(painter, centre, 92, QColor(110, 50, 0, 210), QColor(255, 225, 150, 110),
                  QColor(255, 240, 190));
  const QPainterPath title =
      FittedText(QStringLiteral("Astrivo"), MakeFont(fonts.serifBoldItalic, true, true),
                 QRectF(22, 72, kAboutWidth - 44, 62));
  // A soft dark halo keeps the lettering readable over the wheel.
  for (int step = 6; step >= 1; --step) {
    painter.strokePath(
        title, QPen(QColor(90, 35, 0, 28), step * 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
  QLinearGradient gold(QPointF(0, 72), QPointF(0, 134));
  gold.setColorAt(0.0, QColor(255, 252, 225));
  gold.setColorAt(0.55, QColor(255, 214, 90));
  gold.setColorAt(1.0, QColor(214, 130, 0));
  painter.fillPath(title, gold);
  painter.strokePath(title, QPen(QColor(100, 40, 0), 1.2));
  return image;
}

bool Save(const QImage& image, const QDir& folder, const QString& name) {
  const QString path = folder.filePath(name);
  if (!image.save(path, "PNG")) {
    std::fprintf(stderr, "astrivo-artwork: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

bool SaveText(const QString& text, const QDir& folder, const QString& name) {
  const QString path = folder.filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.flush()) {
    std::fprintf(stderr, "astrivo-artwork: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

QString PictureFile(int id) { return QStringLiteral("%1.png").arg(id); }

}  // namespace

int main(int argc, char* argv[]) {
  // Fonts need a GUI application object but no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: astrivo-artwork <output folder>\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.exists() && !QDir().mkpath(folder.path())) {
    std::fprintf(stderr, "astrivo-artwork: cannot create %s\n", argv[1]);
    return 1;
  }
  const Fonts fonts{LoadFontFile(kSansBoldFile), LoadFontFile(kSerifBoldFile),
                    LoadFontFile(kSerifBoldItalicFile)};
  if (fonts.sansBold.isEmpty() || fonts.serifBold.isEmpty() || fonts.serifBoldItalic.isEmpty()) {
    std::fprintf(stderr,
                 "astrivo-artwork: the Liberation fonts are missing from %s "
                 "(Debian: fonts-liberation2)\n",
                 kFontFolder);
    return 1;
  }
  bool ok = Save(StarGlow(), folder, PictureFile(astrivo::kStarGlowPicture));
  for (const astrivo::SignFacts& banner : astrivo::kSignTable) {
    ok = Save(Banner(banner, fonts), folder, PictureFile(banner.bannerPicture)) && ok;
  }
  ok = Save(Clover(), folder, PictureFile(astrivo::kFortunePicture)) && ok;
  ok = Save(Heart(), folder, PictureFile(astrivo::kRomancePicture)) && ok;
  ok = Save(Coin(fonts), folder, PictureFile(astrivo::kWealthPicture)) && ok;
  ok = Save(InputPicture(fonts), folder, PictureFile(astrivo::kInputPicture)) && ok;
  ok = Save(AboutPicture(fonts), folder, PictureFile(astrivo::kAboutPicture)) && ok;
  for (int size : astrivo::kIconSizes) {
    ok = Save(astrivo::ProgramIcon(size), folder, QStringLiteral("astrivo-%1.png").arg(size)) && ok;
  }
  ok = SaveText(astrivo::ProgramIconSvg(), folder, QStringLiteral("astrivo.svg")) && ok;
  return ok ? 0 : 1;
}
