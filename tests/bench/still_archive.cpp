// Makes a character archive whose idle animation stands still: every entry
// of the given archive as it is, except the idle slot's script, which keeps
// only its first frame. The idle-cost benchmark (idle_cost.py) shows it to
// tell the cost of a still frame from that of an animation:
//   still_archive IN.pac OUT.pac
#include "app/animation_script.h"
#include "app/edition.h"
#include "app/program.h"
#include "base/io/pack_file.h"
#include "editions/quenna/quenna_edition.h"
#include "tests/support/temp_dir.h"
#include "tools/pack_archive/archive_builder.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

int Fail(const std::string& message)
{
    std::fprintf(stderr, "still_archive: %s\n", message.c_str());
    return 1;
}

// The script with its first frame alone.
bool StillScript(std::string& bytes)
{
    AnimationScript script;
    if (!ParseAnimationScript(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), script) ||
        script.frames.empty())
        return false;
    script.frames.resize(1);
    const std::vector<uint8_t> encoded = EncodeAnimationScript(script);
    bytes.assign(encoded.begin(), encoded.end());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return Fail("usage: still_archive IN.pac OUT.pac");
    AdoptEdition(QuennaEdition());
    const std::string input = argv[1];
    const std::string idleScript = ScriptName(Edition().shell.scriptPattern, 0);

    PackFile pack;
    const int32_t count = pack.GetEntryCount(input);
    std::vector<ArchiveItem> items;
    bool stilled = false;
    for (int32_t index = 0; index < count; ++index) {
        if (!pack.LoadByIndex(input, index, true))
            return Fail("cannot read entry " + std::to_string(index) + " of " + input);
        const PackEntry& entry = pack.Entry();
        ArchiveItem item{std::string(entry.name, entry.NameLength()),
                         std::string(reinterpret_cast<const char*>(pack.Data()),
                                     static_cast<size_t>(pack.LoadedSize()))};
        if (item.name == idleScript) {
            if (!StillScript(item.bytes))
                return Fail("cannot read the idle script " + idleScript);
            stilled = true;
        }
        items.push_back(std::move(item));
    }
    if (!stilled)
        return Fail(input + " has no idle script " + idleScript);

    std::string archive;
    std::string error;
    if (!BuildArchive(items, true, archive, error))
        return Fail(error);
    if (!WriteWholeFile(argv[2], archive))
        return Fail(std::string("cannot write ") + argv[2]);
    return 0;
}
