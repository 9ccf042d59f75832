#pragma once

#include <string>

// Makes path the process's working directory until the object goes, for code
// that writes files relative to it.
class ScopedWorkingDirectory {
public:
    explicit ScopedWorkingDirectory(const std::string& path);
    ~ScopedWorkingDirectory();
    ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
    ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

    bool Ok() const { return ok_; }

private:
    std::string previous_;
    bool ok_ = false;
};
