#pragma once
// Uniform random numbers for the wind and the launch spread. Tests script the
// sequence.

#include <vector>

namespace platform {

// Uniform random number in [0, 1).
double Random01();
// Reseeds the generator from the clock (no effect while a script is set).
void ReseedRandom();

// Test seam: Random01() returns these values in order, then keeps returning
// the last one.
void ScriptRandom(std::vector<double> values);
void UnscriptRandom();

}  // namespace platform
