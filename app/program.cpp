#include "app/program.h"

#include "app/edition.h"
#include "app/main_window.h"
#include "app/shell.h"
#include "base/diag/bounded_format.h"
#include "base/diag/debug_output.h"
#include "base/diag/error_report.h"
#include "base/graphics/effect.h"

#include <cstdlib>
#include <ctime>

namespace {

constexpr uint32_t kDebugLogFlags = ErrorReport::kToDebugger | ErrorReport::kWithSourceFile | ErrorReport::kWithLine;

// The window is made this size and hidden; the first frame gives it its
// shape and size.
const Rect kInitialWindowRect(0, 0, 800, 600);

// The file name the fatal-error box shows.
constexpr char kSourceName[] = "program.cpp";

} // namespace

std::string ScriptName(const char* pattern, int slot)
{
    char name[MAX_PATH];
    FormatBounded(name, sizeof name, pattern, slot);
    return name;
}

const char* CreateMainWindow(HINSTANCE instance)
{
    const EditionParameters& edition = Edition();
    const char* name = edition.shell.windowName;
    TheApplication.InitClass(CS_OWNDC, MainWndProc, instance, name);
    TheApplication.SetClassLook(0, 0, nullptr, nullptr, nullptr);
    // A class of that name made elsewhere would give the window a procedure
    // that is not the program's.
    if (!TheApplication.RegisterClass())
        return "ウィンドウクラスを登録できませんでした";

    MainWindow.baseStyle = WS_POPUP;
    MainWindow.baseExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    WindowCreateParams params;
    params.instance = instance;
    params.rect = kInitialWindowRect;
    params.className = name;
    params.text = name;
    if (!MainWindow.Create(params))
        return "ウィンドウを作成できませんでした";

    Display.Capture(nullptr);
    PlaceAtDesktopCentre(Shell, Display.width, Display.height, edition.behaviour);
    return nullptr;
}

void DefaultStartUp()
{
    const ShellParameters& shell = Edition().shell;
    CharacterLoader loader(shell.archiveName);
    for (size_t slot = 0; slot < Slots.size(); ++slot)
        loader.LoadSlotScript(Slots[slot], ScriptName(shell.scriptPattern, static_cast<int>(slot)));
    AddMenuAndTrayIcon();
    Engine.StartUp();
    LoadStoredSettings();
}

void AddMenuAndTrayIcon()
{
    const ShellParameters& shell = Edition().shell;
    PopupItems.Append("設定(&S)", kSettingsCommand);
    PopupItems.Append("終了(&E)", kExitCommand);
    MainWindow.PopupMenu.SetMenu(PopupItems.Hmenu());
    MainWindow.TaskIcon.Add(shell.windowName, TheApplication.LoadIcon(shell.trayIconId), WM_USER, 0);
}

void LoadStoredSettings()
{
    // The filler of setting.dat comes from the runtime's generator.
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    Settings.Load(Shell.WindowX, Shell.WindowY);
    if (!Settings.keepOnTop)
        MainWindow.ZOrder.Set(HWND_NOTOPMOST);
}

bool SaveSettingsAtExit()
{
    return SaveSettings(Settings, Shell.WindowX, Shell.WindowY);
}

int RunProgram(HINSTANCE instance, const EditionParameters& edition)
{
    AdoptEdition(edition);
    return RunAdoptedProgram(instance);
}

int RunAdoptedProgram(HINSTANCE instance)
{
    cEffect::InitCpu();
    ErrorReport::Instance().Initialize();
    ErrorReport::Instance().SetFlags(kDebugLogFlags);

    // Without its window the program could not be seen, used or ended: no
    // picture, no tray icon, no menu.
    if (const char* failure = CreateMainWindow(instance))
        FatalError(failure, kSourceName, __LINE__);
    Edition().shell.startUp();

    TheApplication.mainWindow = MainWindow.Hwnd();
    TheApplication.Run();

    MainWindow.TaskIcon.Remove();
    SaveSettingsAtExit();
    // The voice plays from memory that goes away with the program's objects.
    StopFrameSound();
    return 0;
}
