#pragma once
// What the colour-band reader shares with the SMD reader: the value line under
// the drawing, read with a multiplier.

class Base;

namespace codes {
struct Multiplier;

// Shows the two digits of the value line with the multiplier's point, trailing
// zero and unit; the point between the second and third digits stays hidden.
void showMultiplier(Base& w, const Multiplier& m);
// The same for the three digits of a five-band code.
void showFiveBandMultiplier(Base& w, const Multiplier& m);
} // namespace codes
