// The base library's older routines as Sorlun's own table chooses them:
// file names that reach the system as written, an archive lookup without
// the separator conversion, and window moves and resizes without a redraw.
// Each is set against the library's own form, so that the difference is
// seen to come from the table.
#include "app/program.h"
#include "base/io/easy_file.h"
#include "base/io/file_finder.h"
#include "base/io/pack_file.h"
#include "base/util/cpu_info.h"
#include "base/util/library_options.h"
#include "base/window/window_control.h"
#include "editions/sorlun/sorlun_edition.h"
#include "tests/support/temp_dir.h"
#include "tests/window/window_test_support.h"
#include "tools/pack_archive/archive_builder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

enum class Form { Sorlun, Library };

const char* Name(Form form)
{
    return form == Form::Sorlun ? "Sorlun's table" : "the library's own form";
}

// Sorlun's table adopted as its program adopts it, or the library's own
// form; the library's own form again afterwards.
class SorlunLibrary : public ::testing::Test {
protected:
    void TearDown() override { SetLibraryOptions(kStandardLibraryOptions); }

    static void Use(Form form)
    {
        if (form == Form::Sorlun)
            AdoptEdition(SorlunEdition());
        else
            SetLibraryOptions(kStandardLibraryOptions);
    }

    // A name the system takes literally: in a "\\?\" name a '/' is part of a
    // file name, so it reaches a file only when the library turned it into
    // '\' first.
    std::string Literal(const std::string& inside) const { return "\\\\?\\" + dir_.Path() + inside; }

    TempDir dir_;
};

TEST_F(SorlunLibrary, FileNamesReachTheSystemAsWritten)
{
    ASSERT_TRUE(CreateDirectoryA(dir_.File("sub").c_str(), nullptr));
    ASSERT_TRUE(WriteWholeFile(dir_.File("sub\\there.txt"), "x"));
    CpuInfo record;
    record.family = 6;
    ASSERT_TRUE(record.Save(dir_.File("sub\\cpu.bin")));

    for (const Form form : {Form::Sorlun, Form::Library}) {
        SCOPED_TRACE(Name(form));
        Use(form);
        const bool converted = form == Form::Library;

        EasyFileReader reader;
        EXPECT_EQ(reader.Open(Literal("/sub/there.txt")), converted) << "EasyFileReader::Open";
        EXPECT_TRUE(reader.Open(Literal("\\sub\\there.txt")));

        EasyFileWriter writer;
        const std::string made = dir_.File("sub\\made.txt");
        DeleteFileA(made.c_str());
        for (const bool keepExisting : {false, true}) {
            SCOPED_TRACE(keepExisting ? "appending" : "replacing");
            EXPECT_EQ(writer.Open(Literal("/sub/made.txt"), keepExisting), converted) << "EasyFileWriter::Open";
            writer.Close();
            EXPECT_EQ(GetFileAttributesA(made.c_str()) != INVALID_FILE_ATTRIBUTES, converted);
            EXPECT_TRUE(writer.Open(Literal("\\sub\\made.txt"), keepExisting));
            writer.Close();
            DeleteFileA(made.c_str());
        }

        FileFinder finder;
        EXPECT_EQ(finder.First(Literal("/sub/*.txt")), converted) << "FileFinder::First";
        EXPECT_TRUE(finder.First(Literal("\\sub\\*.txt")));
        finder.Close();

        CpuInfo loaded;
        EXPECT_EQ(loaded.Load(Literal("/sub/cpu.bin")), converted) << "CpuInfo::Load";
        EXPECT_EQ(loaded.family, converted ? 6 : 0);
        EXPECT_TRUE(loaded.Load(Literal("\\sub\\cpu.bin")));
        EXPECT_EQ(loaded.family, 6);
        const std::string saved = dir_.File("sub\\saved.bin");
        DeleteFileA(saved.c_str());
        EXPECT_EQ(record.Save(Literal("/sub/saved.bin")), converted) << "CpuInfo::Save";
        EXPECT_EQ(GetFileAttributesA(saved.c_str()) != INVALID_FILE_ATTRIBUTES, converted);
        EXPECT_TRUE(record.Save(Literal("\\sub\\saved.bin")));
    }
}

TEST_F(SorlunLibrary, TheArchiveLookupComparesNamesWithoutTheSeparatorConversion)
{
    const std::string path = dir_.File("names.pac");
    std::string archive;
    std::string error;
    ASSERT_TRUE(BuildArchive({{"images\\face.bmz", "a"}, {"plain/voice.wav", "b"}, {"sorlun00.ttp", "c"}}, false, archive, error))
        << error;
    ASSERT_TRUE(WriteWholeFile(path, archive));
    struct Case {
        const char* name;
        bool foundBySorlun;
        bool foundByTheLibrary;
    };
    const Case cases[] = {
        {"images/face.bmz", false, true}, // written with '/', stored with '\'
        {"images\\face.bmz", true, true},
        {"IMAGES\\Face.BMZ", true, true}, // letter case is ignored all the same
        {"SORLUN00.TTP", true, true},
        {"plain/voice.wav", true, false}, // stored with '/': found only as written
        {"plain/VOICE.WAV", true, false},
        {"plain\\voice.wav", false, false},
        {"images\\face.bm", false, false}, // the whole name, not a beginning of it
    };
    for (const Form form : {Form::Sorlun, Form::Library}) {
        SCOPED_TRACE(Name(form));
        Use(form);
        for (const Case& c : cases) {
            PackFile pack;
            EXPECT_EQ(pack.FindEntry(path, c.name), form == Form::Sorlun ? c.foundBySorlun : c.foundByTheLibrary) << c.name;
        }
    }
}

TEST_F(SorlunLibrary, MovesAndResizesThroughThePropertiesPassNoRedraw)
{
    for (const Form form : {Form::Sorlun, Form::Library}) {
        SCOPED_TRACE(Name(form));
        Use(form);
        TestWindow window(Rect(100, 100, 400, 300), WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        WindowControl control;
        control.SetHwnd(window.Hwnd());
        ClearMessages();
        ASSERT_TRUE(control.Rect.Move(10, 20));
        ASSERT_TRUE(control.Rect.X.Set(15));
        ASSERT_TRUE(control.Rect.Y.Set(25));
        ASSERT_TRUE(control.Rect.Resize(200, 150));
        ASSERT_TRUE(control.Rect.Width.Set(220));
        ASSERT_TRUE(control.Rect.Height.Set(120));
        ASSERT_TRUE(control.Client.SetSize(250, 120));
        const std::vector<UINT> flags = PositionChangeFlags(window.Hwnd());
        const UINT move = form == Form::Sorlun ? 0x0D : 0x05;
        const UINT resize = form == Form::Sorlun ? 0x0E : 0x06;
        const std::vector<UINT> expected = {move, move, move, resize, resize, resize, resize};
        std::vector<UINT> seen;
        for (UINT flag : flags)
            seen.push_back(flag & 0x0F);
        EXPECT_EQ(seen, expected);
        EXPECT_EQ(ScreenRect(window.Hwnd()).left, 15) << "the moves took place";
        EXPECT_EQ(ScreenRect(window.Hwnd()).top, 25);
        control.Release();
    }
}

} // namespace
