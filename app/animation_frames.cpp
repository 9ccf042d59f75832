#include "app/animation_frames.h"

#include "app/wave_image.h"

#include "base/graphics/bitmap.h"
#include "base/graphics/device_context.h"
#include "base/graphics/effect.h"
#include "base/io/pack_file.h"
#include "base/window/window_control.h"

#include <mmsystem.h>

#include <new>
#include <utility>

namespace {

// No desktop is wider or taller than this; a script asking for a larger
// canvas is damaged, and each of its frames would hold a section this large.
constexpr int32_t kLargestCanvasSide = 8192;

bool CanvasSizeAllowed(int32_t width, int32_t height)
{
    return width > 0 && height > 0 && width <= kLargestCanvasSide && height <= kLargestCanvasSide;
}

void FillWithKeyColour(Bitmap& canvas)
{
    if (!canvas.Lock())
        return;
    cEffect fill;
    fill.destination = &canvas.LockView();
    fill.constantColour = Colour(kKeyColour);
    fill.Draw(kEffectFill);
    canvas.Unlock();
}

// The voice that plays now: kept until the next one has started, since the
// system reads it while it plays.
WaveBytes& PlayingWave()
{
    static WaveBytes playing;
    return playing;
}

} // namespace

bool ReadNumberedScript(const uint8_t* data, size_t size, AnimationSlot& slot)
{
    return slot.LoadScript(data, size);
}

void KeepScriptLayout(FrameInfo&, const FrameMedia&)
{
}

void CharacterLoader::LoadSlotScript(CharacterSlot& slot, const std::string& scriptName)
{
    // A character too large for the memory there is does not stop the
    // program: the slot whose load ran out of memory stays empty.
    try {
        LoadSlotParts(slot, scriptName);
    } catch (const std::bad_alloc&) {
        slot = CharacterSlot();
    }
}

void CharacterLoader::LoadSlotParts(CharacterSlot& slot, const std::string& scriptName)
{
    PackFile pack;
    if (!pack.LoadByName(archive_, scriptName, true))
        return;
    if (!form_.readScript(pack.Data(), static_cast<size_t>(pack.LoadedSize()), slot.slot))
        return;
    pack.Release();
    slot.media.clear();
    slot.media.resize(slot.slot.frames.size());
    for (size_t i = 0; i < slot.media.size(); ++i) {
        FrameInfo& frame = slot.slot.frames[i];
        FrameMedia& media = slot.media[i];
        media.wave = LoadVoice(frame.soundName);
        if (frame.aliasIndex == -1)
            ComposeFrame(media, frame);
    }
}

WaveBytes CharacterLoader::LoadVoice(const std::string& name)
{
    if (name.empty() || bytesLeft_ == 0)
        return nullptr;
    PackFile pack;
    if (!pack.LoadByName(archive_, name, true))
        return nullptr;
    const uint8_t* bytes = pack.Data();
    const size_t size = static_cast<size_t>(pack.LoadedSize());
    if (!Spend(size) || !WaveFitsItsBytes(bytes, size))
        return nullptr;
    return std::make_shared<const std::vector<uint8_t>>(bytes, bytes + size);
}

CharacterLoader::CharacterLoader(std::string archive, uint64_t byteBudget, const CharacterForm& form)
    : archive_(std::move(archive)), bytesLeft_(byteBudget),
      pictureBytesLeft_(byteBudget > UINT64_MAX / kDecodedPictureBytesPerBudgetByte
                            ? UINT64_MAX
                            : byteBudget * kDecodedPictureBytesPerBudgetByte),
      form_(form)
{
}

