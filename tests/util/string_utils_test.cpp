#include "base/util/string_utils.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cerrno>
#include <cstring>
#include <cwchar>
#include <string>

namespace {

// Double-byte characters whose trail byte is 0x5C, the code of '\'.
const char kSo[] = "ソ";      // 83 5C
const char kHyou[] = "表";    // 95 5C

#define REQUIRE_CODE_PAGE_932() ASSERT_EQ(GetACP(), 932u) << "these cases need the Japanese ANSI code page"

TEST(StringUtils, SourceLiteralsAreCodePage932)
{
    EXPECT_EQ(std::string(kSo), std::string("\x83\x5C"));
    EXPECT_EQ(std::string(kHyou), std::string("\x95\x5C"));
}

TEST(StringUtils, IsDbcsPairNeedsALeadAndATrailByte)
{
    REQUIRE_CODE_PAGE_932();
    const struct {
        const char* text;
        int pair;
    } cases[] = {
        {kSo, 1},
        {kHyou, 1},
        {"ab", 0},
        {"\x83", 0},     // lead byte followed by the terminator
        {"\x83\x20", 0}, // a blank is no trail byte
        {"\\\x83", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsDbcsPair(c.text), c.pair) << c.text;
}

TEST(StringUtils, PathSplittingStepsOverDoubleByteCharacters)
{
    REQUIRE_CODE_PAGE_932();
    const struct {
        std::string path;
        const char* fileName;
        const char* directory;
    } cases[] = {
        {"D:\\dir\\file.txt", "file.txt", "D:\\dir\\"},
        {"file.txt", "file.txt", ""},
        {"D:\\dir\\", "", "D:\\dir\\"},
        {"\\", "", "\\"},
        {"", "", ""},
        // The 0x5C inside these characters is no separator.
        {"C:\\ソフト\\表示.bmp", "表示.bmp", "C:\\ソフト\\"},
        {"C:\\表\\ソ", "ソ", "C:\\表\\"},
        {"ソ表", "ソ表", ""},
        // A lead byte at the very end is a byte of its own; the scan stops
        // at the terminator.
        {"dir\\\x95", "\x95", "dir\\"},
    };
    for (const auto& c : cases) {
        const char* name = PathFileName(c.path.c_str());
        ASSERT_NE(name, nullptr);
        EXPECT_STREQ(name, c.fileName) << c.path;
        EXPECT_EQ(name, c.path.c_str() + (c.path.size() - std::strlen(c.fileName)))
            << "the file name points into the path";
        EXPECT_STREQ(PathDirectory(c.path.c_str()), c.directory) << c.path;
    }
    EXPECT_EQ(PathFileName(nullptr), nullptr);
    EXPECT_EQ(PathDirectory(nullptr), nullptr);
}

TEST(StringUtils, PathDirectoryKeepsToItsBuffer)
{
    const std::string longest(258, 'd');
    EXPECT_EQ(std::string(PathDirectory((longest + "\\f").c_str())), longest + "\\")
        << "259 characters fit";
    EXPECT_STREQ(PathDirectory((longest + "d\\f").c_str()), "") << "260 characters do not";
    EXPECT_EQ(std::string(PathDirectory(("C:\\x\\" + std::string(400, 'f')).c_str())), "C:\\x\\")
        << "a long file name does not matter, only the directory part is kept";
}

TEST(StringUtils, AfterFirstDot)
{
    const struct {
        const char* text;
        const char* rest; // NULL: no dot
    } cases[] = {
        {"a.b.c", "b.c"},
        {"dir.d\\file.txt", "d\\file.txt"},
        {".hidden", "hidden"},
        {"name.", ""},
        {"abc", nullptr},
        {"", nullptr},
        {"表.ttp", "ttp"},
    };
    for (const auto& c : cases) {
        const char* rest = AfterFirstDot(c.text);
        if (!c.rest) {
            EXPECT_EQ(rest, nullptr) << c.text;
            continue;
        }
        ASSERT_NE(rest, nullptr) << c.text;
        EXPECT_STREQ(rest, c.rest);
        EXPECT_EQ(rest, c.text + std::strlen(c.text) - std::strlen(c.rest));
    }
    EXPECT_EQ(AfterFirstDot(nullptr), nullptr);
}

TEST(StringUtils, HexStringIsAlwaysTenCharacters)
{
    const struct {
        uint32_t value;
        const char* text;
    } cases[] = {
        {255, "0x000000ff"},
        {0, "0x00000000"},
        {0xDEADBEEF, "0xdeadbeef"},
        {0xFFFFFFFF, "0xffffffff"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(HexString(c.value), c.text);
}

TEST(StringUtils, ParseHex)
{
    const struct {
        const char* text;
        uint32_t value;
    } cases[] = {
        {"0x1A", 26},
        {"1a", 26},
        {"1 2", 0x12},          // other characters are skipped, not ends
        {"0x1g2", 0x12},
        {"123456789", 0x23456789}, // only the last eight digits count
        {"0xFFFFFFFF", 0xFFFFFFFF},
        {"0X1A", 26},           // capital X is skipped as a non-digit
        {"0x123456789", 0x23456789},
        {"0x", 0},
        {"", 0},
        {"xyz", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseHex(c.text), c.value) << c.text;
}

TEST(StringUtils, ParseWideHexTakesFullwidthForms)
{
    const struct {
        const wchar_t* text;
        uint32_t value;
    } cases[] = {
        {L"\xFF10\xFF58\xFF11\xFF21", 26}, // fullwidth "0x1A"
        {L"1A", 26},
        {L"0x1a", 26},
        {L"\xFF41\xFF46\xFF19", 0xAF9},  // fullwidth "af9"
        {L"\xFF26 \xFF10", 0xF0},
        {L"1234567890", 0x34567890},
        {L"\xFF58", 0},
        {L"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseWideHex(c.text), c.value);

    // Every fullwidth digit and letter has its value.
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(WideHexDigitValue(static_cast<wchar_t>(0xFF10 + i)), i);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(WideHexDigitValue(static_cast<wchar_t>(0xFF21 + i)), 10 + i);
        EXPECT_EQ(WideHexDigitValue(static_cast<wchar_t>(0xFF41 + i)), 10 + i);
    }
}

TEST(StringUtils, AnsiAndWideConvertBothWays)
{
    REQUIRE_CODE_PAGE_932();
    const wchar_t wide[] = {0x30BD, 0x8868, L'a', 0}; // ソ表a
    wchar_t units[8];
    EXPECT_EQ(AnsiToWide(units, "ソ表a", 8), 4);
    EXPECT_EQ(std::wstring(units), std::wstring(wide));

    char bytes[8];
    EXPECT_EQ(WideToAnsi(bytes, wide, 8), 6);
    EXPECT_STREQ(bytes, "ソ表a");

    EXPECT_STREQ(WideToAnsiStatic(wide), "ソ表a");
    EXPECT_EQ(std::wstring(AnsiToWideStatic("ソ表a")), std::wstring(wide));
}

TEST(StringUtils, ConversionThatDoesNotFitLeavesAnEmptyString)
{
    char bytes[4];
    std::memset(bytes, 'x', sizeof bytes);
    EXPECT_EQ(WideToAnsi(bytes, L"abcdef", 4), 0);
    EXPECT_STREQ(bytes, "");

    wchar_t units[4];
    std::wmemset(units, L'x', 4);
    EXPECT_EQ(AnsiToWide(units, "abcdef", 4), 0);
    EXPECT_EQ(units[0], L'\0');

    const std::string longNarrow(300, 'n');
    const std::wstring longWide(300, L'w');
    EXPECT_STREQ(WideToAnsiStatic(longWide.c_str()), "");
    EXPECT_EQ(std::wstring(AnsiToWideStatic(longNarrow.c_str())), L"");
    EXPECT_EQ(std::string(WideToAnsiStatic(std::wstring(259, L'w').c_str())), std::string(259, 'w'))
        << "259 characters and the terminator fit";
}

TEST(StringUtils, FormatStringUsesOneBuffer)
{
    const char* first = FormatString("quenna%02d.ttp", 5);
    ASSERT_NE(first, nullptr);
    EXPECT_STREQ(first, "quenna05.ttp");

    const char* second = FormatString("%s %s", "表示", "ソフト");
    EXPECT_EQ(second, first) << "both results are the one format buffer";
    EXPECT_STREQ(first, "表示 ソフト");

    EXPECT_EQ(FormatString(nullptr), nullptr);
    EXPECT_STREQ(first, "表示 ソフト") << "a NULL format leaves the buffer alone";
}

TEST(StringUtils, FormattersRefuseTextLongerThanTheirBuffer)
{
    // The longest text that fits, and one character more.
    const std::string fits4096(4095, 'a');
    EXPECT_EQ(std::string(FormatString("%s", fits4096.c_str())), fits4096);
    EXPECT_STREQ(FormatString("%s!", fits4096.c_str()), "");
    EXPECT_STREQ(FormatString("%s", std::string(10000, 'b').c_str()), "");

    // A caller's 256-character buffer, followed by bytes it must not touch.
    char buffer[300];
    const struct {
        size_t length;
        int result;
    } cases[] = {{0, 0}, {255, 255}, {256, -1}, {1000, -1}};
    for (const auto& c : cases) {
        std::memset(buffer, '#', sizeof buffer);
        const std::string text(c.length, 'c');
        EXPECT_EQ(FormatString256(buffer, "%s", text.c_str()), c.result) << c.length;
        EXPECT_EQ(std::string(buffer), c.result < 0 ? std::string() : text) << c.length;
        EXPECT_EQ(std::string(buffer + 256, 44), std::string(44, '#')) << "no write past 256 characters";
    }
    EXPECT_EQ(FormatString256(buffer, nullptr), -1);
    EXPECT_STREQ(buffer, "");
}

TEST(StringUtils, CopyString260RefusesWhatDoesNotFit)
{
    char buffer[300];
    const struct {
        size_t length;
        int result;
    } cases[] = {{0, 0}, {259, 0}, {260, ERANGE}, {1000, ERANGE}};
    for (const auto& c : cases) {
        std::memset(buffer, '#', sizeof buffer);
        const std::string text(c.length, 's');
        EXPECT_EQ(CopyString260(buffer, text.c_str()), c.result) << c.length;
        EXPECT_EQ(std::string(buffer), c.result ? std::string() : text) << c.length;
        EXPECT_EQ(std::string(buffer + 260, 40), std::string(40, '#')) << "no write past 260 characters";
    }
    EXPECT_EQ(CopyString260(buffer, nullptr), EINVAL);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(CopyString260(nullptr, "x"), EINVAL);
}

} // namespace
