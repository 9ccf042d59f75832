#include "base/io/native_path.h"

#include <gtest/gtest.h>

namespace {

TEST(ToNativePath, TurnsSlashesIntoBackslashesOnlyWhenAsked)
{
    const struct {
        const char* path;
        const char* converted;
    } table[] = {
        {"data/quenna.pac", "data\\quenna.pac"},
        {"//server/share/a.txt", "\\\\server\\share\\a.txt"},
        {"C:\\mixed/sep\\x", "C:\\mixed\\sep\\x"},
        {"ソ/表\\能", "ソ\\表\\能"}, // trail bytes 0x5C stay as they are
        {"", ""},
    };
    for (const auto& row : table) {
        EXPECT_EQ(ToNativePath(row.path, true), row.converted) << row.path;
        EXPECT_EQ(ToNativePath(row.path, false), row.path) << row.path;
    }
}

TEST(ToNativePath, TheReferenceEditionConverts)
{
    EXPECT_EQ(ToNativePath("a/b"), "a\\b");
}

} // namespace