Bitmap& CharacterLoader::Picture(const std::string& name, LastPicture& last)
{
    if (last.loaded && last.name == name)
        return last.picture;
    last.picture.Release();
    last.name = name;
    last.loaded = true;
    // An empty name is no picture: the archive reader would take it for the
    // whole file.
    if (name.empty() || bytesLeft_ == 0)
        return last.picture;
    PackSource source;
    source.path = archive_;
    source.name = name;
    PackFile pack;
    if (!pack.LoadInflated(source))
        return last.picture;
    // Decoding takes from the pictures' own allowance, whatever the bytes
    // turn out to hold; once it is spent, loading ends as if the budget
    // were.
    const uint64_t bytes = static_cast<uint64_t>(pack.LoadedSize());
    if (bytes > pictureBytesLeft_) {
        pictureBytesLeft_ = 0;
        bytesLeft_ = 0;
        return last.picture;
    }
    pictureBytesLeft_ -= bytes;
    // Held only until another picture replaces it, it takes nothing from
    // the budget; but with the other picture held beside it, it must fit
    // in what the budget has left.
    const LastPicture& other = &last == &lastImage_ ? lastMask_ : lastImage_;
    if (!Fits(bytes + other.picture.BlockSize()))
        return last.picture;
    last.picture.Attach(pack.Take().Release(), static_cast<size_t>(bytes));
    return last.picture;
}

bool CharacterLoader::Fits(uint64_t bytes)
{
    if (bytes > bytesLeft_) {
        bytesLeft_ = 0;
        return false;
    }
    return true;
}

bool CharacterLoader::Spend(uint64_t bytes)
{
    if (!Fits(bytes))
        return false;
    bytesLeft_ -= bytes;
    return true;
}

void CharacterLoader::ComposeFrame(FrameMedia& media, FrameInfo& frame)
{
    if (framesLeft_ == 0)
        return;
    Bitmap& image = Picture(frame.imageName, lastImage_);
    if (image.HasImage()) {
        media.imageWidth = image.Width();
        media.imageHeight = image.Height();
    }
    Bitmap& mask = Picture(frame.maskName, lastMask_);
    if (mask.HasImage()) {
        media.maskWidth = mask.Width();
        media.maskHeight = mask.Height();
    }
    form_.arrangeFrame(frame, media);
    // Each frame keeps a section of its own as large as the canvas.
    if (!CanvasSizeAllowed(frame.canvasWidth, frame.canvasHeight) ||
        !Spend(4 * static_cast<uint64_t>(frame.canvasWidth) * static_cast<uint64_t>(frame.canvasHeight)))
        return;
    // The frames of a character share one canvas size, so one canvas serves
    // them all; each frame is copied out of it into its own section.
    if (canvas_.Width() != frame.canvasWidth || canvas_.Height() != frame.canvasHeight || !canvas_.HasImage()) {
        if (!canvas_.Create(frame.canvasWidth, frame.canvasHeight, 32, 256))
            return;
    }
    FillWithKeyColour(canvas_);
    // The image covers the mask where they overlap. A picture that is
    // missing or not 32 bits per pixel draws nothing.
    if (mask.HasImage())
        canvas_.Blit(&mask, frame.maskX, frame.maskY);
    if (image.HasImage())
        canvas_.Blit(&image, frame.imageX, frame.imageY);
    if (media.surface.Build(canvas_)) {
        Region shape;
        media.surface.Image().BuildRegion(kKeyColour, shape);
        media.region = shapes_.Share(std::move(shape));
        --framesLeft_;
    }
}

void LoadSlotScript(CharacterSlot& slot, const std::string& archive, const std::string& scriptName)
{
    CharacterLoader(archive).LoadSlotScript(slot, scriptName);
}

void PlayFrameSound(const FrameMedia& media)
{
    if (!media.wave || media.wave->empty())
        return;
    const WaveBytes next = media.wave;
    ::PlaySoundA(reinterpret_cast<LPCSTR>(next->data()), nullptr, SND_ASYNC | SND_MEMORY);
    // The previous voice's bytes go only now that the system has let go.
    PlayingWave() = next;
}

void StopFrameSound()
{
    ::PlaySoundA(nullptr, nullptr, 0);
    PlayingWave().reset();
}

