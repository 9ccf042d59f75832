#include "editions/ivrel/ivrel_edition.h"

#include "app/program.h"
#include "editions/ivrel/ivrel_frames.h"

namespace {

const EditionParameters kEdition = {
    .settings =
        {
            .folderWord = "イヴレル編",
            .stringOffsets = {.server = 102543, .user = 342856, .password = 445879},
            // The documents folder's own separators too.
            .pathForm = SettingsPathForm::kForwardSlashes,
        },
    .shell =
        {
            .archiveName = "ivrel.pac",
            // Slots 0 to 9; the others are named by Ivrel's own table
            // (IvrelSlotTable).
            .scriptPattern = "ivrel%02d.ttp",
            .slotCount = 25,
            .windowName = "ivrelcot",
            .trayIconId = 108,
            .followDisplayChanges = false,
            .startUp = IvrelStartUp,
            // There is no walk: the normal period, whatever plays.
            .dialogCloseTimer = NormalDialogTimer,
            .placeFrame = PlaceIvrelFrame,
        },
    .behaviour =
        {
            // The shell's position is the base the frames are placed from:
            // at start-up the desktop centre less this.
            .originOffsetX = 90,
            .originOffsetY = 140,
            .idleTimeoutMs = 30000,
            .actionTimeoutMs = 30000,
            .chimeActions = {10, 21},
            // The alarm's 8 holds them back; its other form, 23, does not.
            .blockingActions = {8, 8},
            .mailPeriodMs = 60000,
            .normalTimerMs = 100,
            .zeroStampMeansNotStarted = false,
            .actionTick = IvrelActionTick,
            // Every picker repeats its sequence in every run.
            .pickerSeed = FixedDefaultSeed,
            .pickerForm = PickerForm::SharedGenerator,
        },
    .library =
        {
            .convertPathSeparators = false,
            .windowMoveFlags = 0x0D,
            .windowResizeFlags = 0x0E,
        },
};

} // namespace

const EditionParameters& IvrelEdition()
{
    return kEdition;
}
