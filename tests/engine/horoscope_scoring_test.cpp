// The rating rules against values worked out without the engine: the aspect and latitude
// factors, the date terms, the sign boundaries and whole periods rated over the moving sky.
#include "engine/horoscope_scoring.h"

#include <gtest/gtest.h>

#include <climits>

#include "sky/sky_scene.h"

namespace astrivo {
namespace {

TEST(HoroscopeScoringTest, FactorsAndTermsAtTheirEdges) {
  // Worked aspect values of the rating rules, printed there to four places. At 0 and 90
  // degrees the two closenesses tie, and a tie counts as discord.
  // clang-format off
  const std::pair<double, double> aspects[] = {
      {0, -1}, {7.5, -0.6667}, {22.5, 0.5}, {90, -1}, {-30, 1}, {200, 0.3333}};
  // clang-format on
  for (const auto& [difference, factor] : aspects) {
    EXPECT_NEAR(AspectFactor(difference), factor, 5e-5) << difference;
  }
  EXPECT_DOUBLE_EQ(LatitudeRatio(-4, 2), -0.5);      // folded into -1..1
  EXPECT_DOUBLE_EQ(LatitudeRatio(10, 0), 0.000001);  // 10 / 0.00001, folded
  // A product beyond 64 bits, in exact integer arithmetic (Python, truncating division).
  EXPECT_EQ(DateTerm(CalendarDate(INT_MIN, INT_MAX, INT_MAX), 23), -40);
}

TEST(HoroscopeScoringTest, SignBoundariesOnBothSides) {
  // Each left-hand date of a pair is the last day of its sign (0 Aquarius .. 11 Capricorn).
  const struct {
    int day, month, year, sign;
  } cases[] = {
      {20, 1, 2004, 11}, {21, 1, 2004, 0},   {18, 2, 2004, 0},   {19, 2, 2004, 1},
      {20, 3, 2003, 1},  {21, 3, 2003, 2},   {19, 4, 1950, 2},   {20, 4, 1950, 3},
      {20, 5, 1950, 3},  {21, 5, 1950, 4},   {20, 6, 1980, 4},   {21, 6, 1980, 5},
      {22, 7, 2099, 5},  {23, 7, 2099, 6},   {22, 8, 1901, 6},   {23, 8, 1901, 7},
      {22, 9, 1901, 7},  {23, 9, 1901, 8},   {22, 10, 2000, 8},  {23, 10, 2000, 9},
      {21, 11, 2000, 9}, {22, 11, 2000, 10}, {21, 12, 2004, 10}, {22, 12, 2004, 11},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SignForBirthDate(CalendarDate(c.day, c.month, c.year)), c.sign)
        << c.day << "." << c.month << "." << c.year;
  }
}

TEST(RatePeriodTest, MatchesTheIndependentReference) {
  // Expected values from `tools/reference/sky_reference.py rate D M Y D M Y D M Y`, a separate
  // model of the orbits, the catalogue and the rating rules that shares no code with the
  // engine. Leaving out any one planet's term (or the Sun's) of any rating changes most rows.
  // Rows: a single day, a week, sign boundaries over a leap February, 29 February of 2000,
  // ratings clamped at 100 and at 0, and the first and last supported years.
  const struct {
    CalendarDate birth, first, last;
    int sign, luck, love, money;
  } cases[] = {
      // clang-format off
      {{15, 6, 1980}, {16, 6, 2004}, {16, 6, 2004}, 4, 48, 52, 81},
      {{15, 6, 1980}, {14, 6, 2004}, {20, 6, 2004}, 4, 24, 23, 41},
      {{20, 1, 1990}, {1, 2, 2024}, {29, 2, 2024}, 11, 16, 21, 36},
      {{21, 1, 1990}, {1, 2, 2024}, {29, 2, 2024}, 0, 23, 29, 22},
      {{18, 2, 1975}, {29, 2, 2000}, {29, 2, 2000}, 0, 67, 76, 56},
      {{19, 2, 1975}, {1, 3, 2000}, {1, 3, 2000}, 1, 100, 27, 100},
      {{29, 2, 1996}, {1, 12, 2026}, {31, 12, 2026}, 1, 60, 32, 37},
      {{21, 12, 1969}, {7, 12, 2026}, {7, 12, 2026}, 10, 53, 0, 0},
      {{1, 1, 1901}, {1, 1, 1901}, {1, 1, 1901}, 11, 11, 59, 51},
      {{31, 12, 2099}, {25, 12, 2099}, {31, 12, 2099}, 11, 63, 21, 30},
      // clang-format on
  };
  SkyScene scene;
  scene.Build();
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "born on day " << c.birth.GetDayNumber() << ", from day "
                                    << c.first.GetDayNumber() << " to " << c.last.GetDayNumber());
    const int sign = SignForBirthDate(c.birth);
    EXPECT_EQ(sign, c.sign);
    const HoroscopeScores s = RatePeriod(scene, sign, c.birth, c.first, c.last);
    EXPECT_EQ(s.luck, c.luck);
    EXPECT_EQ(s.love, c.love);
    EXPECT_EQ(s.money, c.money);
  }
  // Nothing to rate: an empty span, a sign outside the list, a scene without bodies.
  SkyScene unbuilt;
  const CalendarDate day(16, 6, 2004);
  for (const HoroscopeScores& s :
       {RatePeriod(scene, 4, day, day, {15, 6, 2004}), RatePeriod(scene, 12, day, day, day),
        RatePeriod(unbuilt, 4, day, day, day)}) {
    EXPECT_EQ(s.luck + s.love + s.money, 0);
  }
}

}  // namespace
}  // namespace astrivo
