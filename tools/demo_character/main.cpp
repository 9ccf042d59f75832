// Draws an edition's demo character and packs it into a .pac archive:
//   demo_character EDITION OUTPUT.pac
// Every entry is stored as a ZLC3 block where the codec can pack it.
#include <cstdio>
#include <string>
#include <vector>

#include "app/program.h"
#include "base/io/easy_file.h"
#include "editions/quenna/quenna_edition.h"
#include "tools/demo_character/demo_character.h"
#include "tools/pack_archive/archive_builder.h"

int main(int argc, char** argv)
{
    if (argc != 3 || std::string(argv[1]) != "quenna") {
        std::fprintf(stderr, "usage: demo_character quenna OUTPUT.pac\n");
        return 1;
    }
    AdoptEdition(QuennaEdition());
    std::vector<ArchiveItem> items;
    if (!BuildDemoCharacter(items)) {
        std::fprintf(stderr, "demo_character: a picture could not be made\n");
        return 1;
    }
    std::string archive;
    std::string error;
    if (!BuildArchive(items, true, archive, error)) {
        std::fprintf(stderr, "demo_character: %s\n", error.c_str());
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
