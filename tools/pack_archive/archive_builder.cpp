#include "tools/pack_archive/archive_builder.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "base/io/pack_entry.h"
#include "base/io/pack_file.h"
#include "base/io/zlc3.h"
#include "base/util/byte_writer.h"

namespace {

const int kPackLevel = 9;

std::string StoredForm(const std::string& plain, bool zlc3)
{
    if (!zlc3)
        return plain;
    size_t size = 0;
    HeapBuffer block = ZlcPackBlock(plain.data(), plain.size(), kPackLevel, size);
    return block ? std::string(reinterpret_cast<const char*>(block.Get()), size) : plain;
}

bool ReadFileBytes(const std::string& path, std::string& bytes)
{
    PackFile file;
    if (!file.LoadWholeFile(path, false))
        return false;
    bytes.assign(reinterpret_cast<const char*>(file.Data()), static_cast<size_t>(file.LoadedSize()));
    return true;
}

bool CollectInto(const std::string& folder, const std::string& prefix, std::vector<ArchiveItem>& items, std::string& error)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        error = "cannot list " + folder;
        return false;
    }
    bool ok = true;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        const std::string path = folder + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            ok = CollectInto(path, prefix + name + "\\", items, error);
        } else {
            items.push_back(ArchiveItem{prefix + name, std::string()});
            if (!ReadFileBytes(path, items.back().bytes)) {
                error = "cannot read " + path;
                ok = false;
            }
        }
    } while (ok && FindNextFileA(search, &found));
    FindClose(search);
    return ok;
}

} // namespace

bool BuildArchive(const std::vector<ArchiveItem>& items, bool zlc3, std::string& archive, std::string& error)
{
    archive.clear();
    std::string directory;
    std::string data;
    const uint64_t dataStart = 4 + 64 * static_cast<uint64_t>(items.size());
    for (const ArchiveItem& item : items) {
        if (item.name.empty() || item.name.size() >= PackEntry::kNameField) {
            error = "entry name must have 1 to 55 characters: " + item.name;
            return false;
        }
        const std::string stored = StoredForm(item.bytes, zlc3);
        const uint64_t offset = dataStart + data.size();
        if (offset + stored.size() > 0x7FFFFFFF) {
            error = "archive would exceed 2 GB";
            return false;
        }
        AppendU32LE(directory, static_cast<uint32_t>(offset));
        AppendU32LE(directory, static_cast<uint32_t>(stored.size()));
        std::string name = item.name;
        name.resize(PackEntry::kNameField, '\0');
        directory += name;
        data += stored;
    }
    AppendU32LE(archive, static_cast<uint32_t>(items.size()));
    archive += directory;
    archive += data;
    return true;
}

bool CollectFolder(const std::string& folder, std::vector<ArchiveItem>& items, std::string& error)
{
    items.clear();
    if (!CollectInto(folder, std::string(), items, error))
        return false;
    std::sort(items.begin(), items.end(),
              [](const ArchiveItem& a, const ArchiveItem& b) { return a.name < b.name; });
    return true;
}
