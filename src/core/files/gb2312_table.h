#pragma once
// GB2312's characters, made from the C library's iconv by
// tools/gb2312-table (the table's source, gb2312_table.cpp, is generated).

#include <cstdint>

namespace zan {

// The Unicode character of the two bytes 0xA1 + row, 0xA1 + cell (all of
// GB2312 lies in the Basic Multilingual Plane); 0 where GB2312 defines none.
extern const std::uint16_t kGb2312Characters[94][94];

}  // namespace zan
