// Images loaded from plain files, archive entries and the program's own
// resources.

#include "base/graphics/bitmap.h"
#include "base/graphics/dib_surface.h"
#include "base/io/pack_file.h"

#include "tests/graphics/bmp_fixtures.h"
#include "tests/graphics/resource_picture.h"
#include "tests/support/temp_dir.h"
#include "tools/pack_archive/archive_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string CreatedBlock(int32_t width, int32_t height, int32_t bpp, uint8_t seed)
{
    Bitmap image;
    image.Create(width, height, bpp, 256);
    for (int64_t i = 0; i < int64_t{image.Stride()} * height; ++i)
        image.Pixels()[i] = static_cast<uint8_t>(i * seed + 1);
    return BlockOf(image);
}

class BitmapLoad : public testing::Test {
protected:
    void SetUp() override
    {
        first_ = CreatedBlock(9, 4, 32, 3);
        second_ = CreatedBlock(3, 3, 8, 5);
        const std::string whole = CreatedBlock(4, 4, 24, 7);
        const std::vector<ArchiveItem> items = {
            {"frames\\first.bmz", first_},
            {"second.bmz", second_},
            {"cut.bmz", whole.substr(0, whole.size() - 1)},
            {"text.txt", std::string(200, 't')},
        };
        std::string archive, error;
        ASSERT_TRUE(BuildArchive(items, true, archive, error)) << error;
        ASSERT_NE(archive.find("ZLC3"), std::string::npos) << "the entries are stored packed";
        archivePath_ = dir_.File("pictures.pac");
        ASSERT_TRUE(WriteWholeFile(archivePath_, archive));
    }

    TempDir dir_;
    std::string archivePath_;
    std::string first_, second_;
};

TEST_F(BitmapLoad, FromAnArchiveEntryByNameOrByEntry)
{
    Bitmap image;
    PackSource byName;
    byName.path = archivePath_;
    byName.name = "FRAMES/First.BMZ";
    ASSERT_TRUE(image.Load(byName));
    EXPECT_EQ(BlockOf(image), first_);
    EXPECT_EQ(image.Width(), 9);
    EXPECT_EQ(image.GetError(), 0);

    PackFile pack;
    ASSERT_TRUE(pack.FindEntry(archivePath_, "second.bmz"));
    const PackEntry entry = pack.Entry();
    PackSource byEntry;
    byEntry.path = archivePath_;
    byEntry.name = "ignored when an entry is given";
    byEntry.entry = &entry;
    ASSERT_TRUE(image.Load(byEntry));
    EXPECT_EQ(BlockOf(image), second_);
    EXPECT_EQ(image.BitsPerPixel(), 8);

    DibSurface surface;
    ASSERT_TRUE(surface.BuildFromFile(byName));
    EXPECT_EQ(surface.Image().Width(), 9);
}

TEST_F(BitmapLoad, FromAPlainFile)
{
    const std::string path = dir_.File("plain.bmp");
    ASSERT_TRUE(WriteWholeFile(path, first_));
    Bitmap image;
    PackSource source;
    source.path = path;
    ASSERT_TRUE(image.Load(source));
    EXPECT_EQ(BlockOf(image), first_);
}

TEST_F(BitmapLoad, FailuresLeaveTheImageEmpty)
{
    struct Case {
        const char* name;
        std::string path;
        std::string entry;
    };
    const Case cases[] = {
        {"no such file", dir_.File("missing.bmp"), ""},
        {"no such entry", archivePath_, "missing.bmz"},
        {"an entry cut short", archivePath_, "cut.bmz"},
        {"an entry that is no picture", archivePath_, "text.txt"},
        {"an archive read as a picture", archivePath_, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bitmap image;
        ASSERT_TRUE(image.Create(2, 2, 32, 0));
        PackSource source;
        source.path = c.path;
        source.name = c.entry;
        EXPECT_FALSE(image.Load(source));
        EXPECT_EQ(image.GetError(), Error::kInvalidValue);
        EXPECT_FALSE(image.HasImage());
        DibSurface surface;
        EXPECT_FALSE(surface.BuildFromFile(source));
    }
}

TEST(BitmapResource, InflatesTheProgramsZlc3Resource)
{
    Bitmap expected;
    ASSERT_TRUE(PaintResourcePicture(expected));
    Bitmap image;
    ASSERT_TRUE(image.LoadFromResource(kPictureResource, kPictureResourceType));
    EXPECT_EQ(BlockOf(image), BlockOf(expected));
    EXPECT_EQ(image.BitsPerPixel(), 24);

    DibSurface surface;
    ASSERT_TRUE(surface.BuildFromResource(kPictureResource, kPictureResourceType));
    EXPECT_EQ(surface.Image().Width(), expected.Width());
}

TEST(BitmapResource, ResourcesThatHoldNoPictureFail)
{
    struct Case {
        const char* name;
        uint16_t id;
        const char* type;
    };
    const Case cases[] = {
        {"inflates to no picture", kNotAPictureResource, kPictureResourceType},
        {"shorter than the header", kCutResource, kPictureResourceType},
        {"no such id", 999, kPictureResourceType},
        {"no such type", kPictureResource, "PNG"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bitmap image;
        ASSERT_TRUE(image.Create(2, 2, 32, 0));
        EXPECT_FALSE(image.LoadFromResource(c.id, c.type));
        EXPECT_EQ(image.GetError(), Error::kInvalidValue);
        EXPECT_FALSE(image.HasImage());
        DibSurface surface;
        EXPECT_FALSE(surface.BuildFromResource(c.id, c.type));
    }
}

} // namespace
