#!/usr/bin/env python3
"""Writes the six built-in level maps, resources/levels/101.map to 106.map.

A map is 47 lines of 61 characters joined by CR LF: "X" is a mine, "C" a tail-clearing cell,
and everything else (the "-" outline included) is an empty cell. Each file ends with the exact
trailing bytes the game ships with, so its length is fixed; the script checks every file's
length and obstacle count by reading it back the way the game does.
"""

from pathlib import Path

COLUMNS, ROWS = 61, 47
LAST_COLUMN, LAST_ROW = COLUMNS - 1, ROWS - 1
CRLF = "\r\n"


def outlined_grid(edge):
    """A grid whose outermost rows and columns hold `edge` and whose inside is blank."""
    grid = [[" "] * COLUMNS for _ in range(ROWS)]
    for x in range(COLUMNS):
        grid[0][x] = grid[LAST_ROW][x] = edge
    for y in range(ROWS):
        grid[y][0] = grid[y][LAST_COLUMN] = edge
    return grid


def put(grid, cells, char="X"):
    for x, y in cells:
        grid[y][x] = char


def column(x, rows):
    return [(x, y) for y in rows]


def row(y, columns):
    return [(x, y) for x in columns]


def cross(cx, cy, reach):
    return column(cx, range(cy - reach, cy + reach + 1)) + row(cy, range(cx - reach, cx + reach + 1))


def level_101():
    grid = outlined_grid("-")
    put(grid, [(42, 11), (18, 13), (34, 30), (14, 39)])
    return grid, {}, "\0"


def level_102():
    grid = outlined_grid("-")
    put(grid, column(28, range(3, 19)) + column(28, range(28, 44)))
    return grid, {}, "\0"


def level_103():
    grid = outlined_grid("-")
    put(grid, column(30, range(2, 6)) + column(29, range(39, 44)))
    put(grid, row(21, range(3, 8)) + row(21, range(53, 58)))
    put(grid, [(29, 21)], "C")
    # Rows 2 to 5 run one character past the last column; the game never reads it.
    overhang = {y: "X" for y in range(2, 6)}
    return grid, overhang, CRLF + "\0\0\0"


def level_104():
    grid = outlined_grid("-")
    put(grid, row(0, range(0, 5)) + row(0, range(56, 61)))
    for x in (0, LAST_COLUMN):
        put(grid, column(x, range(1, 5)) + column(x, range(42, 46)))
    # The bottom-left bracket is one cell wider than the others.
    put(grid, row(LAST_ROW, range(0, 6)) + row(LAST_ROW, range(56, 61)))
    return grid, {}, CRLF * 2 + "\0"


def walled_grid():
    grid = outlined_grid("X")
    put(grid, [(1, 1), (59, 1), (1, 45), (59, 45)])
    return grid


def level_105():
    return walled_grid(), {}, CRLF * 2 + "\0"


def level_106():
    grid = walled_grid()
    for cx, cy in [(10, 5), (51, 5), (10, 41), (51, 41)]:
        put(grid, cross(cx, cy, 1))
    put(grid, cross(29, 23, 4))
    return grid, {}, CRLF * 2 + "\0"


# Identifier: (builder, file length in bytes, mines, tail-clearing cells).
LEVELS = {
    101: (level_101, 2960, 4, 0),
    102: (level_102, 2960, 32, 0),
    103: (level_103, 2968, 19, 1),
    104: (level_104, 2964, 37, 0),
    105: (level_105, 2964, 216, 0),
    106: (level_106, 2964, 253, 0),
}


def map_bytes(grid, overhang, trailer):
    lines = ["".join(cells) + overhang.get(y, "") for y, cells in enumerate(grid)]
    return (CRLF.join(lines) + trailer).encode("ascii")


def obstacles_as_loaded(data):
    """The cells a loader writes, walking the bytes as the game does: a CR ends the row and
    the byte after it is skipped; anything outside the grid is dropped."""
    cells = {}
    x = y = 0
    skip = False
    for byte in data:
        if skip:
            skip = False
        elif byte == 13:
            x, y, skip = 0, y + 1, True
        else:
            if x <= LAST_COLUMN and y <= LAST_ROW and chr(byte) in "XC":
                cells[(x, y)] = chr(byte)
            x += 1
    return cells


def main():
    out_dir = Path(__file__).resolve().parent.parent / "resources" / "levels"
    out_dir.mkdir(parents=True, exist_ok=True)
    for identifier, (build, length, mines, clear_tails) in LEVELS.items():
        data = map_bytes(*build())
        loaded = list(obstacles_as_loaded(data).values())
        assert len(data) == length, f"{identifier}: {len(data)} bytes, expected {length}"
        assert loaded.count("X") == mines, f"{identifier}: {loaded.count('X')} mines"
        assert loaded.count("C") == clear_tails, f"{identifier}: {loaded.count('C')} C cells"
        (out_dir / f"{identifier}.map").write_bytes(data)
        print(f"{identifier}.map: {length} bytes, {mines} mines, {clear_tails} tail-clearing")


if __name__ == "__main__":
    main()
