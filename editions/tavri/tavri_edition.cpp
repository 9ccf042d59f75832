#include "editions/tavri/tavri_edition.h"

#include "app/program.h"

#include <windows.h>

namespace {

const EditionParameters kEdition = {
    .settings =
        {
            .folderWord = "タヴリ編",
            .stringOffsets = {.server = 195468, .user = 412036, .password = 221456},
            .pathForm = SettingsPathForm::kBackslashes,
        },
    .shell =
        {
            .archiveName = "tavri.pac",
            .scriptPattern = "tavri%02d.ttp",
            .slotCount = 40,
            .windowName = "tavrikot",
            .trayIconId = 111,
            .followDisplayChanges = true,
            .startUp = DefaultStartUp,
            // A walk goes on at the normal period after the dialog.
            .dialogCloseTimer = NormalDialogTimer,
            .placeFrame = PlaceAtWindowPosition,
        },
    .behaviour =
        {
            .originOffsetX = 234,
            .originOffsetY = 224,
            .idleTimeoutMs = 30000,
            .actionTimeoutMs = 30000,
            // Two sets: 10 to 21 and 22 to 33.
            .chimeActions = {10, 33},
            // The four alarms.
            .blockingActions = {34, 37},
            .mailPeriodMs = 60000,
            .normalTimerMs = 100,
            .zeroStampMeansNotStarted = true,
            .actionTick = TavriActionTick,
            // Every picker repeats its sequence in every run.
            .pickerSeed = FixedDefaultSeed,
            .pickerForm = PickerForm::SharedGenerator,
        },
    .library =
        {
            .convertPathSeparators = true,
            // The window is moved and sized without a redraw: the frame's
            // picture is copied onto it right after.
            .windowMoveFlags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW,
            .windowResizeFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW,
        },
};

} // namespace

const EditionParameters& TavriEdition()
{
    return kEdition;
}
