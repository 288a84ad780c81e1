// The twelve zodiac constellations and their 97 stars, built from the tables in the .cpp.
#pragma once

#include <memory>
#include <vector>

#include "sky/sign_table.h"
#include "sky/zodiac_sign.h"

namespace astrivo {

constexpr int kStarCount = 97;

// A degree field of 888 stands for "-00": minus zero degrees, which an int cannot carry.
constexpr int kMinusZeroDegrees = 888;

double DeclinationDegrees(int degrees, int arcminutes, int arcseconds);
double RightAscensionDegrees(int hours, int minutes, double seconds);

// Appends the twelve signs, Aquarius (index 0) to Capricorn (index 11), each complete.
void BuildZodiac(std::vector<std::unique_ptr<ZodiacSign>>& signs);

}  // namespace astrivo
