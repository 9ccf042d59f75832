#pragma once

#include <windows.h>

#include <cstdint>

// The program's one application object: its main window class, the message
// loop that serves modeless dialogs and accelerator tables, and the block of
// the task-switch keys. The program fills the public tables below; the loop
// reads them at every message.
class Application {
public:
    static constexpr int kModelessSlots = 16;
    static constexpr int kDialogVariables = 2;
    static constexpr int kAcceleratorSlots = 16;

    // The main window class, filled by InitClass and SetClassLook.
    WNDCLASSEXA classRecord;
    // The message that the loop reads into and passes on.
    MSG message;
    // Modeless dialogs served through IsDialogMessageA, slot 0 first. A
    // caller stores a dialog's handle when it opens it and clears it when
    // the dialog ends.
    HWND modelessDialogs[kModelessSlots];
    // The main window: owner of the dialogs made here.
    HWND mainWindow;
    // Variables (owned elsewhere) that hold dialog handles; the loop reads
    // the variable behind each pointer at every message.
    HWND* dialogVariables[kDialogVariables];
    // Accelerator pairs: table i is translated for window i.
    HWND acceleratorWindows[kAcceleratorSlots];
    HACCEL acceleratorTables[kAcceleratorSlots];
    // With idleMode set, Run calls idleCallback whenever the queue is empty.
    bool idleMode;
    void (*idleCallback)();

    Application();
    // Deletes the background brush.
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The name is kept as a pointer, not copied.
    void InitClass(UINT style, WNDPROC procedure, HINSTANCE instance, const char* className);
    // Background: a colour below 0x1000000 makes a solid brush of it; a
    // colour with a top byte names the stock object (colour & 0xFFFFFF),
    // such as NULL_BRUSH. The menu is a resource id of the instance.
    void SetClassLook(COLORREF colour, uint32_t menuId, HCURSOR cursor, HICON icon, HICON smallIcon);
    bool RegisterClass();

    // Resources of the class's instance; NULL when missing.
    HMENU LoadMenu(uint32_t id) const;
    HACCEL LoadAccelerators(uint32_t id) const;
    HICON LoadIcon(uint32_t id) const;
    HCURSOR LoadCursor(uint32_t id) const;
    HBITMAP LoadBitmap(uint32_t id) const;

    // Dialogs from the instance's templates, owned by the main window.
    // -1 (modal) or NULL (modeless) when no main window is recorded. A
    // modeless dialog is not put into a slot here.
    INT_PTR ModalDialog(uint32_t templateId, DLGPROC procedure);
    HWND ModelessDialog(uint32_t templateId, DLGPROC procedure);

    HINSTANCE Instance() const { return classRecord.hInstance; }
    bool IsNt() const { return isNt_; }
    bool KeysBlocked() const { return keysBlocked_; }

    // Blocks (release false) or frees (release true) the task-switch keys:
    // Alt+Tab, Ctrl+Esc, Shift+Esc, Alt+Esc and the Windows keys. True when
    // the state changed.
    bool SetSystemKeys(bool release);

    // The message loop; returns on WM_QUIT. Frees blocked keys at the end.
    void Run();

private:
    // One message through the dialogs, the accelerators, or translation
    // and dispatch.
    void Handle();
    bool DialogPass();
    bool AcceleratorPass();

    HBRUSH background_;
    bool keysBlocked_;
    BOOL previousScreenSaver_;
    bool isNt_;
};

// The low-level keyboard hook that swallows the blocked keys.
LRESULT CALLBACK SystemKeyHook(int code, WPARAM wParam, LPARAM lParam);
