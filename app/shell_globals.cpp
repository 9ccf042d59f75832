#include "app/edition.h"
#include "app/program.h"
#include "app/shell.h"

#include "base/diag/debug_output.h"

#include <algorithm>

// One translation unit, so the objects are built in this order. Nothing of
// the edition is known yet: what depends on it is made when the program
// adopts its table.
Application TheApplication;
WindowControl MainWindow;
PopupMenuItems PopupItems;
std::vector<CharacterSlot> Slots;
ShellState Shell;
SettingsRecord Settings;
DisplaySettings Display;
ShellHost Host(Slots, Settings, Shell, MainWindow, Display);
BehaviourEngine Engine(Shell, Host);

namespace {

const EditionParameters* adopted = nullptr;

} // namespace

const EditionParameters& Edition()
{
    if (adopted == nullptr)
        FatalError("edition read before the program adopted one", __FILE__, __LINE__);
    return *adopted;
}

void AdoptEdition(const EditionParameters& edition)
{
    adopted = &edition;
    SetLibraryOptions(edition.library);
    Slots.clear();
    Slots.resize(static_cast<size_t>(std::max(0, edition.shell.slotCount)));
    Settings = InitSettings();
    Host.Adopt(edition.behaviour.pickerSeed, edition.behaviour.pickerForm, edition.shell.placeFrame);
    Engine.Adopt(edition.behaviour);
}
