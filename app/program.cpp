#include "app/program.h"

#include "app/edition.h"
#include "app/main_window.h"
#include "app/shell.h"
#include "base/diag/bounded_format.h"
#include "base/diag/error_report.h"
#include "base/graphics/effect.h"

#include <cstdlib>
#include <ctime>

namespace {

constexpr uint32_t kDebugLogFlags = ErrorReport::kToDebugger | ErrorReport::kWithSourceFile | ErrorReport::kWithLine;

// The window is made this size and hidden; the first frame gives it its
// shape and size.
const Rect kInitialWindowRect(0, 0, 800, 600);

} // namespace

std::string ScriptName(const char* pattern, int slot)
{
    char name[MAX_PATH];
    FormatBounded(name, sizeof name, pattern, slot);
    return name;
}

bool CreateMainWindow(HINSTANCE instance)
{
    const EditionParameters& edition = Edition();
    const char* name = edition.shell.windowName;
    TheApplication.InitClass(CS_OWNDC, MainWndProc, instance, name);
    TheApplication.SetClassLook(0, 0, nullptr, nullptr, nullptr);
    TheApplication.RegisterClass();

    MainWindow.baseStyle = WS_POPUP;
    MainWindow.baseExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    WindowCreateParams params;
    params.instance = instance;
    params.rect = kInitialWindowRect;
    params.className = name;
    params.text = name;
    const bool created = MainWindow.Create(params);

    Display.Capture(nullptr);
    PlaceAtDesktopCentre(Shell, Display.width, Display.height, edition.behaviour);
    return created;
}

void DefaultStartUp()
{
    const ShellParameters& shell = Edition().shell;
    CharacterLoader loader(shell.archiveName);
    for (size_t slot = 0; slot < Slots.size(); ++slot)
        loader.LoadSlotScript(Slots[slot], ScriptName(shell.scriptPattern, static_cast<int>(slot)));

    PopupItems.Append("設定(&S)", kSettingsCommand);
    PopupItems.Append("終了(&E)", kExitCommand);
    MainWindow.PopupMenu.SetMenu(PopupItems.Hmenu());
    MainWindow.TaskIcon.Add(shell.windowName, TheApplication.LoadIcon(shell.trayIconId), WM_USER, 0);

    Engine.StartUp();
    // The filler of setting.dat comes from the runtime's generator.
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    Settings.Load(Shell.WindowX, Shell.WindowY);
    if (!Settings.keepOnTop)
        MainWindow.ZOrder.Set(HWND_NOTOPMOST);
}

int RunProgram(HINSTANCE instance, const EditionParameters& edition)
{
    AdoptEdition(edition);
    cEffect::InitCpu();
    ErrorReport::Instance().Initialize();
    ErrorReport::Instance().SetFlags(kDebugLogFlags);

    CreateMainWindow(instance);
    edition.shell.startUp();

    TheApplication.mainWindow = MainWindow.Hwnd();
    TheApplication.Run();

    MainWindow.TaskIcon.Remove();
    SaveSettings(Settings, Shell.WindowX, Shell.WindowY);
    // The voice plays from memory that goes away with the program's objects.
    StopFrameSound();
    return 0;
}
