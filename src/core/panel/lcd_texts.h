#pragma once
// The controller's fixed LCD texts for the parameter and diagnosis screens:
// the parameter names, what each digit of the two bit parameters selects, and
// the static picture of inputs and outputs. One place for the screens and for
// the parameter entry, which shows the same names.

#include <array>
#include <string_view>

#include "core/files/parameter_files.h"

namespace zan {

// P01..P23, index 0 for P01.
extern const std::array<std::string_view, kParameterCount> kParameterNames;

inline constexpr int kBitCount = 8;  // digits of P11 and P12, 1 = leftmost

// What digit n (1..8) of a bit parameter switches: [0] for P11, [1] for P12,
// index n - 1 for digit n.
extern const std::array<std::array<std::string_view, kBitCount>, 2> kBitDescriptions;

// The diagnosis screen's nine lines, top to bottom. The digits are fixed
// text: they do not follow the machine.
extern const std::array<std::string_view, 9> kDiagnosisLines;

// The parameter name of P`number` (1..23); empty outside.
std::string_view ParameterName(int number);
// The description of digit `digit` (1..8) of bit parameter P`parameter`
// (11 or 12); empty for anything else.
std::string_view BitDescription(int parameter, int digit);

}  // namespace zan
