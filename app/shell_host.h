#pragma once

#include "app/animation_frames.h"
#include "app/behaviour_host.h"
#include "app/random_picker.h"
#include "app/settings_record.h"
#include "app/shell_parameters.h"
#include "app/shell_state.h"

#include <cstdint>
#include <vector>

class DisplaySettings;
class WindowControl;

// The behaviour engine's view of the running program: the system's clocks,
// cursor and mailbox, the settings record, the animation slots and the main
// window.
class ShellHost : public BehaviourHost {
public:
    ShellHost(std::vector<CharacterSlot>& slots, SettingsRecord& settings, ShellState& state, WindowControl& window,
              DisplaySettings& display);

    // The edition's seed and form for the pickers (pickers drawn from
    // before are forgotten) and its placement of the window for each frame.
    void Adopt(PickerSeedFunction seed, PickerForm form, FramePlacementFunction placement);

    uint32_t Milliseconds() override;
    SYSTEMTIME LocalTime() override;
    POINT CursorPosition() override;
    int32_t Draw(int32_t picker, int32_t min, int32_t max) override;
    int32_t CheckMail(int32_t& mailboxSize) override;
    BehaviourSettings Settings() override;
    void MarkAlarmFired() override;

    // A slot number outside the table changes nothing.
    void UpdateSlot(int32_t slot) override;
    bool AdvanceSlot(int32_t slot) override;
    void RestartSlot(int32_t slot, bool rearmSounds) override;
    SlotPlayback Playback(int32_t slot) override;

    // The desktop width of the last display capture.
    int32_t ScreenWidth() override;
    void DebugText(const char* text) override;

    void SetTimerPeriod(uint32_t milliseconds) override;
    void ShowWindow() override;
    void PostMailError(uint32_t code) override;

    // Paints the frame on screen into the main window (WM_PAINT).
    void PaintWindow();
    // Whether the main window shows a frame's picture, which covers it.
    bool PictureCoversWindow() const;

private:
    CharacterSlot* SlotAt(int32_t slot);

    std::vector<CharacterSlot>& slots_;
    SettingsRecord& settings_;
    ShellState& state_;
    WindowControl& window_;
    DisplaySettings& display_;
    PickerSet pickers_;
    FramePlacementFunction placement_ = PlaceAtWindowPosition;
    FrameOnWindow shown_;
};
