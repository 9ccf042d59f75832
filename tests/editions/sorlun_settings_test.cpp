// Sorlun's setting.dat: its own folder, whose name holds a byte 0x5C that is
// no separator, and its own string offsets.
#include "editions/pelmo/pelmo_edition.h"
#include "editions/quenna/quenna_edition.h"
#include "editions/sorlun/sorlun_edition.h"
#include "tests/editions/settings_folders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

namespace {

constexpr uint32_t kServerAt = 246987;
constexpr uint32_t kUserAt = 112586;
constexpr uint32_t kPasswordAt = 465874;
constexpr size_t kPasswordRoom = 46122;

class SorlunSettingsFile : public SettingsFoldersTest {
protected:
    void SetUp() override { HoldSettingsFolders(SorlunEdition()); }
};

TEST_F(SorlunSettingsFile, LiesInItsFolderJoinedAndConvertedOnlyAtSeparators)
{
    ASSERT_EQ(GetACP(), 932u) << "the folder names are code page 932 bytes";
    const std::string folderWord = "ソルビ＆ルネット編";
    ASSERT_EQ(folderWord.substr(0, 2), "\x83\x5C") << "ソ ends in the byte of '\\'";
    const std::string expected =
        documents_ + "\\Quillmarsh\\ヴェルヴェーン　デスクトップアクセサリー\\" + folderWord + "\\setting.dat";
    EXPECT_EQ(Settings.path, expected);
    EXPECT_EQ(std::count(Settings.path.begin(), Settings.path.end(), '/'), 0);

    // The reference's path with Sorlun's folder: the same bytes.
    AdoptEdition(QuennaEdition());
    std::string reference = Settings.path;
    const std::string quennaWord = "クエンナ編";
    reference.replace(reference.find(quennaWord), quennaWord.size(), folderWord);
    EXPECT_EQ(expected, reference);

    // The program finds its file there, whatever the system makes of the
    // trail byte.
    const std::string folder = MakeEditionFolder(folderWord.c_str());
    EXPECT_EQ(folder + "\\setting.dat", expected);
    ASSERT_NO_FATAL_FAILURE(SaveAsTheProgram(SorlunEdition(), 10, 20));
    EXPECT_NE(GetFileAttributesA(expected.c_str()), INVALID_FILE_ATTRIBUTES);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((product_ + "\\*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    int folders = 0;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") {
            EXPECT_EQ(name, folderWord) << "one folder, not cut at the trail byte";
            ++folders;
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    EXPECT_EQ(folders, 1);
}

TEST_F(SorlunSettingsFile, IsWrittenAtItsStringOffsetsAndLoadsBack)
{
    ExpectTheProgramToWriteAndLoadAt(SorlunEdition(), "ソルビ＆ルネット編",
                                     {.server = kServerAt, .user = kUserAt, .password = kPasswordAt});
}

// The password is the last string of the file: its room runs to the end,
// 46122 bytes. A longer one is cut to the room at a character boundary, and
// the strings before it stay whole.
TEST_F(SorlunSettingsFile, AnOverlongPasswordIsCutAtACharacterBoundary)
{
    const std::string folder = MakeEditionFolder("ソルビ＆ルネット編");
    struct Case {
        const char* name;
        std::string password;
        std::string kept;
    };
    std::string full;
    while (full.size() < kPasswordRoom)
        full += "パ";
    // After one single-byte character every pair starts at an odd place:
    // the pair at the room's end would be cut in two.
    const std::string odd = "a" + full;
    const Case cases[] = {
        {"pairs up to the end", full + "ス", full},
        {"a pair across the end", odd, odd.substr(0, kPasswordRoom - 1)},
        {"single bytes", std::string(kPasswordRoom + 500, 'p'), std::string(kPasswordRoom, 'p')},
        {"exactly the room", full, full},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AdoptEdition(SorlunEdition());
        Settings.server = "pop.example.jp";
        Settings.user = std::string(134397, 'u'); // the user's whole room
        Settings.password = c.password;
        ASSERT_TRUE(SaveSettingsAtExit());
        std::string file;
        ASSERT_TRUE(ReadWholeFile(folder + "\\setting.dat", file));
        EXPECT_EQ(StringAt(file, kPasswordAt), c.kept);
        EXPECT_EQ(StringAt(file, kServerAt), "pop.example.jp");

        AdoptEdition(SorlunEdition());
        int32_t x = 0, y = 0;
        ASSERT_TRUE(Settings.Load(x, y));
        EXPECT_EQ(Settings.password, c.kept);
        EXPECT_EQ(Settings.server, "pop.example.jp");
        EXPECT_EQ(Settings.user, std::string(134397, 'u'));
    }
}

TEST_F(SorlunSettingsFile, ALengthWordOutsideItsRoomGivesAnEmptyString)
{
    const std::string folder = MakeEditionFolder("ソルビ＆ルネット編");
    const std::string path = folder + "\\setting.dat";
    ASSERT_NO_FATAL_FAILURE(SaveAsTheProgram(SorlunEdition(), 5, 6));
    std::string file;
    ASSERT_TRUE(ReadWholeFile(path, file));
    struct Case {
        uint32_t at;
        int32_t length;
    };
    for (const Case c : {Case{kPasswordAt, 46123}, Case{kPasswordAt, -1}, Case{kUserAt, 134398}}) {
        SCOPED_TRACE(testing::Message() << c.at << ": " << c.length);
        std::string damaged = file;
        for (int i = 0; i < 4; ++i)
            damaged[c.at + i] = static_cast<char>(static_cast<uint32_t>(c.length) >> (8 * i));
        ASSERT_TRUE(WriteWholeFile(path, damaged));
        AdoptEdition(SorlunEdition());
        int32_t x = 0, y = 0;
        ASSERT_TRUE(Settings.Load(x, y));
        EXPECT_EQ(Settings.password, c.at == kPasswordAt ? "" : "ぱすワード");
        EXPECT_EQ(Settings.user, c.at == kUserAt ? "" : "ユーザー名");
        EXPECT_EQ(Settings.server, "pop.example.jp");
        EXPECT_EQ(x, 5);
    }
}

TEST_F(SorlunSettingsFile, AnotherEditionsFileGivesItNoStrings)
{
    for (const auto& [writer, word] : {std::pair{&QuennaEdition(), "クエンナ編"}, std::pair{&PelmoEdition(), "ペルモ編"}}) {
        SCOPED_TRACE(word);
        ExpectAnotherEditionsFileToGiveNoStrings(SorlunEdition(), "ソルビ＆ルネット編", *writer, word);
    }
}

} // namespace
