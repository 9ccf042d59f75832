#include "editions/quenna/quenna_edition.h"

#include "app/program.h"

namespace {

const ReferenceRules kRules = {
    .idlePick = {1, 6},
    .walkActions = {3, 4},
    .walkTimerMs = 30,
    .walkStep = 10,
    .clickA = {.area = {196, 97, 317, 192}, .reactions = {7, 8}},
    .clickB = {.area = {196, 193, 317, 226}, .reactions = {9, 10}},
    .reactionTimeoutMs = 5000,
    .chimeBase = 11,
    .alarmActions = {23, 24},
    .mailAction = 25,
};

void QuennaActionTick(BehaviourEngine& engine)
{
    ReferenceActionTick(engine, kRules);
}

// The walk goes on at its own period after the settings dialog.
uint32_t QuennaDialogTimer(const ShellState& state, const BehaviourParameters& behaviour)
{
    return WalkAwareDialogTimer(state, behaviour, kRules);
}

const EditionParameters kEdition = {
    .settings =
        {
            .folderWord = "クエンナ編",
            .stringOffsets = {.server = 335498, .user = 445680, .password = 124598},
            .pathForm = SettingsPathForm::kBackslashes,
        },
    .shell =
        {
            .archiveName = "quenna.pac",
            .scriptPattern = "quenna%02d.ttp",
            .slotCount = 26,
            .windowName = "quennacot",
            .trayIconId = 111,
            .followDisplayChanges = true,
            .startUp = DefaultStartUp,
            .dialogCloseTimer = QuennaDialogTimer,
            .placeFrame = PlaceAtWindowPosition,
        },
    .behaviour =
        {
            .originOffsetX = 254,
            .originOffsetY = 224,
            .idleTimeoutMs = 30000,
            .actionTimeoutMs = 30000,
            .chimeActions = {11, 22},
            .blockingActions = {23, 24},
            .mailPeriodMs = 60000,
            .normalTimerMs = 100,
            .zeroStampMeansNotStarted = true,
            .actionTick = QuennaActionTick,
            .pickerSeed = SeedFromTime,
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

const EditionParameters& QuennaEdition()
{
    return kEdition;
}

const ReferenceRules& QuennaRules()
{
    return kRules;
}
