// The upper-case sign names, in sign-index order (0 Aquarius .. 11 Capricorn).
#pragma once

#include <array>

namespace astrivo {

// Entry 0 is empty and sign index i is entry i + 1; every name carries one trailing blank,
// as the sign list shows it.
constexpr std::array<const char*, 13> kSignNames = {
    "",     "AQUARIUS ", "PISCES ", "ARIES ",   "TAURUS ",      "GEMINI ",   "CANCER ",
    "LEO ", "VIRGO ",    "LIBRA ",  "SCORPIO ", "SAGITTARIUS ", "CAPRICORN "};

// The name of sign index 0..11 with its trailing blank; "" outside that range.
constexpr const char* SignName(int signIndex) {
  return signIndex >= 0 && signIndex < 12 ? kSignNames[signIndex + 1] : kSignNames[0];
}

}  // namespace astrivo
