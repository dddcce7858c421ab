#pragma once
// A complete SMD resistor marking, three or four characters, read whole: three
// digits (two digits and the number of zeros), four digits (three and the
// number of zeros), R as the decimal point ("4R7") or the EIA-96 code of 1 %
// parts ("01C"). No widgets.

#include <QString>
#include <array>
#include <optional>

#include "codes/marking.h"

namespace codes {

// How a marking was read; Unknown: it says no value.
enum class SmdScheme { ThreeDigits, FourDigits, RPoint, Eia96, Unknown };

// The fields of the SMD reader, first to fourth character.
inline constexpr int kSmdFields = 4;
using SmdFields = std::array<QString, kSmdFields>;

// The character a field keeps of its text: a digit or R, and in the third
// field an EIA-96 letter too, upper case whatever the case typed; none for any
// other text, an empty one included.
std::optional<QChar> smdCharacter(const QString& text, int field);

struct SmdReading {
    SmdScheme scheme;
    std::optional<Marking> value; // none when the scheme is Unknown
    // A marking "xxR" is also an EIA-96 code times 0.01: its value, when the
    // code is one.
    std::optional<Marking> eia96;
};

// The marking the fields hold once complete (the first three filled and the
// fourth empty, or all four filled), read whole; none while it is not.
std::optional<SmdReading> readSmd(const SmdFields& fields);

// The note under the value line: the scheme read, in French, and for "xxR"
// its EIA-96 reading ("R = virgule, ou EIA-96 : 3.01 Ohms").
QString smdNote(const SmdReading& r);

// A value as the value line writes it: "3.01 Ohms", "0.047 Ohms".
QString valueText(const Marking& m);

} // namespace codes
