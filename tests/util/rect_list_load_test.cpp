#include "base/io/pack_file.h"
#include "base/io/zlc3.h"
#include "base/util/byte_writer.h"
#include "base/util/rect.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/temp_dir.h"
#include "tools/pack_archive/archive_builder.h"

namespace {

std::string LE32(int32_t value)
{
    std::string out;
    AppendI32LE(out, value);
    return out;
}

std::string Record(int32_t l, int32_t t, int32_t r, int32_t b)
{
    return LE32(l) + LE32(t) + LE32(r) + LE32(b);
}

std::string Packed(const std::string& plain)
{
    size_t size = 0;
    HeapBuffer block = ZlcPackBlock(plain.data(), plain.size(), 9, size);
    return std::string(reinterpret_cast<const char*>(block.Get()), size);
}

PackSource WholeFile(const std::string& path)
{
    PackSource source;
    source.path = path;
    return source;
}

std::string Text(const RectList& list)
{
    std::string out;
    for (int32_t i = 0; i < list.Count(); ++i)
        out += list.At(i)->ToString() + (list.IsEnabled(i) ? "+" : "-");
    return out;
}

TEST(RectListLoad, SavedListsComeBackEnabledAfterTheEntriesHeld)
{
    TempDir dir;
    RectList saved;
    saved.Add(1, 2, 3, 4);
    saved.Add(-5, -6, 70000, 80000);
    saved.SetEnabled(-1, -1, false);
    ASSERT_TRUE(saved.Save(dir.File("list.rct")));

    RectList list;
    list.Add(9, 9, 10, 10);
    list.SetEnabled(0, -1, false);
    ASSERT_TRUE(list.Load(WholeFile(dir.Path() + "/list.rct")));
    EXPECT_EQ(Text(list), "{ 9 9 10 10 }-{ 1 2 3 4 }+{ -5 -6 70000 80000 }+");
}

TEST(RectListLoad, ReadsAPackedFileANamedEntryOrAGivenEntry)
{
    TempDir dir;
    const std::string data = LE32(1) + Record(1, 2, 3, 4);
    const std::string other = LE32(1) + Record(5, 6, 7, 8);
    ASSERT_TRUE(WriteWholeFile(dir.File("packed.rct"), Packed(data)));
    std::string archive;
    std::string error;
    ASSERT_TRUE(BuildArchive({{"areas\\a.rct", Packed(data)}, {"areas\\b.rct", other}}, false, archive, error));
    ASSERT_TRUE(WriteWholeFile(dir.File("areas.pac"), archive));
    PackFile pack;
    ASSERT_TRUE(pack.FindEntryAt(dir.File("areas.pac"), 1));
    const PackEntry second = pack.Entry();

    const struct {
        const char* what;
        PackSource source;
        const char* expected;
    } cases[] = {
        {"whole packed file", {dir.File("packed.rct"), "", -1, nullptr, false}, "{ 1 2 3 4 }+"},
        {"named entry, inflated", {dir.File("areas.pac"), "areas/A.rct", -1, nullptr, false}, "{ 1 2 3 4 }+"},
        {"given entry", {dir.File("areas.pac"), "areas/a.rct", -1, &second, true}, "{ 5 6 7 8 }+"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RectList list;
        EXPECT_TRUE(list.Load(c.source));
        EXPECT_EQ(Text(list), c.expected);
    }
}

TEST(RectListLoad, OnlyTheRecordsPresentAreRead)
{
    TempDir dir;
    const std::string path = dir.File("list.rct");
    const std::string two = Record(1, 1, 2, 2) + Record(3, 3, 4, 4);
    const struct {
        const char* what;
        std::string bytes;
        int32_t entries;
    } cases[] = {
        {"count larger than the records", LE32(5) + two + "1234567", 2},
        {"count far larger than the file", LE32(0x7FFFFFFF) + two, 2},
        {"count smaller than the records", LE32(1) + two, 1},
        {"negative count", LE32(-2) + two, 0},
        {"count cut short", "\x01\x00", 0},
        {"empty file", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(WriteWholeFile(path, c.bytes));
        RectList list;
        EXPECT_TRUE(list.Load(WholeFile(path)));
        EXPECT_EQ(list.Count(), c.entries);
    }
}

TEST(RectListLoad, NothingArrivesFromAMissingFileOrADamagedBlock)
{
    TempDir dir;
    const std::string packed = Packed(LE32(1) + Record(1, 2, 3, 4));
    ASSERT_TRUE(WriteWholeFile(dir.File("cut.rct"), packed.substr(0, packed.size() - 2)));
    for (const std::string& path : {dir.File("missing.rct"), dir.File("cut.rct")}) {
        SCOPED_TRACE(path);
        RectList list;
        list.Add(1, 1, 2, 2);
        EXPECT_FALSE(list.Load(WholeFile(path)));
        EXPECT_EQ(list.Count(), 1);
    }
}

} // namespace
