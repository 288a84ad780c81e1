// The ids of the built-in pictures that the program and the artwork tool name: ":/pictures/<id>".
// The sign banners' ids stand in the sign table (sky/sign_table.h).
#pragma once

namespace astrivo {

constexpr int kStarGlowPicture = 149;  // 200 x 200: every star sprite's glow
constexpr int kWealthPicture = 142;    // 35 x 35, beside the Wealth bar
constexpr int kRomancePicture = 143;   // 35 x 35, beside the Romance bar
constexpr int kFortunePicture = 144;   // 35 x 35, beside the Fortune bar
constexpr int kInputPicture = 165;     // 75 x 93, beside the Input frame
constexpr int kAboutPicture = 176;     // 299 x 212: title lettering over a zodiac figure

}  // namespace astrivo
