#pragma once

#include <cstdint>

// Choices of the base library that differ between the programs built on it.
// A program hands its table over once, at start-up, before anything of the
// library runs; the library has no values of its own to fall back on.
struct LibraryOptionsTable {
    // File and archive names are turned into native form ('/' becomes '\')
    // inside the file layer before every system call.
    bool convertPathSeparators;

    // SetWindowPos flags of the window framework's moves and resizes:
    // SWP_NOSIZE | SWP_NOZORDER (0x05) and SWP_NOMOVE | SWP_NOZORDER (0x06),
    // with SWP_NOREDRAW added (0x0D and 0x0E) for a window moved without a
    // redraw.
    uint32_t windowMoveFlags;
    uint32_t windowResizeFlags;
};

// The library's own form: names in native form, moves and resizes that
// redraw. For the tools and tests built on the library; each edition of
// the accessory writes out its own table.
extern const LibraryOptionsTable kStandardLibraryOptions;

// Hands the table over; the library reads it from then on. May be called
// again (a test trying several programs' tables).
void SetLibraryOptions(const LibraryOptionsTable& options);

// The table handed over. Reading it before that is a fault of the program:
// it ends through the fatal-error box.
const LibraryOptionsTable& LibraryOptions();
