// The twelve signs' own facts, one row each in sign-index order (0 Aquarius .. 11 Capricorn):
// the catalogue, the sign list, the command-line tool and the artwork all read them here.
#pragma once

#include <array>

namespace astrivo {

constexpr int kSignCount = 12;

struct SignFacts {
  const char* label;     // the constellation's name
  const char* listName;  // upper case with one trailing blank, as the sign list shows it
  int bannerPicture;     // built-in picture id of the name banner
  int bannerWidth;       // banner picture size, pixels
  int bannerHeight;
  double bannerOffset;  // extra distance of the banner: 0, 0.5 or 1
};

// clang-format off
constexpr std::array<SignFacts, kSignCount> kSignTable{{
    // label,       list name,       picture, width, height, offset
    {"Aquarius",    "AQUARIUS ",     150,     476,   83,     0.0},
    {"Pisces",      "PISCES ",       151,     360,   79,     0.0},
    {"Aries",       "ARIES ",        152,     313,   76,     0.5},
    {"Taurus",      "TAURUS ",       163,     362,   73,     0.0},
    {"Gemini",      "GEMINI ",       156,     360,   76,     0.0},
    {"Cancer",      "CANCER ",       158,     365,   79,     0.0},
    {"Leo",         "LEO ",          157,     193,   74,     0.0},
    {"Virgo",       "VIRGO ",        162,     311,   75,     0.0},
    {"Libra",       "LIBRA ",        159,     314,   76,     0.0},
    {"Scorpio",     "SCORPIO ",      153,     422,   73,     0.0},
    {"Sagittarius", "SAGITTARIUS ",  164,     653,   79,     0.5},
    {"Capricorn",   "CAPRICORN ",    161,     539,   77,     1.0},
}};
// clang-format on

// The list name of sign index 0..11 with its trailing blank; "" outside that range.
constexpr const char* SignName(int signIndex) {
  return signIndex >= 0 && signIndex < kSignCount ? kSignTable[signIndex].listName : "";
}

}  // namespace astrivo
