// Loads every entry of a large archive through PackFile and compares the
// time with the floor: the same bytes read from one open file and inflated
// with bare zlib into reused buffers. Not a test; run it by hand:
//   scripts/wine-exec build/x86_64/wine build/x86_64/tests/io/pack_file_benchmark.exe [entries]
#include "base/util/library_options.h"
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "base/io/pack_file.h"
#include "tests/io/archive_fixtures.h"
#include "tests/support/bare_entry_floor.h"
#include "tests/support/seconds_clock.h"
#include "tests/support/temp_dir.h"
#include "tools/pack_archive/archive_builder.h"

namespace {

// Picture-like data: runs of a key colour, structured rows and some noise.
std::string EntryBytes(int index)
{
    std::string out;
    const size_t size = 48 * 1024 + static_cast<size_t>(index % 7) * 8192;
    while (out.size() < size) {
        out += std::string(2048 + (index * 37) % 1024, '\x40');
        out += Pattern(3000, static_cast<uint32_t>(index + out.size()));
        out += Noise(600, static_cast<uint32_t>(index * 3 + out.size()));
    }
    out.resize(size);
    return out;
}

struct Timing {
    double seconds = 1e30;
    uint64_t bytes = 0;
};

// One way of loading every entry, timed; the best of several rounds counts.
struct Method {
    const char* name;
    std::function<uint64_t()> run;
    Timing best;
};

// The rounds take turns between the methods, so that a busy moment of the
// machine does not fall on one method alone.
void RunInTurns(std::vector<Method>& methods, int rounds)
{
    for (int round = 0; round < rounds; ++round) {
        for (Method& method : methods) {
            const double start = SecondsNow();
            const uint64_t bytes = method.run();
            const double seconds = SecondsNow() - start;
            if (seconds < method.best.seconds)
                method.best = Timing{seconds, bytes};
        }
    }
}

HANDLE OpenArchive(const std::string& path)
{
    return CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// reopen: open and close the archive around each entry, as every PackFile
// load must; the difference to the plain floor is the system's open cost.
uint64_t Floor(const std::string& path, const std::vector<PackEntry>& entries, bool reopen)
{
    HANDLE file = OpenArchive(path);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    std::vector<uint8_t> stored;
    std::vector<uint8_t> plain;
    uint64_t total = 0;
    for (const PackEntry& entry : entries) {
        if (reopen) {
            CloseHandle(file);
            file = OpenArchive(path);
        }
        total += ReadAndInflateBare(file, entry, stored, plain);
    }
    CloseHandle(file);
    return total;
}

template <typename LoadOne>
uint64_t LoadAll(int count, LoadOne loadOne)
{
    uint64_t total = 0;
    for (int i = 0; i < count; ++i) {
        PackFile pack;
        if (loadOne(pack, i))
            total += static_cast<uint64_t>(pack.LoadedSize());
    }
    return total;
}

} // namespace

int main(int argc, char** argv)
{
    SetLibraryOptions(kStandardLibraryOptions);
    const int count = argc > 1 ? std::atoi(argv[1]) : 4000;
    TempDir dir;
    const std::string path = dir.File("large.pac");
    {
        std::vector<ArchiveItem> items;
        for (int i = 0; i < count; ++i) {
            char name[64];
            std::snprintf(name, sizeof name, "frames\\%04d\\image%05d.bmz", i / 100, i);
            items.push_back(ArchiveItem{name, EntryBytes(i)});
        }
        std::string archive;
        std::string error;
        if (!BuildArchive(items, true, archive, error) || !WriteWholeFile(path, archive)) {
            std::printf("cannot make the archive: %s\n", error.c_str());
            return 1;
        }
        std::printf("archive: %d entries, %.1f MB\n", count, archive.size() / 1e6);
    }

    std::vector<PackEntry> entries;
    {
        PackFile pack;
        for (int i = 0; i < count && pack.FindEntryAt(path, i); ++i)
            entries.push_back(pack.Entry());
    }

    std::vector<Method> methods = {
        {"floor (one open file, bare zlib)", [&] { return Floor(path, entries, false); }, {}},
        {"floor, opening for each entry", [&] { return Floor(path, entries, true); }, {}},
        {"PackFile::LoadByIndex",
         [&] { return LoadAll(count, [&](PackFile& pack, int i) { return pack.LoadByIndex(path, i, true); }); }, {}},
        {"PackFile::LoadEntry",
         [&] { return LoadAll(count, [&](PackFile& pack, int i) { return pack.LoadEntry(path, entries[i], true); }); },
         {}},
        {"PackFile::LoadByName",
         [&] {
             return LoadAll(count, [&](PackFile& pack, int i) { return pack.LoadByName(path, entries[i].name, true); });
         },
         {}},
    };
    RunInTurns(methods, 5);

    const Timing& floor = methods[0].best;
    const Timing& reopening = methods[1].best;
    std::printf("%-34s %8s  %15s  %s  %s\n", "", "best", "plain data", "/floor", "/floor opening each time");
    bool same = true;
    for (const Method& method : methods) {
        std::printf("%-34s %8.3f s  %8.1f MB  %6.2f  %6.2f\n", method.name, method.best.seconds,
                    method.best.bytes / 1e6, method.best.seconds / floor.seconds,
                    method.best.seconds / reopening.seconds);
        same = same && method.best.bytes == floor.bytes;
    }
    std::printf(same ? "all loads gave the same bytes\n" : "MISMATCH in loaded bytes\n");
    return same ? 0 : 1;
}
