// Draws an edition's demo character and packs it into a .pac archive:
//   demo_character EDITION OUTPUT.pac
// Every entry is stored as a ZLC3 block where the codec can pack it.
#include <cstdio>
#include <string>
#include <vector>

#include "base/io/easy_file.h"
#include "base/util/library_options.h"
#include "tools/demo_character/character_registry.h"
#include "tools/pack_archive/archive_builder.h"

namespace {

int Usage()
{
    std::string editions;
    for (const std::string& edition : DemoCharacterEditions())
        editions += (editions.empty() ? "" : "|") + edition;
    std::fprintf(stderr, "usage: demo_character {%s} OUTPUT.pac\n", editions.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    // A tool of the library: names as given, in the library's own form.
    SetLibraryOptions(kStandardLibraryOptions);
    const DemoArchiveBuilder build = argc == 3 ? FindDemoCharacter(argv[1]) : nullptr;
    if (build == nullptr)
        return Usage();
    std::vector<ArchiveItem> items;
    std::string error;
    std::string archive;
    if (!build(items, error) || !BuildArchive(items, true, archive, error)) {
        std::fprintf(stderr, "demo_character %s: %s\n", argv[1], error.c_str());
        return 1;
    }
    EasyFile file;
    const int32_t size = static_cast<int32_t>(archive.size());
    const bool written = file.OpenWrite(argv[2], false) && file.Write(archive.data(), size) == size;
    if (!file.Close() || !written) {
        std::fprintf(stderr, "demo_character: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
