#pragma once

// Build-time choices of the base library that differ between editions.
// The library only declares LibraryOptions(); every program links exactly one
// definition of it, the one of its edition (editions/<name>/), so an edition
// changes these values without a copy of the library code.
struct LibraryOptionsTable {
    // File and archive names are turned into native form ('/' becomes '\')
    // inside the file layer before every system call.
    bool convertPathSeparators = true;
};

const LibraryOptionsTable& LibraryOptions();
