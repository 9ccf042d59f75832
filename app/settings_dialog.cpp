#include "app/settings_dialog.h"

#include "app/edition.h"
#include "app/shell.h"
#include "base/window/button.h"
#include "base/window/date_time_picker.h"
#include "base/window/edit_box.h"

namespace {

// Control ids of the dialog template.
enum SettingsControlId : int {
    kUserBox = 1003,
    kPasswordBox = 1004,
    kAlarmTimePicker = 1006,
    kKeepOnTopBox = 1009,
    kAlarmOnBox = 1011,
    kServerBox = 1012,
    kPortBox = 1013,
    kMailCheckBox = 1014,
    kReportErrorsBox = 1015,
    kAllVoicesButton = 1016, // then 1017 and 1018 for the voice modes 1 and 2
};

constexpr int kVoiceModeCount = 3;

// One set of wrappers serves every opening of the dialog; each opening binds
// them to its own controls.
struct SettingsControls {
    Button keepOnTop;
    Button voiceModes[kVoiceModeCount];
    Button alarmOn;
    Button mailCheckOn;
    Button reportErrors;
    DateTimePicker alarmTime;
    EditBox user;
    EditBox password;
    EditBox server;
    EditBox port;
    // The "always on top" box as it was when the dialog closed.
    bool topmostAfterClose = false;
};

SettingsControls& Controls()
{
    static SettingsControls controls;
    return controls;
}

void Fill(HWND dialog, SettingsControls& controls, const SettingsRecord& record)
{
    controls.keepOnTop.Handle.AttachDlgItem(dialog, kKeepOnTopBox);
    controls.keepOnTop.Check.Set(record.keepOnTop);
    for (int mode = 0; mode < kVoiceModeCount; ++mode) {
        controls.voiceModes[mode].Handle.AttachDlgItem(dialog, kAllVoicesButton + mode);
        controls.voiceModes[mode].Check.Set(record.VoiceMode == mode);
    }
    controls.alarmOn.Handle.AttachDlgItem(dialog, kAlarmOnBox);
    controls.alarmOn.Check.Set(record.alarmOn);
    controls.mailCheckOn.Handle.AttachDlgItem(dialog, kMailCheckBox);
    controls.mailCheckOn.Check.Set(record.mailCheckOn);
    controls.reportErrors.Handle.AttachDlgItem(dialog, kReportErrorsBox);
    controls.reportErrors.Check.Set(record.reportConnectionErrors);
    controls.alarmTime.Handle.AttachDlgItem(dialog, kAlarmTimePicker);
    controls.alarmTime.Current.Set(record.alarmTime);
    controls.alarmTime.Format.Set("HH:mm");
    controls.user.Handle.AttachDlgItem(dialog, kUserBox);
    controls.user.Text.Set(record.user.c_str());
    controls.password.Handle.AttachDlgItem(dialog, kPasswordBox);
    controls.password.Text.Set(record.password.c_str());
    controls.server.Handle.AttachDlgItem(dialog, kServerBox);
    controls.server.Text.Set(record.server.c_str());
    controls.port.Handle.AttachDlgItem(dialog, kPortBox);
    controls.port.Text.Format("%d", static_cast<int>(record.port));
}

int32_t CheckedVoiceMode(SettingsControls& controls)
{
    for (int mode = 0; mode < kVoiceModeCount - 1; ++mode) {
        if (controls.voiceModes[mode].Check.Get())
            return mode;
    }
    return kVoiceModeCount - 1;
}

void Store(SettingsControls& controls, SettingsRecord& record)
{
    const SYSTEMTIME alarm = controls.alarmTime.Current.Get();
    // A changed alarm time may fire again.
    if (alarm.wHour != record.alarmTime.wHour || alarm.wMinute != record.alarmTime.wMinute)
        record.alarmFired = false;
    record.keepOnTop = controls.keepOnTop.Check.Get();
    record.VoiceMode = CheckedVoiceMode(controls);
    record.alarmOn = controls.alarmOn.Check.Get();
    record.mailCheckOn = controls.mailCheckOn.Check.Get();
    record.reportConnectionErrors = controls.reportErrors.Check.Get();
    record.alarmTime = alarm;
    record.user = controls.user.Text.Get();
    record.password = controls.password.Text.Get();
    record.server = controls.server.Text.Get();
    record.port = controls.port.Text.ToInt();
}

void Closed(HWND dialog, SettingsControls& controls)
{
    controls.topmostAfterClose = controls.keepOnTop.Check.Get();
    const EditionParameters& edition = Edition();
    MainWindow.Timer.Set(edition.shell.dialogCloseTimer(Shell, edition.behaviour));
    if (TheApplication.modelessDialogs[0] == dialog)
        TheApplication.modelessDialogs[0] = nullptr;
}

} // namespace

void OpenSettingsDialog()
{
    HWND open = TheApplication.modelessDialogs[0];
    if (open != nullptr && ::IsWindow(open)) {
        ::SetForegroundWindow(open);
        return;
    }
    // The wrappers exist before the dialog does: the picker's window class
    // is registered by its wrapper and must be there when the template's
    // controls are made.
    Controls();
    HWND dialog = TheApplication.ModelessDialog(kSettingsDialogId, SettingsDialogProc);
    TheApplication.modelessDialogs[0] = dialog;
    if (dialog != nullptr)
        ::ShowWindow(dialog, SW_SHOW);
}

INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    SettingsControls& controls = Controls();
    switch (message) {
    case WM_INITDIALOG:
        MainWindow.ZOrder.Set(HWND_NOTOPMOST);
        MainWindow.Timer.Set(0);
        Fill(dialog, controls, Settings);
        return TRUE;
    case WM_COMMAND:
        if (wParam == IDOK) {
            Store(controls, Settings);
            ::DestroyWindow(dialog);
        } else if (wParam == IDCANCEL) {
            ::DestroyWindow(dialog);
        }
        return TRUE;
    case WM_DESTROY:
        Closed(dialog, controls);
        return TRUE;
    case WM_NCDESTROY:
        // The main window owns the dialog, and an owner does not become
        // topmost while a window it owns still exists; so the z-order is
        // put back once the dialog's window is gone.
        if (controls.topmostAfterClose)
            MainWindow.ZOrder.Set(HWND_TOPMOST);
        return FALSE;
    default:
        return FALSE;
    }
}

uint32_t NormalDialogTimer(const ShellState&, const BehaviourParameters& behaviour)
{
    return behaviour.normalTimerMs;
}
