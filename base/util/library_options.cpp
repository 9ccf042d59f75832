#include "base/util/library_options.h"

#include "base/diag/debug_output.h"

namespace {

LibraryOptionsTable handedOver;
bool set = false;

} // namespace

const LibraryOptionsTable kStandardLibraryOptions = {
    .convertPathSeparators = true,
    .windowMoveFlags = 0x05,
    .windowResizeFlags = 0x06,
};

void SetLibraryOptions(const LibraryOptionsTable& options)
{
    handedOver = options;
    set = true;
}

const LibraryOptionsTable& LibraryOptions()
{
    if (!set)
        FatalError("library options read before the program handed them over", __FILE__, __LINE__);
    return handedOver;
}
