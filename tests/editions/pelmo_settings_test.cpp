// Pelmo's setting.dat: its own folder, its own string offsets.
#include "editions/pelmo/pelmo_edition.h"
#include "editions/quenna/quenna_edition.h"
#include "tests/editions/settings_folders.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

class PelmoSettingsFile : public SettingsFoldersTest {
protected:
    void SetUp() override { HoldSettingsFolders(PelmoEdition()); }
};

TEST_F(PelmoSettingsFile, IsWrittenInItsFolderAtItsStringOffsets)
{
    ExpectTheProgramToWriteAndLoadAt(PelmoEdition(), "ペルモ編", {.server = 398745, .user = 179850, .password = 80456});
}

TEST_F(PelmoSettingsFile, IsNotQuennasAndAQuennaFileGivesItNoStrings)
{
    ExpectAnotherEditionsFileToGiveNoStrings(PelmoEdition(), "ペルモ編", QuennaEdition(), "クエンナ編");
}

} // namespace
