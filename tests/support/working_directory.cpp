#include "tests/support/working_directory.h"

#include <windows.h>

ScopedWorkingDirectory::ScopedWorkingDirectory(const std::string& path)
{
    char previous[MAX_PATH] = {};
    if (GetCurrentDirectoryA(MAX_PATH, previous) == 0)
        return;
    previous_ = previous;
    ok_ = SetCurrentDirectoryA(path.c_str()) != 0;
}

ScopedWorkingDirectory::~ScopedWorkingDirectory()
{
    if (ok_)
        SetCurrentDirectoryA(previous_.c_str());
}
