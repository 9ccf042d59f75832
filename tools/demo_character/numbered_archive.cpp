#include "tools/demo_character/numbered_archive.h"

#include "app/animation_script.h"
#include "app/program.h"
#include "tools/demo_character/archive_content.h"
#include "tools/demo_character/frame_pictures.h"
#include "tools/demo_character/media_files.h"
#include "tools/demo_character/voices.h"

#include <string>

namespace {

struct Canvas {
    int width;
    int height;
    bool Holds(const Raster& picture) const
    {
        return picture.Left() >= 0 && picture.Top() >= 0 && picture.Left() + picture.Width() <= width &&
               picture.Top() + picture.Height() <= height;
    }
};

class NumberedArchive {
public:
    NumberedArchive(const EditionParameters& edition, const CharacterDesign& design)
        : edition_(edition), design_(design),
          canvas_{2 * edition.behaviour.originOffsetX, 2 * edition.behaviour.originOffsetY},
          marker_(DemoMarkerOn(design.markerClip.place, canvas_.width))
    {
    }

    bool AddSlot(int slot, const SlotPlan& plan, std::string& error)
    {
        AnimationScript script;
        script.version = 3;
        script.width = canvas_.width;
        script.height = canvas_.height;
        script.voiceFlag = plan.voiceFlag ? 1 : 0;
        for (size_t index = 0; index < plan.frames.size(); ++index) {
            const FramePlan& framePlan = plan.frames[index];
            size_t owner = index;
            if (!PictureOwner(plan, slot, index, owner, error))
                return false;
            ScriptFrame frame;
            if (!AddPictures(slot, static_cast<int>(owner), plan.frames[owner], plan.clockHour, frame, error))
                return false;
            frame.durationMs = framePlan.ms;
            AddVoice(framePlan.voice, frame);
            script.frames.push_back(frame);
        }
        const std::vector<uint8_t> bytes = EncodeAnimationScript(script);
        content_.Add(ScriptName(edition_.shell.scriptPattern, slot), std::string(bytes.begin(), bytes.end()));
        return true;
    }

    bool Take(std::vector<ArchiveItem>& items, std::string& error) { return content_.Take(items, error); }

private:
    bool OnCanvas(const Raster& picture, const std::string& name, std::string& error) const
    {
        if (canvas_.Holds(picture))
            return true;
        error = name + " does not lie on the canvas";
        return false;
    }

    // The frame's image and backdrop, drawn for the frame 'owner' whose
    // pictures it shows.
    bool AddPictures(int slot, int owner, const FramePlan& drawn, int hour, ScriptFrame& frame, std::string& error)
    {
        frame.imageName = PictureName(design_, slot, owner);
        if (!content_.Has(frame.imageName + ".bmz")) {
            const Raster picture = DrawFramePicture(design_, drawn, marker_, slot, owner);
            if (!OnCanvas(picture, frame.imageName, error))
                return false;
            content_.Add(frame.imageName + ".bmz", EncodeBmp32(picture));
        }
        PictureCorner(design_, marker_, frame.imageX, frame.imageY);
        if (drawn.backdrop == Backdrop::None)
            return true;
        const Raster backdrop = DrawBackdrop(design_, drawn.backdrop, hour);
        frame.maskName = BackdropName(design_, drawn.backdrop, hour);
        frame.maskX = backdrop.Left();
        frame.maskY = backdrop.Top();
        if (!OnCanvas(backdrop, frame.maskName, error))
            return false;
        if (!content_.Has(frame.maskName + ".bmz"))
            content_.Add(frame.maskName + ".bmz", EncodeBmp32(backdrop));
        return true;
    }

    void AddVoice(Voice voice, ScriptFrame& frame)
    {
        if (voice == Voice::None)
            return;
        frame.soundName = std::string(design_.entryPrefix) + "_" + VoiceWord(voice);
        if (!content_.Has(frame.soundName + ".wav"))
            content_.Add(frame.soundName + ".wav", EncodeWave(SynthesiseVoice(VoiceTones(voice, design_.voicePitch)), kVoiceSampleRate));
    }

    const EditionParameters& edition_;
    const CharacterDesign& design_;
    const Canvas canvas_;
    const DemoMarkerBox marker_;
    ArchiveContent content_;
};

} // namespace

bool BuildNumberedArchive(const EditionParameters& edition, const CharacterDesign& design, const std::vector<SlotPlan>& slots,
                          std::vector<ArchiveItem>& items, std::string& error)
{
    if (static_cast<int32_t>(slots.size()) != edition.shell.slotCount) {
        error = "the character has " + std::to_string(slots.size()) + " actions, the edition " +
                std::to_string(edition.shell.slotCount) + " slots";
        return false;
    }
    NumberedArchive archive(edition, design);
    for (size_t slot = 0; slot < slots.size(); ++slot) {
        if (!archive.AddSlot(static_cast<int>(slot), slots[slot], error))
            return false;
    }
    return archive.Take(items, error);
}