namespace {

// Gives the window the frame's shape unless it has it. Only a shape the
// window took is recorded: one that could not be made or given (no GDI
// handle left, say) is tried again at the next show.
void ShapeWindow(const FrameMedia& media, HWND window, FrameOnWindow& shown)
{
    if (shown.shaped && shown.shape == media.region.get())
        return;
    // A frame without a shape of its own shows nothing: an empty region,
    // not none, which would show the whole window.
    Region shape;
    const bool made = shape.CreateRect(0, 0, 0, 0) && (media.region == nullptr || shape.Copy(*media.region) != ERROR);
    // The system owns the region once it takes it.
    HRGN handle = made ? shape.Detach() : nullptr;
    if (handle == nullptr)
        return;
    if (!::SetWindowRgn(window, handle, TRUE)) {
        ::DeleteObject(handle);
        return;
    }
    shown.shaped = true;
    shown.shape = media.region.get();
}

// Puts the window at (x, y) with the frame's canvas size unless it stands
// so; true when it moved.
bool PlaceWindow(const FrameInfo& frame, HWND window, int32_t x, int32_t y)
{
    RECT placed = {};
    ::GetWindowRect(window, &placed);
    if (placed.left == x && placed.top == y && placed.right - placed.left == frame.canvasWidth &&
        placed.bottom - placed.top == frame.canvasHeight)
        return false;
    ::MoveWindow(window, x, y, frame.canvasWidth, frame.canvasHeight, TRUE);
    return true;
}

bool CopyCanvas(FrameMedia& media, HDC target)
{
    return DeviceContext(target).BitBlt(media.surface.Context(), 0, 0, media.surface.Image().ImageRect());
}

} // namespace

void ApplyFrameToWindow(FrameMedia& media, const FrameInfo& frame, WindowControl& window, int32_t x, int32_t y,
                        FrameOnWindow& shown)
{
    HWND hwnd = window.Hwnd();
    if (hwnd == nullptr)
        return;
    if (shown.window != hwnd)
        shown = FrameOnWindow{hwnd};
    ShapeWindow(media, hwnd, shown);
    const bool moved = PlaceWindow(frame, hwnd, x, y);
    if (shown.picture == &media && shown.copied && !moved)
        return;
    shown.picture = &media;
    shown.copied = false;
    if (!media.surface.IsBuilt())
        return;
    if (window.DC.Begin(false)) {
        shown.copied = CopyCanvas(media, window.DC.Hdc());
        window.DC.End();
    }
    if (!shown.copied) {
        // The window still shows what it showed before: painting will copy
        // the frame, or the next show of it will.
        ::InvalidateRect(hwnd, nullptr, FALSE);
        return;
    }
    // The whole picture is there now: what the new shape or place asked to
    // be painted needs no second copy.
    ::ValidateRect(hwnd, nullptr);
}

namespace {

// Whether the record names a frame with a picture for that window, copied
// there or not.
bool HasPictureFor(const WindowControl& window, const FrameOnWindow& shown)
{
    return window.Hwnd() != nullptr && shown.window == window.Hwnd() && shown.picture != nullptr &&
           shown.picture->surface.IsBuilt();
}

} // namespace

void PaintShownFrame(WindowControl& window, FrameOnWindow& shown)
{
    HWND hwnd = window.Hwnd();
    if (hwnd == nullptr)
        return;
    if (!window.DC.Begin(true)) {
        // Nothing can be painted now; asking again at once would repeat.
        // What the window shows is unknown: the next show of the frame
        // copies it.
        ::ValidateRect(hwnd, nullptr);
        shown.copied = false;
        return;
    }
    // A copy that fails leaves that part as it was. Asking for painting
    // again would repeat at once as well: the next show of the frame copies
    // it. One that succeeds may have covered only a part of the window, so
    // it does not make the record say the whole picture is there.
    if (HasPictureFor(window, shown) && !CopyCanvas(*shown.picture, window.DC.Hdc()))
        shown.copied = false;
    window.DC.End();
}

bool ShowsPicture(const WindowControl& window, const FrameOnWindow& shown)
{
    return HasPictureFor(window, shown) && shown.copied;
}
