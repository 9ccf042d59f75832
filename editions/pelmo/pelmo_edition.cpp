#include "editions/pelmo/pelmo_edition.h"

#include "app/program.h"

namespace {

const EditionParameters kEdition = {
    .settings =
        {
            .folderWord = "ペルモ編",
            .stringOffsets = {.server = 398745, .user = 179850, .password = 80456},
            .pathForm = SettingsPathForm::kBackslashes,
        },
    .shell =
        {
            .archiveName = "pelmo.pac",
            .scriptPattern = "pelmo%02d.ttp",
            .slotCount = 29,
            .windowName = "pelmocot",
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
            .chimeActions = {12, 23},
            // 26 is never started, but holds them back with the alarm.
            .blockingActions = {24, 26},
            .mailPeriodMs = 60000,
            .normalTimerMs = 100,
            .zeroStampMeansNotStarted = true,
            .actionTick = PelmoActionTick,
            // Every picker repeats its sequence in every run.
            .pickerSeed = FixedDefaultSeed,
            .pickerForm = PickerForm::SharedGenerator,
        },
    .library =
        {
            .convertPathSeparators = true,
            .windowMoveFlags = 0x05,
            .windowResizeFlags = 0x06,
        },
};

} // namespace

const EditionParameters& PelmoEdition()
{
    return kEdition;
}
