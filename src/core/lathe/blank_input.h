#pragma once
// What the blank dialog accepts: a diameter below 200 mm and a length below
// 800 mm, each of one to three digits; an empty field keeps its value.

#include <optional>
#include <string_view>

namespace zan {

struct BlankInput {
    std::optional<int> diameter;  // mm
    std::optional<int> length;    // mm, from the chuck face
    std::string_view refusal;     // the message to show; empty when accepted
};

// Reads the two fields as typed (digits only).
BlankInput ReadBlankInput(std::string_view diameterText, std::string_view lengthText);

}  // namespace zan
