#pragma once

#include "base/util/library_options.h"

// Hands the library another program's choices for as long as it lives, then
// the library's own form again.
class LibraryOptionsScope {
public:
    explicit LibraryOptionsScope(const LibraryOptionsTable& options) { SetLibraryOptions(options); }
    ~LibraryOptionsScope() { SetLibraryOptions(kStandardLibraryOptions); }
    LibraryOptionsScope(const LibraryOptionsScope&) = delete;
    LibraryOptionsScope& operator=(const LibraryOptionsScope&) = delete;
};
