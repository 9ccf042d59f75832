// Blocks and an archive written by the host's own zlib and a script of ours
// (make_foreign_archive.py), not by our codec or packer.
#include "base/io/pack_file.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/temp_dir.h"

namespace {

const std::string kForeignDir = IO_FOREIGN_DIR;

std::string Loaded(const PackFile& pack)
{
    return std::string(reinterpret_cast<const char*>(pack.Data()), pack.LoadedSize());
}

TEST(ForeignZlib, BlocksOfOtherZlibSettingsInflateHere)
{
    const std::string archive = kForeignDir + "\\foreign.pac";
    PackFile pack;
    ASSERT_TRUE(pack.LoadByName(archive, "plain.txt", false));
    const std::string plain = Loaded(pack);
    ASSERT_GT(plain.size(), 10000u);
    for (const char* name : {"level1", "level9", "stored", "huffman", "rle"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(pack.LoadByName(archive, std::string("blocks/") + name + ".zlc3", true));
        EXPECT_EQ(Loaded(pack), plain);
    }
}

TEST(ForeignZlib, BlockFileUnpacksHere)
{
    TempDir dir;
    PackFileBase codec;
    ASSERT_TRUE(codec.ZlcDecompressFile(kForeignDir + "\\foreign_block.zlc3", dir.File("out")));
    std::string unpacked;
    std::string plain;
    ASSERT_TRUE(ReadWholeFile(dir.File("out"), unpacked));
    // Read apart from the archive: our files are opened without sharing and
    // the other test of this group may hold the archive meanwhile.
    ASSERT_TRUE(ReadWholeFile(kForeignDir + "\\foreign_block.plain", plain));
    EXPECT_EQ(unpacked, plain);
}

} // namespace
