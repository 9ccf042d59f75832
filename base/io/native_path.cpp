#include "base/io/native_path.h"

#include "base/util/library_options.h"

#include <algorithm>

std::string ToNativePath(const std::string& path, bool convertSeparators)
{
    std::string native = path;
    if (convertSeparators)
        std::replace(native.begin(), native.end(), '/', '\\');
    return native;
}

std::string ToNativePath(const std::string& path)
{
    return ToNativePath(path, LibraryOptions().convertPathSeparators);
}
