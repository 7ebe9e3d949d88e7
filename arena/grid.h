#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The arena: 61 columns by 47 rows, one byte a cell, addressed (column, row).
inline constexpr int FieldColumns = 61;
inline constexpr int FieldRows = 47;
inline constexpr int LastColumn = FieldColumns - 1;
inline constexpr int LastRow = FieldRows - 1;

inline constexpr std::uint8_t CellEmpty = 0;

class Grid {
  public:
    std::uint8_t& operator()(int x, int y) { return cells_[index(x, y)]; }
    std::uint8_t operator()(int x, int y) const { return cells_[index(x, y)]; }

    static constexpr bool contains(int x, int y) {
        return x >= 0 && x < FieldColumns && y >= 0 && y < FieldRows;
    }

    void clear() { cells_.fill(CellEmpty); }

  private:
    // Column-major, so that a column walk (as ClearField and ClearTail do) reads memory in order.
    static constexpr int index(int x, int y) { return x * FieldRows + y; }

    std::array<std::uint8_t, std::size_t{FieldColumns} * FieldRows> cells_{};
};
