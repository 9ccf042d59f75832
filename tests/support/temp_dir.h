#pragma once

#include <string>

// A fresh folder under the Windows temporary folder, removed with everything
// in it when the object goes. Path() has no trailing backslash.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    // Path() + "\\" + name
    std::string File(const std::string& name) const;

private:
    std::string path_;
};

// Whole-file helpers for tests (binary).
bool WriteWholeFile(const std::string& path, const std::string& bytes);
bool ReadWholeFile(const std::string& path, std::string& bytes);
void RemoveTree(const std::string& path);
