#pragma once

#include <cstdint>

// Build-time choices of the base library that differ between editions.
// The library only declares LibraryOptions(); every program links exactly one
// definition of it, the one of its edition (editions/<name>/), so an edition
// changes these values without a copy of the library code.
struct LibraryOptionsTable {
    // File and archive names are turned into native form ('/' becomes '\')
    // inside the file layer before every system call.
    bool convertPathSeparators = true;

    // SetWindowPos flags of the window framework's moves and resizes: by
    // default SWP_NOSIZE | SWP_NOZORDER (0x05) and SWP_NOMOVE | SWP_NOZORDER
    // (0x06). An edition that moves its window without a redraw adds
    // SWP_NOREDRAW (0x0D and 0x0E).
    uint32_t windowMoveFlags = 0x05;
    uint32_t windowResizeFlags = 0x06;
};

const LibraryOptionsTable& LibraryOptions();
