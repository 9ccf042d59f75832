#include "base/io/file_finder.h"

#include "base/io/native_path.h"

bool FileFinder::First(const std::string& pattern)
{
    Close();
    HANDLE search = FindFirstFileA(ToNativePath(pattern).c_str(), &data_);
    if (search == INVALID_HANDLE_VALUE) {
        search_ = nullptr;
        found_ = false;
        return false;
    }
    search_ = search;
    found_ = true;
    return true;
}

bool FileFinder::Next()
{
    found_ = search_ != nullptr && FindNextFileA(search_, &data_) != 0;
    return found_;
}

void FileFinder::Close()
{
    if (search_ != nullptr)
        FindClose(search_);
    search_ = nullptr;
}
