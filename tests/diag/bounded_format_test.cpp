#include "base/diag/bounded_format.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(FormatBounded, CutsTooLongTextsAndAlwaysTerminates)
{
    ASSERT_EQ(GetACP(), 932u);
    // "あ" is the double-byte pair 82 A0; "ｱ" the single byte B1.
    const struct {
        size_t size;
        const char* text;
        const char* expected;
    } table[] = {
        {6, "abcde", "abcde"},          // exactly fills the buffer
        {6, "abcdef", "abcde"},         // one too many
        {7, "abcdあ", "abcdあ"},        // a pair ending on the last place
        {6, "abcdあ", "abcd"},          // the cut would split あ: it goes whole
        {6, "abcあい", "abcあ"},        // い does not fit at all
        {5, "a亜亜", "a亜"},            // 亜 is 88 9F: a lone 88 at the end goes
        {4, "a亜b", "a亜"},             // ...but 9F after 88 is a trail byte and stays
        {6, "ｱｲｳｴｵｶ", "ｱｲｳｴｵ"},        // single-byte kana are not lead bytes
        {6, "\x81\x5c\x81\x5c\x81\x5c", "\x81\x5c\x81\x5c"}, // trail byte 0x5C
        {1, "abc", ""},
    };
    for (const auto& row : table) {
        char buffer[16];
        std::memset(buffer, 'Z', sizeof buffer);
        const size_t length = FormatBounded(buffer, row.size, "%s", row.text);
        EXPECT_STREQ(buffer, row.expected) << "size " << row.size << " text " << row.text;
        EXPECT_EQ(length, std::strlen(row.expected));
        EXPECT_EQ(buffer[row.size], 'Z') << "nothing written past the buffer";
    }
}

TEST(FormatBounded, NullFormatOrEmptyBufferWriteNothingHarmful)
{
    char buffer[4] = {'x', 'y', 'z', 'w'};
    const char* noFormat = nullptr;
    EXPECT_EQ(FormatBounded(buffer, sizeof buffer, noFormat), 0u);
    EXPECT_STREQ(buffer, "");
    buffer[0] = 'q';
    EXPECT_EQ(FormatBounded(buffer, 0, "%d", 12345), 0u);
    EXPECT_EQ(buffer[0], 'q');
}

TEST(CutText, ShortensWithoutSplittingPairs)
{
    char text[] = "aあいう";
    EXPECT_EQ(CutText(text, 4), 3u);
    EXPECT_STREQ(text, "aあ");
    char shortText[] = "ab";
    EXPECT_EQ(CutText(shortText, 10), 2u) << "a text within the limit stays whole";
    EXPECT_STREQ(shortText, "ab");
}

} // namespace
