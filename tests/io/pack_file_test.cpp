#include "base/io/pack_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/io/archive_fixtures.h"
#include "tests/support/temp_dir.h"
#include "tools/pack_archive/archive_builder.h"

namespace {

std::string Loaded(const PackFile& pack)
{
    return pack.Data() ? std::string(reinterpret_cast<const char*>(pack.Data()), pack.LoadedSize()) : std::string();
}

// No file is left open: our files are opened without sharing, so an
// exclusive open of the archive fails while the reader still holds it.
bool IsClosed(const std::string& path)
{
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(handle);
    return true;
}

const std::string kWalk = "frame 0 100\r\nframe 1 100\r\n";
const std::string kFace = Pattern(3000, 5);
const std::string kVoice = Noise(100, 9);

class PackFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        // The decoy comes first and is one character longer than the face's
        // name, so a prefix match would find it.
        const std::vector<ArchiveItem> items = {
            {"images\\Face.bmzx", "decoy"},
            {"images\\Face.bmz", PackZlc3(kFace)},
            {"scripts\\walk.ttp", kWalk},
            {"voice\\hi.wav", kVoice},
        };
        std::string error;
        ASSERT_TRUE(BuildArchive(items, false, archive_, error)) << error;
        ASSERT_TRUE(WriteWholeFile(path_, archive_));
    }

    PackEntry EntryAt(int32_t index)
    {
        PackFile pack;
        EXPECT_TRUE(pack.FindEntryAt(path_, index));
        return pack.Entry();
    }

    TempDir dir_;
    const std::string path_ = dir_.File("sample.pac");
    std::string archive_;
};

TEST_F(PackFileTest, FindsNamesWithoutCaseWithEitherSeparatorAndOnlyWhole)
{
    const struct {
        const char* query;
        int32_t index; // -1: not found
    } cases[] = {
        {"images\\Face.bmz", 1},
        {"IMAGES/face.BMZ", 1},
        {"scripts/walk.ttp", 2},
        {"images/face.bm", -1},
        {"images/face.bmzxy", -1},
        {"face.bmz", -1},
        {"walk.ttp", -1},
        {"", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.query);
        PackFile pack;
        EXPECT_EQ(pack.FindEntry(path_, c.query), c.index >= 0);
        if (c.index >= 0) {
            const PackEntry expected = EntryAt(c.index);
            EXPECT_STREQ(pack.Entry().name, expected.name);
            EXPECT_EQ(pack.Entry().offset, expected.offset);
            EXPECT_EQ(pack.Entry().size, expected.size);
        }
        EXPECT_TRUE(IsClosed(path_));
    }
}

TEST_F(PackFileTest, FindsIndexesWithinTheCountOnly)
{
    PackFile pack;
    EXPECT_EQ(pack.GetEntryCount(path_), 4);
    const struct {
        int32_t index;
        const char* name; // nullptr: not found
    } cases[] = {
        {-1, nullptr}, {0, "images\\Face.bmzx"}, {3, "voice\\hi.wav"}, {4, nullptr}, {INT_MAX, nullptr}, {INT_MIN, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(pack.FindEntryAt(path_, c.index), c.name != nullptr);
        if (c.name) {
            EXPECT_STREQ(pack.Entry().name, c.name);
        }
        EXPECT_TRUE(IsClosed(path_));
    }
}

TEST_F(PackFileTest, LoadsEntriesWholeAndInflatesZlc3OnlyWhenAsked)
{
    const struct {
        const char* name;
        bool decompress;
        std::string expected;
    } cases[] = {
        {"images/face.bmz", true, kFace},
        {"images/face.bmz", false, PackZlc3(kFace)},
        {"scripts/walk.ttp", true, kWalk},
        {"voice/hi.wav", true, kVoice},
        {"voice/hi.wav", false, kVoice},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " decompress " << c.decompress);
        PackFile pack;
        ASSERT_TRUE(pack.LoadByName(path_, c.name, c.decompress));
        EXPECT_EQ(Loaded(pack), c.expected);
        EXPECT_TRUE(IsClosed(path_));
    }
    PackFile pack;
    ASSERT_TRUE(pack.LoadByIndex(path_, 1, true));
    EXPECT_EQ(Loaded(pack), kFace);
}

