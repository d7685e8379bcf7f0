#pragma once
// The program text the interpreter runs: one program line per row, at most
// 100 characters, the rest of the row zero.

#include <algorithm>
#include <array>

namespace zan {

struct LineTable {
    static constexpr int kRows = 999;
    static constexpr int kRowBytes = 102;
    static constexpr int kTextBytes = 100;

    std::array<std::array<char, kRowBytes>, kRows> rows{};

    // Zero the text bytes of every row; the two spare bytes are left alone.
    void Clear()
    {
        for (auto& row : rows) std::fill_n(row.begin(), kTextBytes, '\0');
    }
    friend bool operator==(const LineTable&, const LineTable&) = default;
};

}  // namespace zan
