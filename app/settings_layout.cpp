#include "app/settings_layout.h"

#include "base/util/byte_reader.h"
#include "base/util/byte_writer.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace {

// The fixed fields, in file order.
constexpr size_t kWindowXOffset = 0;
constexpr size_t kWindowYOffset = 4;
constexpr size_t kKeepOnTopOffset = 8;
constexpr size_t kVoiceModeOffset = 9;  // not aligned
constexpr size_t kAlarmOnOffset = 13;
constexpr size_t kAlarmFiredOffset = 14;
constexpr size_t kMailCheckOnOffset = 15;
constexpr size_t kReportErrorsOffset = 16;
constexpr size_t kReservedOffset = 17;
constexpr size_t kAlarmTimeOffset = 33;  // eight u16 in SYSTEMTIME order
constexpr size_t kPortOffset = 49;
constexpr size_t kLengthWordSize = 4;

// Code page 932 is fixed here rather than the process's code page: the
// file's strings are Shift-JIS whatever system reads them.
constexpr UINT kFileCodePage = 932;

SettingsStringPlace PlaceOne(uint32_t offset, const SettingsStringOffsets& all)
{
    uint64_t next = kSettingsFileSize;
    for (uint32_t other : {all.server, all.user, all.password}) {
        if (other > offset && other < next)
            next = other;
    }
    const uint64_t dataStart = uint64_t{offset} + kLengthWordSize;
    return {offset, next > dataStart ? static_cast<size_t>(next - dataStart) : 0};
}

// The longest start of text that fits room bytes without splitting a
// double-byte character.
size_t CutToRoom(const std::string& text, size_t room)
{
    size_t length = 0;
    while (length < text.size()) {
        const bool pair = length + 1 < text.size() &&
                          IsDBCSLeadByteEx(kFileCodePage, static_cast<BYTE>(text[length]));
        const size_t step = pair ? 2 : 1;
        if (step > room - length)
            break;
        length += step;
    }
    return length;
}

class BlockWriter {
public:
    explicit BlockWriter(std::vector<uint8_t>& block) : block_(block) {}

    void I32(size_t offset, int32_t value) { StoreI32LE(block_.data() + offset, value); }
    void U16(size_t offset, uint16_t value) { StoreU16LE(block_.data() + offset, value); }
    void Flag(size_t offset, bool value) { block_[offset] = value ? 1 : 0; }
    void Bytes(size_t offset, const void* bytes, size_t count)
    {
        if (count != 0)
            std::memcpy(block_.data() + offset, bytes, count);
    }
    void String(const SettingsStringPlace& place, const std::string& text)
    {
        if (place.lengthOffset > block_.size() || block_.size() - place.lengthOffset < kLengthWordSize)
            return;
        const size_t length = CutToRoom(text, place.room);
        I32(place.lengthOffset, static_cast<int32_t>(length));
        Bytes(place.lengthOffset + kLengthWordSize, text.data(), length);
    }

private:
    std::vector<uint8_t>& block_;
};

void TakeFlag(ByteReader& reader, size_t offset, bool& field)
{
    uint8_t value = 0;
    if (reader.U8At(offset, value))
        field = value != 0;
}

void TakeI32(ByteReader& reader, size_t offset, int32_t& field)
{
    int32_t value = 0;
    if (reader.I32LEAt(offset, value))
        field = value;
}

void TakeAlarmTime(ByteReader& reader, SYSTEMTIME& field)
{
    uint16_t parts[8] = {};
    for (size_t i = 0; i < 8; ++i) {
        if (!reader.U16LEAt(kAlarmTimeOffset + 2 * i, parts[i]))
            return;
    }
    field = SYSTEMTIME{parts[0], parts[1], parts[2], parts[3], parts[4], parts[5], parts[6], parts[7]};
}

// The length is checked against the room and the block before anything is
// allocated, so a damaged length word costs nothing.
std::string TakeString(ByteReader& reader, const SettingsStringPlace& place)
{
    int32_t length = 0;
    if (!reader.I32LEAt(place.lengthOffset, length) || length < 0 ||
        static_cast<uint64_t>(length) > place.room)
        return std::string();
    const uint8_t* bytes = nullptr;
    if (!reader.Seek(place.lengthOffset + kLengthWordSize) || !reader.View(static_cast<size_t>(length), bytes))
        return std::string();
    return std::string(reinterpret_cast<const char*>(bytes), static_cast<size_t>(length));
}

}  // namespace

SettingsStringPlaces PlaceSettingsStrings(const SettingsStringOffsets& offsets)
{
    return {PlaceOne(offsets.server, offsets), PlaceOne(offsets.user, offsets),
            PlaceOne(offsets.password, offsets)};
}

std::vector<uint8_t> EncodeSettings(const SettingsRecord& record, int32_t windowX, int32_t windowY,
                                    const SettingsStringOffsets& offsets, const SettingsFiller& filler)
{
    std::vector<uint8_t> block(kSettingsFileSize);
    for (uint8_t& byte : block)
        byte = static_cast<uint8_t>(filler() & 0xFF);

    BlockWriter out(block);
    out.I32(kWindowXOffset, windowX);
    out.I32(kWindowYOffset, windowY);
    out.Flag(kKeepOnTopOffset, record.keepOnTop);
    out.I32(kVoiceModeOffset, record.VoiceMode);
    out.Flag(kAlarmOnOffset, record.alarmOn);
    out.Flag(kAlarmFiredOffset, record.alarmFired);
    out.Flag(kMailCheckOnOffset, record.mailCheckOn);
    out.Flag(kReportErrorsOffset, record.reportConnectionErrors);
    out.Bytes(kReservedOffset, record.reserved.data(), record.reserved.size());
    const SYSTEMTIME& t = record.alarmTime;
    const uint16_t alarmParts[8] = {t.wYear, t.wMonth, t.wDayOfWeek, t.wDay,
                                    t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
    for (size_t i = 0; i < 8; ++i)
        out.U16(kAlarmTimeOffset + 2 * i, alarmParts[i]);
    out.I32(kPortOffset, record.port);

    const SettingsStringPlaces places = PlaceSettingsStrings(offsets);
    out.String(places.server, record.server);
    out.String(places.user, record.user);
    out.String(places.password, record.password);
    return block;
}

void DecodeSettings(const uint8_t* data, size_t size, const SettingsStringOffsets& offsets,
                    SettingsRecord& record, int32_t& windowX, int32_t& windowY)
{
    ByteReader reader(data, size);
    TakeI32(reader, kWindowXOffset, windowX);
    TakeI32(reader, kWindowYOffset, windowY);
    TakeFlag(reader, kKeepOnTopOffset, record.keepOnTop);
    TakeI32(reader, kVoiceModeOffset, record.VoiceMode);
    TakeFlag(reader, kAlarmOnOffset, record.alarmOn);
    TakeFlag(reader, kAlarmFiredOffset, record.alarmFired);
    TakeFlag(reader, kMailCheckOnOffset, record.mailCheckOn);
    TakeFlag(reader, kReportErrorsOffset, record.reportConnectionErrors);
    std::array<uint8_t, 16> reserved{};
    if (reader.BytesAt(kReservedOffset, reserved.data(), reserved.size()))
        record.reserved = reserved;
    TakeAlarmTime(reader, record.alarmTime);
    TakeI32(reader, kPortOffset, record.port);

    const SettingsStringPlaces places = PlaceSettingsStrings(offsets);
    record.server = TakeString(reader, places.server);
    record.user = TakeString(reader, places.user);
    record.password = TakeString(reader, places.password);
}
