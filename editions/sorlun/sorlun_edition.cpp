#include "editions/sorlun/sorlun_edition.h"

#include "app/program.h"

namespace {

const EditionParameters kEdition = {
    .settings =
        {
            // ソ ends in the byte 0x5C: the path is joined and converted
            // only at '/', never at that byte.
            .folderWord = "ソルビ＆ルネット編",
            .stringOffsets = {.server = 246987, .user = 112586, .password = 465874},
            .pathForm = SettingsPathForm::kBackslashes,
        },
    .shell =
        {
            .archiveName = "sorlun.pac",
            .scriptPattern = "sorlun%02d.ttp",
            .slotCount = 30,
            .windowName = "sorluncot",
            .trayIconId = 111,
            .followDisplayChanges = false,
            .startUp = DefaultStartUp,
            // There is no walk: the normal period, whatever plays.
            .dialogCloseTimer = NormalDialogTimer,
            .placeFrame = PlaceAtWindowPosition,
        },
    .behaviour =
        {
            .originOffsetX = 260,
            .originOffsetY = 236,
            .idleTimeoutMs = 30000,
            .actionTimeoutMs = 30000,
            .chimeActions = {13, 24},
            // 26, a new-mail action, holds them back with the alarm.
            .blockingActions = {25, 26},
            .mailPeriodMs = 60000,
            .normalTimerMs = 100,
            .zeroStampMeansNotStarted = true,
            .actionTick = SorlunActionTick,
            // Every run draws the same sequence, each picker from a record
            // of its own.
            .pickerSeed = FixedDefaultSeed,
            .pickerForm = PickerForm::PlainRecord,
        },
    .library =
        {
            // The library's older forms: names reach the system as given,
            // and moves and resizes do not redraw.
            .convertPathSeparators = false,
            .windowMoveFlags = 0x0D,
            .windowResizeFlags = 0x0E,
        },
};

} // namespace

const EditionParameters& SorlunEdition()
{
    return kEdition;
}