TEST_F(PackFileTest, LoadFromTakesTheEntryThenTheNameThenTheIndexThenTheWholeFile)
{
    const std::string blockPath = dir_.File("face.bmz");
    ASSERT_TRUE(WriteWholeFile(blockPath, PackZlc3(kFace)));
    const PackEntry walk = EntryAt(2);
    const struct {
        const char* what;
        PackSource source;
        bool loads;
        std::string expected;
    } cases[] = {
        {"entry over name and index", {path_, "images/face.bmz", 3, &walk, true}, true, kWalk},
        {"name over index", {path_, "images/face.bmz", 3, nullptr, true}, true, kFace},
        {"a missing name is not replaced by the index", {path_, "missing", 3, nullptr, true}, false, ""},
        {"index", {path_, "", 3, nullptr, true}, true, kVoice},
        {"whole file", {path_, "", -1, nullptr, true}, true, archive_},
        {"whole file inflated", {blockPath, "", -1, nullptr, true}, true, kFace},
        {"whole file as stored", {blockPath, "", -1, nullptr, false}, true, PackZlc3(kFace)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PackFile pack;
        EXPECT_EQ(pack.LoadFrom(c.source), c.loads);
        EXPECT_EQ(Loaded(pack), c.expected);
    }
}

TEST_F(PackFileTest, LoadInflatedTakesTheWholeFileWithoutANameThenTheEntryThenTheName)
{
    const PackEntry walk = EntryAt(2);
    const struct {
        const char* what;
        PackSource source;
        std::string expected;
    } cases[] = {
        {"no name: whole file, entry and index unused", {path_, "", 2, &walk, false}, archive_},
        {"name and entry: the entry", {path_, "images/face.bmz", -1, &walk, false}, kWalk},
        {"name alone, always inflated", {path_, "images/face.bmz", 3, nullptr, false}, kFace},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PackFile pack;
        EXPECT_TRUE(pack.LoadInflated(c.source));
        EXPECT_EQ(Loaded(pack), c.expected);
    }
}

TEST_F(PackFileTest, ZeroFillFollowsStoredAndInflatedData)
{
    const struct {
        const char* name;
        bool decompress;
        size_t size;
    } cases[] = {
        {"scripts/walk.ttp", true, kWalk.size()},
        {"images/face.bmz", true, kFace.size()},
        {"images/face.bmz", false, PackZlc3(kFace).size()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " decompress " << c.decompress);
        PackFile pack;
        pack.SetZeroFill(9);
        ASSERT_TRUE(pack.LoadByName(path_, c.name, c.decompress));
        ASSERT_EQ(static_cast<size_t>(pack.LoadedSize()), c.size);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(pack.Data()) + c.size, 9), std::string(9, '\0'));
        pack.Release();
        EXPECT_EQ(pack.ZeroFill(), 0) << "the fill is set per load";
    }
    PackFile pack;
    pack.SetZeroFill(1);
    ASSERT_TRUE(pack.LoadByName(path_, "scripts/walk.ttp", true));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(pack.Data())), kWalk) << "text reads as a C string";
}

TEST_F(PackFileTest, TakenDataBelongsToTheCaller)
{
    HeapBuffer taken;
    {
        PackFile pack;
        ASSERT_TRUE(pack.LoadByName(path_, "images/face.bmz", true));
        taken = pack.Take();
        EXPECT_EQ(pack.Data(), nullptr);
    }
    ASSERT_TRUE(taken);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(taken.Get()), kFace.size()), kFace);

    uint8_t* kept = nullptr;
    {
        PackFile pack;
        ASSERT_TRUE(pack.LoadByName(path_, "scripts/walk.ttp", true));
        kept = pack.Data();
        pack.Reset();
        EXPECT_EQ(pack.Data(), nullptr);
    }
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(kept), kWalk.size()), kWalk);
    std::free(kept);
}

