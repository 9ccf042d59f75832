#include "tests/support/documents_folder_lock.h"

DocumentsFolderLock::DocumentsFolderLock() : mutex_(CreateMutexA(nullptr, FALSE, "AccessoryTestsDocumentsFolder"))
{
    // A holder that died leaves the mutex abandoned, which also hands it over.
    if (mutex_ != nullptr)
        WaitForSingleObject(mutex_, INFINITE);
}

DocumentsFolderLock::~DocumentsFolderLock()
{
    if (mutex_ != nullptr) {
        ReleaseMutex(mutex_);
        CloseHandle(mutex_);
    }
}
