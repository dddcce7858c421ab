#include "numbers/steps.h"

#include <cmath>

namespace calc {

namespace {
template <class Op>
Num apply(Num a, Num b, Op op) {
    if (!a || !b) return std::nullopt;
    return numbers::finite(op(*a, *b));
}
} // namespace

Num operator-(Num a, Num b) {
    return apply(a, b, [](double x, double y) { return x - y; });
}
Num operator*(Num a, Num b) {
    return apply(a, b, [](double x, double y) { return x * y; });
}
Num operator/(Num a, Num b) {
    return apply(a, b, [](double x, double y) { return x / y; });
}

Num squareRoot(Num a) {
    if (!a) return std::nullopt;
    return numbers::finite(std::sqrt(*a)); // NaN below 0
}

} // namespace calc
