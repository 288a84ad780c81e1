// The program icon: a gold eight-pointed star on a night-blue zodiac disc, drawn as PNG at each
// pixel size and written as SVG for desktops that scale it themselves.
#pragma once

#include <QImage>
#include <QString>

namespace astrivo {

// Small sizes leave out the details that would only blur (the sector marks below 24 pixels,
// the inner ring below 64, the star's outline below 48) and thicken the rim.
QImage ProgramIcon(int size);

// The full-detail design as a standalone SVG document, in the same 256-unit coordinates.
QString ProgramIconSvg();

}  // namespace astrivo
