// SPDX-License-Identifier: GPL-3.0-or-later
// The JIS X 0208 <-> Shift-JIS pair arithmetic folded into 256-entry tables,
// so converting a double-byte character takes a few loads and no branches
// that depend on the (unpredictable) byte values.
#pragma once

#include <array>
#include <cstdint>

#include "kanji/kanji.h"

namespace kanji::detail {

// Shift-JIS -> JIS: the row is the doubled lead-byte row, less one when the
// trail byte is below 9F; that drop travels in the high byte of the cell table.
struct SjisToJisTables {
  std::array<unsigned char, 256> row{};
  std::array<std::uint16_t, 256> cellAndDrop{};

  BytePair Convert(unsigned lead, unsigned trail) const {
    const unsigned cell = cellAndDrop[trail];
    return {static_cast<unsigned char>(row[lead] - (cell >> 8)), static_cast<unsigned char>(cell)};
  }
};

constexpr SjisToJisTables MakeSjisToJisTables() {
  SjisToJisTables t;
  for (unsigned b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    t.row[b] = SjisToJisPair(byte, 0x9F).first;  // trail 9F and up: no drop
    t.cellAndDrop[b] = static_cast<std::uint16_t>(SjisToJisPair(0x81, byte).second | (b < 0x9F ? 0x100 : 0));
  }
  return t;
}

inline constexpr SjisToJisTables kSjisToJis = MakeSjisToJisTables();

// JIS -> Shift-JIS: the lead byte depends on the row alone, the trail byte on
// the cell and on whether the row is odd.
struct JisToSjisTables {
  std::array<unsigned char, 256> lead{};
  std::array<std::array<unsigned char, 256>, 2> trail{};  // [row is odd][cell]

  BytePair Convert(unsigned row, unsigned cell) const { return {lead[row], trail[row & 1][cell]}; }
};

constexpr JisToSjisTables MakeJisToSjisTables() {
  JisToSjisTables t;
  for (unsigned b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    t.lead[b] = JisToSjisPair(byte, 0x21).first;
    t.trail[0][b] = JisToSjisPair(0x22, byte).second;
    t.trail[1][b] = JisToSjisPair(0x21, byte).second;
  }
  return t;
}

inline constexpr JisToSjisTables kJisToSjis = MakeJisToSjisTables();

}  // namespace kanji::detail
