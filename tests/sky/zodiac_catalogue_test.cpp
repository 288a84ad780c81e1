// The zodiac catalogue: every sign's stars, centre and ring against an independent model.
#include "sky/zodiac_catalogue.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace astrivo {
namespace {

TEST(ZodiacCatalogueTest, EverySignMatchesTheIndependentReference) {
  // In sign-index order: star count, then centre longitude, latitude, rho and ring radius from
  // `tools/reference/sky_reference.py signs` (its own copy of the 97 stars and the placement
  // rules, no shared code), to 12 digits; they round to the values the sign table prints. An
  // arcsecond's typo in any star moves a centre by 1e-5 degrees, a wrong tilt by degrees.
  const struct {
    const char* label;
    std::size_t stars;
    double longitude, latitude, rho, ringRadius;
  } references[] = {
      {"Aquarius", 7, -28.4004952608, 6.44592680078, 4.89447495402, 18.811806073},
      {"Pisces", 3, 13.9041888562, -0.118316957444, 4.71904395604, 24.4074370108},
      {"Aries", 3, 30.5881882426, 10.090016409, 4.9776989179, 7.54843711517},
      {"Taurus", 15, 63.3685318334, 1.89017735699, 4.95884515216, 18.5723533066},
      {"Gemini", 10, 101.215213599, -0.330998947702, 4.94633150153, 13.3777991564},
      {"Cancer", 5, 127.07802934, -2.82609478201, 4.97077085576, 7.85693665851},
      {"Leo", 11, 149.217960469, 8.82897441154, 4.89068361108, 20.9183948756},
      {"Virgo", 9, -163.044150739, 6.23576152752, 4.8492287369, 21.6610766417},
      {"Libra", 5, -130.917943613, 2.93273616781, 4.96210696567, 10.3786926492},
      {"Scorpio", 8, -107.475693717, -6.90209228148, 4.89209951915, 17.1221854598},
      {"Sagittarius", 15, -75.0256123879, -8.25732463786, 4.91156302237, 13.843534792},
      {"Capricorn", 6, -49.7882482886, 3.30001573341, 4.92767696327, 14.1589008821},
  };
  std::vector<std::unique_ptr<ZodiacSign>> signs;
  BuildZodiac(signs);
  ASSERT_EQ(signs.size(), 12u);
  for (std::size_t k = 0; k < signs.size(); ++k) {
    const auto& expected = references[k];
    const ZodiacSign& sign = *signs[k];
    SCOPED_TRACE(expected.label);
    EXPECT_EQ(sign.label, expected.label);
    EXPECT_EQ(sign.stars.size(), expected.stars);
    EXPECT_NEAR(sign.Component(1), expected.longitude, 1e-8);
    EXPECT_NEAR(sign.Component(2), expected.latitude, 1e-8);
    EXPECT_NEAR(sign.Component(0), expected.rho, 1e-8);
    EXPECT_NEAR(sign.ringRadius, expected.ringRadius, 1e-8);
    for (const Star& star : sign.stars) EXPECT_NEAR(star.Component(0), 5.0, 1e-12) << star.name;
  }
}

}  // namespace
}  // namespace astrivo
