#include "base/util/library_options.h"

// The reference edition keeps every library default.
const LibraryOptionsTable& LibraryOptions()
{
    static const LibraryOptionsTable options{};
    return options;
}
