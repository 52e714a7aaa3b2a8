#pragma once
// What the control bar's labels say.

#include <QString>

namespace controlbar {

// The number of the coming stroke, at least three digits: "001".
QString StrokeText(int strokeCount);
// Course-set code, hole and par: "@07 (3) : ".
QString HoleText(int courseSet, int hole, int par);
// One arrow per unit of wind strength, pointing where the wind blows.
QString WindText(int windDirection, int windStrength);

}  // namespace controlbar