TEST_F(PackFileTest, AFailedLoadHoldsNothing)
{
    PackFile pack;
    ASSERT_TRUE(pack.LoadByName(path_, "scripts/walk.ttp", true));
    EXPECT_FALSE(pack.LoadByName(path_, "missing", true));
    EXPECT_EQ(pack.Data(), nullptr);
    EXPECT_EQ(pack.LoadedSize(), 0);
    EXPECT_TRUE(IsClosed(path_));
}

TEST(PackFileEmpty, ArchiveWithoutEntriesOrWithoutFileFindsNothing)
{
    TempDir dir;
    const std::string empty = dir.File("empty.pac");
    ASSERT_TRUE(WriteWholeFile(empty, RawArchive(0, {}, "")));
    for (const std::string& path : {empty, dir.File("missing.pac")}) {
        SCOPED_TRACE(path);
        PackFile pack;
        EXPECT_EQ(pack.GetEntryCount(path), 0);
        EXPECT_FALSE(pack.FindEntryAt(path, 0));
        EXPECT_FALSE(pack.FindEntry(path, ""));
        EXPECT_FALSE(pack.LoadByIndex(path, 0, true));
        EXPECT_EQ(pack.Data(), nullptr);
    }
    PackFile pack;
    EXPECT_TRUE(pack.Exists(empty));
    EXPECT_TRUE(IsClosed(empty));
    EXPECT_FALSE(pack.Exists(dir.File("missing.pac")));
    EXPECT_FALSE(pack.LoadWholeFile(dir.File("missing.pac"), true));
}

TEST(PackFileNames, DoubleByteCharactersAreComparedExactly)
{
    ASSERT_EQ(GetACP(), 932u);
    TempDir dir;
    const std::string path = dir.File("kana.pac");
    std::string archive;
    std::string error;
    // The trail bytes of ア and ヂ are 'A' and 'a'.
    ASSERT_TRUE(BuildArchive({{"ア\\Face.bmz", "a"}, {"ソ\\x", "so"}}, false, archive, error)) << error;
    ASSERT_TRUE(WriteWholeFile(path, archive));
    PackFile pack;
    EXPECT_TRUE(pack.FindEntry(path, "ア/face.BMZ"));
    EXPECT_FALSE(pack.FindEntry(path, "ヂ/face.bmz"));
    // ソ ends in the byte of '\'.
    EXPECT_TRUE(pack.FindEntry(path, "ソ/X"));
}

// Hand-made hostile archives: every one fails quietly.

