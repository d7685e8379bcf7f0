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
};

// Contour elements collected for the stock-removal cycles.
struct ContourTable {
    static constexpr int kElements = 100;
    std::array<float, kElements> z{};
    std::array<float, kElements> x{};
    std::array<float, kElements> k2{};
    std::array<float, kElements> i{};
    std::array<float, kElements> r{};
    std::array<float, kElements> type{};
};

}  // namespace zan
