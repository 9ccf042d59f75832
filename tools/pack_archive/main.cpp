// Packs a folder of files into a .pac archive:
//   pack_archive [--zlc3] OUTPUT.pac FOLDER
// With --zlc3 every entry is stored as a ZLC3 block where the codec can pack it.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/util/library_options.h"
#include "tools/pack_archive/archive_builder.h"

namespace {

int Fail(const std::string& message)
{
    std::fprintf(stderr, "pack_archive: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    SetLibraryOptions(kStandardLibraryOptions);
    bool zlc3 = false;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--zlc3") == 0)
            zlc3 = true;
        else
            paths.push_back(argv[i]);
    }
    if (paths.size() != 2)
        return Fail("usage: pack_archive [--zlc3] OUTPUT.pac FOLDER");

    std::vector<ArchiveItem> items;
    std::string archive;
    std::string error;
    if (!CollectFolder(paths[1], items, error) || !BuildArchive(items, zlc3, archive, error))
        return Fail(error);

    FILE* out = std::fopen(paths[0].c_str(), "wb");
    if (!out)
        return Fail("cannot create " + paths[0]);
    const bool written = std::fwrite(archive.data(), 1, archive.size(), out) == archive.size();
    if (std::fclose(out) != 0 || !written) {
        std::remove(paths[0].c_str());
        return Fail("cannot write " + paths[0]);
    }
    return 0;
}
