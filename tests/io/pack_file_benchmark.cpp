// Loads every entry of a large archive through PackFile and compares the
// time with the floor: the same bytes read from one open file and inflated
// with bare zlib into reused buffers. Not a test; run it by hand:
//   scripts/wine-exec build/x86_64/wine build/x86_64/tests/io/pack_file_benchmark.exe [entries]
#include <windows.h>

#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/io/pack_file.h"
#include "base/util/byte_reader.h"
#include "tests/io/archive_fixtures.h"
#include "tests/support/temp_dir.h"
#include "tools/pack_archive/archive_builder.h"

namespace {

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

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

template <typename Run>
Timing Best(int rounds, Run run)
{
    Timing best;
    for (int i = 0; i < rounds; ++i) {
        const double start = Now();
        const uint64_t bytes = run();
        const double seconds = Now() - start;
        if (seconds < best.seconds)
            best = Timing{seconds, bytes};
    }
    return best;
}

uint64_t Floor(const std::string& path, const std::vector<PackEntry>& entries)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    std::vector<uint8_t> stored;
    std::vector<uint8_t> plain;
    uint64_t total = 0;
    for (const PackEntry& entry : entries) {
        stored.resize(entry.size);
        SetFilePointer(file, static_cast<LONG>(entry.offset), nullptr, FILE_BEGIN);
        DWORD got = 0;
        ReadFile(file, stored.data(), entry.size, &got, nullptr);
        ByteReader reader(stored.data(), got);
        uint32_t plainSize = 0;
        reader.U32LEAt(4, plainSize);
        plain.resize(plainSize);
        uLongf produced = plainSize;
        if (uncompress(plain.data(), &produced, stored.data() + 8, got - 8) == Z_OK)
            total += produced;
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

void Report(const char* what, const Timing& timing, const Timing& floor)
{
    std::printf("%-34s %8.3f s  %8.1f MB plain  ratio %.2f\n", what, timing.seconds, timing.bytes / 1e6,
                timing.seconds / floor.seconds);
}

} // namespace

int main(int argc, char** argv)
{
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

    const int rounds = 3;
    const Timing floor = Best(rounds, [&] { return Floor(path, entries); });
    const Timing byIndex = Best(rounds, [&] {
        return LoadAll(count, [&](PackFile& pack, int i) { return pack.LoadByIndex(path, i, true); });
    });
    const Timing byEntry = Best(rounds, [&] {
        return LoadAll(count, [&](PackFile& pack, int i) { return pack.LoadEntry(path, entries[i], true); });
    });
    const Timing byName = Best(1, [&] {
        return LoadAll(count, [&](PackFile& pack, int i) { return pack.LoadByName(path, entries[i].name, true); });
    });

    Report("floor (one open file, bare zlib)", floor, floor);
    Report("PackFile::LoadByIndex", byIndex, floor);
    Report("PackFile::LoadEntry", byEntry, floor);
    Report("PackFile::LoadByName", byName, floor);
    const bool same = byIndex.bytes == floor.bytes && byEntry.bytes == floor.bytes && byName.bytes == floor.bytes;
    std::printf(same ? "all loads gave the same bytes\n" : "MISMATCH in loaded bytes\n");
    return same ? 0 : 1;
}