TEST(PackFileHostile, CountsBeyondTheFileAreCutToTheEntriesItHolds)
{
    TempDir dir;
    const std::string path = dir.File("count.pac");
    const std::vector<RawEntry> one = {{68, 3, "only"}};
    const struct {
        const char* what;
        std::string archive;
        int32_t count;
    } cases[] = {
        {"negative", RawArchive(-1, one, "abc"), 0},
        {"most negative", RawArchive(INT_MIN, one, "abc"), 0},
        {"far larger than the file", RawArchive(INT_MAX, one, "abc"), 1},
        {"one more than present", RawArchive(2, one, "abc"), 1},
        {"count cut short", std::string("\x01\x00", 2), 0},
        {"empty file", std::string(), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(WriteWholeFile(path, c.archive));
        PackFile pack;
        EXPECT_EQ(pack.GetEntryCount(path), c.count);
        EXPECT_FALSE(pack.FindEntry(path, "missing"));
        EXPECT_FALSE(pack.FindEntryAt(path, c.count));
        EXPECT_EQ(pack.LoadByName(path, "only", true), c.count == 1);
        EXPECT_EQ(Loaded(pack), c.count == 1 ? "abc" : "");
        EXPECT_TRUE(IsClosed(path));
    }
}

TEST(PackFileHostile, EntriesReachingPastTheEndAreNotLoaded)
{
    TempDir dir;
    const std::string path = dir.File("reach.pac");
    const uint32_t fileSize = 4 + 64 + 10;
    const struct {
        uint32_t offset;
        uint32_t size;
        bool loads;
    } cases[] = {
        {fileSize - 10, 10, true},
        {fileSize, 0, true},
        {fileSize - 10, 11, false},
        {fileSize, 1, false},
        {0xFFFFFFFFu, 1, false},
        {0xFFFFFF00u, 0x200, false}, // the sum wraps to 0x100
        {8, 0xFFFFFFFFu, false},
        {0x80000000u, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.offset << " + " << c.size);
        ASSERT_TRUE(WriteWholeFile(path, RawArchive(1, {{c.offset, c.size, "e"}}, Pattern(10, 1))));
        for (bool decompress : {false, true}) {
            PackFile pack;
            pack.SetZeroFill(2);
            EXPECT_EQ(pack.LoadByIndex(path, 0, decompress), c.loads);
            EXPECT_EQ(pack.LoadedSize(), c.loads ? static_cast<int32_t>(c.size) : 0);
            EXPECT_EQ(pack.Data() != nullptr, c.loads);
            EXPECT_TRUE(IsClosed(path));
        }
    }
}

TEST(PackFileHostile, NamesWithoutTerminatingZeroStayInTheirField)
{
    TempDir dir;
    const std::string path = dir.File("names.pac");
    const std::string full(56, 'N');
    ASSERT_TRUE(WriteWholeFile(path, RawArchive(2, {{132, 1, full}, {133, 1, "next"}}, "xy")));
    const struct {
        std::string query;
        const char* loads;
    } cases[] = {
        {std::string(56, 'n'), "x"},
        {std::string(55, 'N'), nullptr},
        {std::string(57, 'N'), nullptr},
        {"next", "y"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.query);
        PackFile pack;
        EXPECT_EQ(pack.LoadByName(path, c.query, false), c.loads != nullptr);
        EXPECT_EQ(Loaded(pack), c.loads ? c.loads : "");
    }
    PackFile pack;
    ASSERT_TRUE(pack.FindEntryAt(path, 0));
    EXPECT_EQ(pack.Entry().NameLength(), 56u);
}

TEST(PackFileHostile, DamagedZlc3EntriesFailOnlyWhenInflated)
{
    TempDir dir;
    const std::string path = dir.File("damaged.pac");
    const std::string plain = Pattern(4000, 2);
    const std::string good = PackZlc3(plain);
    const std::vector<ArchiveItem> items = {
        {"shorter than its header", std::string("ZLC3\x10\x00", 6)},
        {"header alone", good.substr(0, 8)},
        {"states one byte more", WithStatedSize(good, 4001)},
        {"states one byte less", WithStatedSize(good, 3999)},
        {"states 4 GB", WithStatedSize(good, 0xFFFFFFFFu)},
        {"cut short", good.substr(0, good.size() - 5)},
        {"flipped byte", Flipped(good, 20)},
    };
    std::string archive;
    std::string error;
    ASSERT_TRUE(BuildArchive(items, false, archive, error)) << error;
    ASSERT_TRUE(WriteWholeFile(path, archive));
    for (const ArchiveItem& item : items) {
        SCOPED_TRACE(item.name);
        PackFile pack;
        pack.SetZeroFill(1);
        EXPECT_FALSE(pack.LoadByName(path, item.name, true));
        EXPECT_EQ(pack.Data(), nullptr);
        EXPECT_EQ(pack.LoadedSize(), 0);
        EXPECT_TRUE(IsClosed(path));

        ASSERT_TRUE(pack.LoadByName(path, item.name, false)) << "the stored bytes are still there";
        EXPECT_EQ(Loaded(pack), item.bytes);
        EXPECT_FALSE(pack.Inflate());
        EXPECT_EQ(Loaded(pack), item.bytes) << "a failed inflation leaves the loaded data";
    }
}

} // namespace
