// The zodiac catalogue: the twelve signs and their 97 stars in equatorial coordinates, converted
// to ecliptic positions when the signs are built.
#include "sky/zodiac_catalogue.h"

#include <cstddef>
#include <iterator>

namespace astrivo {

namespace {

// clang-format off
enum SignIndex {
  kAquarius, kPisces, kAries, kTaurus, kGemini, kCancer,
  kLeo, kVirgo, kLibra, kScorpio, kSagittarius, kCapricorn
};
// clang-format on

// clang-format off
struct StarRow {
  SignIndex sign;
  const char* name;
  int hours;           // right ascension
  int minutes;
  double seconds;
  int degrees;         // declination; kMinusZeroDegrees for "-00"
  int arcminutes;
  int arcseconds;
};
// clang-format on

// Grouped by sign, each sign's stars in the order it adds them.
// clang-format off
constexpr StarRow kStars[] = {
    // sign,         name,                  RA h   m    s     Dec d  '   "
    {kAquarius,    "Sadelmelik",           22,  5, 47.0,   0, 19, 11},
    {kAquarius,    "Sadalsuud",            21, 31, 33.0,   5, 34, 16},
    {kAquarius,    "Sadalachbia",          22, 21, 39.0,  -1, 23, 14},
    {kAquarius,    "Skat",                 22, 54, 39.0, -15, 49, 15},
    {kAquarius,    "Albali",               20, 47, 41.0,  -9, 29, 45},
    {kAquarius,    "Ancha",                22, 16, 50.0,  -7, 47,  0},
    {kAquarius,    "Situla",               22, 37, 45.0,  -4, 13, 41},
    {kPisces,      "Alrisha",               2,  2,  2.8,   2, 45, 49},
    {kPisces,      "Samakah",              23,  3, 52.6,   3, 49, 12},
    {kPisces,      "Torcularis",            1, 25, 23.6,   9,  9, 28},
    {kAries,       "Hamal",                 1,  7, 10.4,  23, 27, 45},
    {kAries,       "Mesarthim",             1, 54, 38.4,  20, 48, 49},
    {kAries,       "Sharatan",              1, 53, 31.8,  19, 17, 37},
    {kTaurus,      "ALDEBARAN",             4, 35, 55.2,  16, 30, 33},
    {kTaurus,      "ALNATH",                5, 26, 17.5,  28, 36, 27},
    {kTaurus,      "Hyadum I",              4, 19, 47.6,  15, 37, 39},
    {kTaurus,      "Hyadum II",             4, 22, 56.1,  17, 32, 33},
    {kTaurus,      "Ain",                   4, 28, 37.0,  19, 10, 49},
    {kTaurus,      "ALCYONE",               3, 47, 29.1,  24,  6, 18},
    {kTaurus,      "Celaeno",               3, 44, 48.2,  24, 17, 22},
    {kTaurus,      "Electra",               3, 44, 52.5,  24,  6, 48},
    {kTaurus,      "Taygeta",               3, 45, 12.5,  24, 28,  2},
    {kTaurus,      "Maia",                  3, 45, 49.6,  24, 22,  4},
    {kTaurus,      "Asterope",              3, 45, 54.4,  24, 33, 17},
    {kTaurus,      "Sterope II",            3, 46,  2.9,  24, 31, 41},
    {kTaurus,      "Merope",                3, 46, 19.6,  23, 56, 54},
    {kTaurus,      "Atlas",                 3, 49,  9.7,  24,  3, 12},
    {kTaurus,      "Pleione",               3, 49,  9.7,  24,  3, 12},
    {kGemini,      "CASTOR",                7, 34, 36.0,  31, 53, 18},
    {kGemini,      "ALHENA",                6, 37, 42.7,  16, 23, 57},
    {kGemini,      "Wasat",                 7, 20,  7.4,  21, 58, 56},
    {kGemini,      "Mebsuta",               6, 43, 55.9,  25,  7, 52},
    {kGemini,      "Mekbuda",               7,  4,  6.5,  20, 34, 13},
    {kGemini,      "Iota",                  7, 25, 43.6,  27, 47, 53},
    {kGemini,      "Praepes",               6, 14, 52.6,  22, 30, 24},
    {kGemini,      "Tejat Posterior",       6, 22, 57.6,  22, 30, 49},
    {kGemini,      "Alzirr",                6, 45, 17.4,  12, 53, 44},
    {kGemini,      "Geminorum",             6,  4,  7.2,  23, 15, 48},
    {kCancer,      "Acubens",               8, 58, 29.2,  11, 51, 28},
    {kCancer,      "Altarf",                8, 16, 30.9,   9, 11,  8},
    {kCancer,      "Asellus Borealis",      8, 43, 17.1,  21, 28,  7},
    {kCancer,      "Asellus Australis",     8, 44, 41.1,  18,  9, 15},
    {kCancer,      "Tegmen",                8, 12, 12.7,  17, 38, 52},
    {kLeo,         "REGULUS",              10,  8, 22.3,  11, 58,  2},
    {kLeo,         "DENEBOLA",             11, 49,  3.6,  14, 34, 19},
    {kLeo,         "ALGIEBA",              10, 19, 58.3,  19, 50, 30},
    {kLeo,         "Zosma",                11, 14,  6.5,  20, 31, 25},
    {kLeo,         "Ras Elased Australis",  9, 45, 51.1,  23, 46, 27},
    {kLeo,         "Adhafera",             10, 16, 41.4,  23, 25,  2},
    {kLeo,         "Chort",                11, 14, 14.4,  15, 25, 46},
    {kLeo,         "Al Minliar al Asad",    9, 24, 39.3,  26, 10, 56},
    {kLeo,         "Alterf",                9, 31, 43.2,  22, 58,  5},
    {kLeo,         "Ras Elased Borealis",   9, 52, 45.8,  26,  0, 25},
    {kLeo,         "Subra",                 9, 41,  9.0,   9, 53, 32},
    {kVirgo,       "SPICA",                13, 25, 11.6, -11,  9, 41},
    {kVirgo,       "Zavijah",              11, 50, 41.7,   1, 45, 53},
    {kVirgo,       "Porrima",              12, 41, 39.6,  -1, 26, 58},
    {kVirgo,       "Auva",                 12, 55, 36.2,   3, 23, 51},
    {kVirgo,       "VINDEMIATRIX",         13,  2, 10.6,  10, 57, 33},
    {kVirgo,       "Heze",                 13, 34, 41.6, 888, 35, 45},
    {kVirgo,       "Zaniah",               12, 19, 54.4, 888, 40,  1},
    {kVirgo,       "Syrma",                14, 16,  0.9,  -6,  0,  2},
    {kVirgo,       "Rijl al Awwa",         14, 43,  3.6,  -5, 39, 30},
    {kLibra,       "Zuben Elgenubi",       14, 50, 52.7, -16,  2, 30},
    {kLibra,       "Zuben Elschemali",     15, 17,  0.4,  -9, 22, 59},
    {kLibra,       "Zuben Elakrab",        15, 35, 31.6, -14, 47, 22},
    {kLibra,       "Zuben Elakribi",       15,  0, 58.4,  -8, 31,  8},
    {kLibra,       "Brachium",             15,  4,  4.2, -25, 16, 55},
    {kScorpio,     "Antares",              16, 29, 24.4, -26, 25, 55},
    {kScorpio,     "Graffias",             16,  5, 26.2, -19, 48, 20},
    {kScorpio,     "Dschubba",             16,  0, 20.0, -22, 37, 18},
    {kScorpio,     "Sargas",               17, 37, 19.2, -42, 59, 52},
    {kScorpio,     "Shaula",               17, 33, 36.5, -37,  6, 14},
    {kScorpio,     "Jabbah",               16, 11, 59.7, -19, 27, 38},
    {kScorpio,     "Alniyat",              16, 21, 11.3, -25, 35, 34},
    {kScorpio,     "Lesath",               17, 30, 45.8, -37, 17, 45},
    {kSagittarius, "Rukbat",               19, 23, 53.2, -40, 36, 58},
    {kSagittarius, "Arkab Prior",          19, 22, 38.3, -44, 27, 32},
    {kSagittarius, "Arkab Posterior",      19, 23, 13.2, -44, 47, 59},
    {kSagittarius, "Nash",                 18,  5, 48.5, -30, 25, 27},
    {kSagittarius, "Kaus Meridionalis",    18, 20, 59.7, -29, 49, 41},
    {kSagittarius, "KAUS AUSTRALIS",       18, 24, 10.3, -34, 23,  5},
    {kSagittarius, "Ascella",              19,  2, 36.7, -29, 52, 49},
    {kSagittarius, "Kaus Borealis",        18, 27, 58.2, -25, 25, 18},
    {kSagittarius, "Ain al Rami",          18, 54, 10.2, -22, 44, 42},
    {kSagittarius, "Albaldah",             19,  9, 45.8, -21,  1, 25},
    {kSagittarius, "NUNKI",                18, 55, 15.9, -26, 17, 48},
    {kSagittarius, "Omega Sagittarii",     19, 55, 50.4, -26, 17, 58},
    {kSagittarius, "59 Sagittarii",        19, 56, 56.8, -27, 10, 12},
    {kSagittarius, "60 Sagittarii",        19, 58, 57.2, -26, 11, 44},
    {kSagittarius, "62 Sagittarii",        20,  2, 39.5, -27, 42, 35},
    {kCapricorn,   "Prima Giedi",          20, 17, 38.9, -12, 30, 30},
    {kCapricorn,   "Secunda Giedi",        20, 18,  3.3, -12, 32, 41},
    {kCapricorn,   "Dabih",                20, 21,  0.7, -14, 46, 53},
    {kCapricorn,   "Nashira",              21, 40,  5.5, -16, 39, 44},
    {kCapricorn,   "Deneb Algedi",         21, 47,  2.4, -16,  7, 38},
    {kCapricorn,   "Alshat",               20, 20, 39.8, -12, 45, 33},
};
// clang-format on
static_assert(std::size(kStars) == kStarCount);

}  // namespace

double DeclinationDegrees(int degrees, int arcminutes, int arcseconds) {
  // Summed left to right, term by term, so that the catalogue's values come out bit for bit.
  if (degrees == kMinusZeroDegrees) return 0.0 - arcminutes / 60.0 - arcseconds / 3600.0;
  if (degrees < 0) return degrees - arcminutes / 60.0 - arcseconds / 3600.0;
  return degrees + arcminutes / 60.0 + arcseconds / 3600.0;
}

double RightAscensionDegrees(int hours, int minutes, double seconds) {
  return (hours + minutes / 60.0 + seconds / 3600.0) * 15.0;
}

void BuildZodiac(std::vector<std::unique_ptr<ZodiacSign>>& signs) {
  signs.reserve(signs.size() + kSignTable.size());
  for (std::size_t index = 0; index < kSignTable.size(); ++index) {
    const SignFacts& row = kSignTable[index];
    auto sign = std::make_unique<ZodiacSign>(row.label, row.bannerOffset, row.bannerPicture,
                                             row.bannerWidth);
    for (const StarRow& star : kStars) {
      if (static_cast<std::size_t>(star.sign) != index) continue;
      sign->AddStar(star.name, RightAscensionDegrees(star.hours, star.minutes, star.seconds),
                    DeclinationDegrees(star.degrees, star.arcminutes, star.arcseconds));
    }
    sign->ComputeCentre();
    signs.push_back(std::move(sign));
  }
}

}  // namespace astrivo
