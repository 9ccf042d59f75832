#pragma once

#include <windows.h>

// The documents folder of the test session's Wine user is one folder for
// every test program. Tests that make the settings folders in it (or expect
// them absent) take turns through this lock, a mutex named for the whole
// session, held while the object lives.
class DocumentsFolderLock {
public:
    DocumentsFolderLock();
    ~DocumentsFolderLock();
    DocumentsFolderLock(const DocumentsFolderLock&) = delete;
    DocumentsFolderLock& operator=(const DocumentsFolderLock&) = delete;

private:
    HANDLE mutex_;
};
