#include "app/shell_host.h"

#include "app/mail_check.h"
#include "base/diag/debug_output.h"
#include "base/util/time_wrappers.h"
#include "base/window/display_settings.h"
#include "base/window/window_control.h"

#include <mmsystem.h>

ShellHost::ShellHost(std::vector<CharacterSlot>& slots, SettingsRecord& settings, ShellState& state,
                     WindowControl& window, DisplaySettings& display)
    : slots_(slots), settings_(settings), state_(state), window_(window), display_(display), pickers_(nullptr)
{
}

POINT PlaceAtWindowPosition(const FramePlacement& shown)
{
    return POINT{shown.state.WindowX, shown.state.WindowY};
}

void ShellHost::Adopt(PickerSeedFunction seed, PickerForm form, FramePlacementFunction placement)
{
    pickers_ = PickerSet(seed, form);
    placement_ = placement;
    shown_ = FrameOnWindow();
}

uint32_t ShellHost::Milliseconds()
{
    return ::timeGetTime();
}

SYSTEMTIME ShellHost::LocalTime()
{
    SystemTime now;
    now.LocalNow();
    return now.Value();
}

POINT ShellHost::CursorPosition()
{
    POINT cursor = {};
    ::GetCursorPos(&cursor);
    return cursor;
}

int32_t ShellHost::Draw(int32_t picker, int32_t min, int32_t max)
{
    return pickers_.Draw(picker, min, max);
}

int32_t ShellHost::CheckMail(int32_t& mailboxSize)
{
    int size = 0;
    const int count = ::CheckMail(settings_, &size);
    if (count >= 0)
        mailboxSize = size;
    return count;
}

BehaviourSettings ShellHost::Settings()
{
    BehaviourSettings settings;
    settings.alarmOn = settings_.alarmOn;
    settings.alarmFired = settings_.alarmFired;
    settings.mailCheckOn = settings_.mailCheckOn;
    settings.reportConnectionErrors = settings_.reportConnectionErrors;
    settings.alarmHour = settings_.alarmTime.wHour;
    settings.alarmMinute = settings_.alarmTime.wMinute;
    return settings;
}

void ShellHost::MarkAlarmFired()
{
    settings_.alarmFired = true;
}

CharacterSlot* ShellHost::SlotAt(int32_t slot)
{
    if (slot < 0 || static_cast<size_t>(slot) >= slots_.size())
        return nullptr;
    return &slots_[static_cast<size_t>(slot)];
}

void ShellHost::UpdateSlot(int32_t slot)
{
    CharacterSlot* character = SlotAt(slot);
    if (character == nullptr)
        return;
    const SlotUpdate update = character->slot.BeginUpdate(settings_.VoiceMode);
    std::vector<FrameMedia>& media = character->media;
    if (update.soundFrame >= 0 && static_cast<size_t>(update.soundFrame) < media.size())
        PlayFrameSound(media[static_cast<size_t>(update.soundFrame)]);
    if (update.pictureFrame >= 0 && static_cast<size_t>(update.pictureFrame) < media.size()) {
        const size_t frame = static_cast<size_t>(update.pictureFrame);
        const FrameInfo& info = character->slot.frames[frame];
        const POINT at = placement_(FramePlacement{state_, slot, info, media[frame], window_.Hwnd()});
        ApplyFrameToWindow(media[frame], info, window_, at.x, at.y, shown_);
    }
}

bool ShellHost::AdvanceSlot(int32_t slot)
{
    CharacterSlot* character = SlotAt(slot);
    return character != nullptr && character->slot.Advance(*this);
}

void ShellHost::RestartSlot(int32_t slot, bool rearmSounds)
{
    CharacterSlot* character = SlotAt(slot);
    if (character != nullptr)
        character->slot.Restart(*this, rearmSounds);
}

SlotPlayback ShellHost::Playback(int32_t slot)
{
    const CharacterSlot* character = SlotAt(slot);
    if (character == nullptr || character->slot.frames.empty())
        return SlotPlayback{0, 0, 0, false};
    const AnimationSlot& playing = character->slot;
    return SlotPlayback{playing.current, playing.elapsed, static_cast<int32_t>(playing.frames.size()),
                        playing.frameTimeUp};
}

int32_t ShellHost::ScreenWidth()
{
    return display_.width;
}

void ShellHost::DebugText(const char* text)
{
    DebugPrintf("%s", text);
}

void ShellHost::SetTimerPeriod(uint32_t milliseconds)
{
    window_.Timer.Set(milliseconds);
}

void ShellHost::ShowWindow()
{
    window_.Visible.Set(true);
}

void ShellHost::PostMailError(uint32_t code)
{
    window_.PostMessage(WM_USER, code, 0);
}

void ShellHost::PaintWindow()
{
    PaintShownFrame(window_, shown_);
}

bool ShellHost::PictureCoversWindow() const
{
    return ShowsPicture(window_, shown_);
}
