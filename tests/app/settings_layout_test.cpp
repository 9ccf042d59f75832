#include "app/settings_layout.h"
#include "editions/quenna/quenna_edition.h"

#include "base/util/byte_writer.h"
#include "tests/app/settings_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

const SettingsStringOffsets kQuenna = QuennaEdition().settings.stringOffsets;

// The filler byte drawn for offset o when draw k gives k * 7 + 3.
uint8_t CountingFillerByte(size_t offset)
{
    return static_cast<uint8_t>(offset * 7 + 3);
}

std::vector<uint8_t> EncodeWithRand(const SettingsRecord& record, int32_t x, int32_t y)
{
    return EncodeSettings(record, x, y, kQuenna, [] { return std::rand(); });
}

struct Decoded {
    SettingsRecord record;
    int32_t x = 111;
    int32_t y = 222;
};

Decoded Decode(const std::vector<uint8_t>& block, const SettingsStringOffsets& offsets = kQuenna)
{
    Decoded decoded;
    DecodeSettings(block.data(), block.size(), offsets, decoded.record, decoded.x, decoded.y);
    return decoded;
}

void PutI32(std::vector<uint8_t>& block, size_t offset, int32_t value)
{
    StoreI32LE(block.data() + offset, value);
}

TEST(SettingsLayout, PutsEveryFieldAtItsOffsetOverFillerDrawnInFileOrder)
{
    SettingsRecord record;
    record.keepOnTop = true;
    record.VoiceMode = 0x0A0B0C0D;
    record.alarmOn = true;
    record.alarmFired = false;
    record.mailCheckOn = true;
    record.reportConnectionErrors = false;
    for (size_t i = 0; i < record.reserved.size(); ++i)
        record.reserved[i] = static_cast<uint8_t>(0x80 + i);
    record.alarmTime = SYSTEMTIME{2024, 12, 2, 31, 23, 59, 58, 999};
    record.port = 0x0001006E;
    record.password = "p@ss";
    record.server = "";
    record.user = "ユーザー";

    struct Field {
        size_t offset;
        const char* bytes;
    };
    const Field fields[] = {
        {0, "FE FF FF FF"},              // window x, -2
        {4, "04 03 02 01"},              // window y
        {8, "01"},                       // keep on top
        {9, "0D 0C 0B 0A"},              // voice mode, unaligned
        {13, "01"},                      // alarm on
        {14, "00"},                      // alarm fired
        {15, "01"},                      // mail check on
        {16, "00"},                      // report connection errors
        {17, "80 81 82 83 84 85 86 87 88 89 8A 8B 8C 8D 8E 8F"},
        {33, "E8 07 0C 00 02 00 1F 00 17 00 3B 00 3A 00 E7 03"},
        {49, "6E 00 01 00"},             // port, all 32 bits
        {124598, "04 00 00 00 70 40 73 73"},                    // password, plain text
        {335498, "00 00 00 00"},                                 // empty server
        {445680, "08 00 00 00 83 86 81 5B 83 55 81 5B"},       // user, Shift-JIS
    };

    size_t draws = 0;
    const std::vector<uint8_t> block =
        EncodeSettings(record, -2, 0x01020304, kQuenna, [&draws] { return static_cast<int>(draws++ * 7 + 3); });
    ASSERT_EQ(block.size(), 512000u);
    EXPECT_EQ(draws, 512000u);

    std::vector<int> expected(block.size(), -1);
    for (const Field& field : fields) {
        const std::vector<uint8_t> bytes = HexBytes(field.bytes);
        for (size_t i = 0; i < bytes.size(); ++i)
            expected[field.offset + i] = bytes[i];
    }
    size_t mismatches = 0;
    for (size_t offset = 0; offset < block.size(); ++offset) {
        const int want = expected[offset] >= 0 ? expected[offset] : CountingFillerByte(offset);
        if (block[offset] != want && ++mismatches <= 10)
            ADD_FAILURE() << "offset " << offset << ": 0x" << std::hex << int{block[offset]} << ", want 0x" << want;
    }
    EXPECT_EQ(mismatches, 0u);
}

TEST(SettingsLayout, RoundTripsThroughFreshFillerEachTime)
{
    SettingsRecord longUser = DistinctSettings();
    longUser.user.clear();
    while (longUser.user.size() < 30000)
        longUser.user += (longUser.user.size() % 3 == 0) ? "ア" : "z";
    longUser.user.resize(30000);

    struct Case {
        const char* name;
        SettingsRecord record;
    };
    const Case cases[] = {
        {"defaults, empty strings", SettingsRecord{}},
        {"every field set", DistinctSettings()},
        {"30000-byte user name", longUser},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<uint8_t> first = EncodeWithRand(c.record, -40, 7000);
        const std::vector<uint8_t> second = EncodeWithRand(c.record, -40, 7000);
        EXPECT_NE(first, second) << "each save draws new filler";
        for (const std::vector<uint8_t>* block : {&first, &second}) {
            const Decoded decoded = Decode(*block);
            ExpectSameStoredFields(decoded.record, c.record);
            EXPECT_EQ(decoded.x, -40);
            EXPECT_EQ(decoded.y, 7000);
        }
    }
}

TEST(SettingsLayout, RoomFollowsTheOrderOfEachEditionsOffsets)
{
    struct Case {
        const char* edition;
        SettingsStringOffsets offsets;
        size_t serverRoom, userRoom, passwordRoom;
    };
    const Case cases[] = {
        {"Quenna", {335498, 445680, 124598}, 110178, 66316, 210896},
        {"Pelmo", {398745, 179850, 80456}, 113251, 218891, 99390},
        {"Tavri", {195468, 412036, 221456}, 25984, 99960, 190576},
        {"Sorlun", {246987, 112586, 465874}, 218883, 134397, 46122},
        {"Ivrel", {102543, 342856, 445879}, 240309, 103019, 66117},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edition);
        const SettingsStringPlaces places = PlaceSettingsStrings(c.offsets);
        EXPECT_EQ(places.server.lengthOffset, c.offsets.server);
        EXPECT_EQ(places.server.room, c.serverRoom);
        EXPECT_EQ(places.user.room, c.userRoom);
        EXPECT_EQ(places.password.room, c.passwordRoom);

        // Every string filled to its room, and each one byte over it,
        // comes back cut to the room without touching its neighbours.
        for (const size_t extra : {size_t{0}, size_t{1}}) {
            SettingsRecord full;
            full.server = std::string(c.serverRoom + extra, 's');
            full.user = std::string(c.userRoom + extra, 'u');
            full.password = std::string(c.passwordRoom + extra, 'p');
            const std::vector<uint8_t> block =
                EncodeSettings(full, 0, 0, c.offsets, [] { return std::rand(); });
            const Decoded decoded = Decode(block, c.offsets);
            EXPECT_EQ(decoded.record.server, std::string(c.serverRoom, 's'));
            EXPECT_EQ(decoded.record.user, std::string(c.userRoom, 'u'));
            EXPECT_EQ(decoded.record.password, std::string(c.passwordRoom, 'p'));
        }
    }
}

TEST(SettingsLayout, CutsAnOverlongStringAtACharacterBoundary)
{
    // Quenna's password room is even; after one single-byte character every
    // double-byte pair starts at an odd place, so the last pair would
    // straddle the room's end. Its trail byte is 'A', which must not be
    // left behind as a character of its own.
    const size_t room = 210896;
    SettingsRecord record;
    record.server = "srv";
    record.password = "a";
    while (record.password.size() <= room)
        record.password += "ア";
    const Decoded decoded = Decode(EncodeWithRand(record, 0, 0));
    EXPECT_EQ(decoded.record.password.size(), room - 1);
    EXPECT_EQ(decoded.record.password, record.password.substr(0, room - 1));
    EXPECT_EQ(decoded.record.server, "srv");
}

TEST(SettingsLayout, ADamagedLengthWordLoadsThatStringAsEmpty)
{
    const SettingsRecord record = DistinctSettings();
    struct Case {
        const char* name;
        size_t offset;
        int32_t length;
        bool userKept, passwordKept;
    };
    const Case cases[] = {
        {"negative password length", 124598, -1, true, false},
        {"password one past its room", 124598, 210897, true, false},
        {"password length near 2 GB", 124598, 0x7FFFFFFF, true, false},
        {"password length 0x80000000", 124598, INT32_MIN, true, false},
        {"user one past its room, the end of the file", 445680, 66317, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> block = EncodeWithRand(record, 5, 6);
        PutI32(block, c.offset, c.length);
        const Decoded decoded = Decode(block);
        EXPECT_EQ(decoded.record.server, record.server);
        EXPECT_EQ(decoded.record.user, c.userKept ? record.user : "");
        EXPECT_EQ(decoded.record.password, c.passwordKept ? record.password : "");
        EXPECT_EQ(decoded.record.port, record.port);
    }

    // A length that fills the room exactly to the end of the file is sound.
    std::vector<uint8_t> block = EncodeWithRand(record, 5, 6);
    PutI32(block, 445680, 66316);
    const Decoded decoded = Decode(block);
    EXPECT_EQ(decoded.record.user, std::string(block.begin() + 445684, block.end()));
}

TEST(SettingsLayout, AShortBlockGivesOnlyTheFieldsInsideIt)
{
    const SettingsRecord stored = DistinctSettings();
    const std::vector<uint8_t> whole = EncodeWithRand(stored, -7, -8);
    const SettingsRecord defaults;
    const size_t passwordEnd = 124602 + stored.password.size();
    const size_t userEnd = 445684 + stored.user.size();

    struct Case {
        size_t size;
        bool positionTaken;   // offsets 0..7
        bool keepOnTopTaken;  // offset 8
        bool fixedTaken;      // everything up to offset 52
        bool passwordTaken, serverTaken, userTaken;
    };
    const Case cases[] = {
        {0, false, false, false, false, false, false},
        {3, false, false, false, false, false, false},
        {12, true, true, false, false, false, false},
        {53, true, true, true, false, false, false},
        {passwordEnd - 1, true, true, true, false, false, false},
        {passwordEnd, true, true, true, true, false, false},
        {userEnd - 1, true, true, true, true, true, false},
        {511999, true, true, true, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        // A block of exactly this size, so nothing lies beyond it to take.
        const std::vector<uint8_t> shortBlock(whole.begin(), whole.begin() + static_cast<ptrdiff_t>(c.size));
        const Decoded decoded = Decode(shortBlock);
        EXPECT_EQ(decoded.x, c.positionTaken ? -7 : 111);
        EXPECT_EQ(decoded.y, c.positionTaken ? -8 : 222);
        EXPECT_EQ(decoded.record.keepOnTop, c.keepOnTopTaken ? stored.keepOnTop : defaults.keepOnTop);
        const SettingsRecord& fixed = c.fixedTaken ? stored : defaults;
        EXPECT_EQ(decoded.record.VoiceMode, fixed.VoiceMode);
        EXPECT_EQ(decoded.record.reportConnectionErrors, fixed.reportConnectionErrors);
        EXPECT_EQ(decoded.record.reserved, fixed.reserved);
        EXPECT_EQ(decoded.record.alarmTime.wMilliseconds, fixed.alarmTime.wMilliseconds);
        EXPECT_EQ(decoded.record.port, fixed.port);
        EXPECT_EQ(decoded.record.password, c.passwordTaken ? stored.password : "");
        EXPECT_EQ(decoded.record.server, c.serverTaken ? stored.server : "");
        EXPECT_EQ(decoded.record.user, c.userTaken ? stored.user : "");
    }
}

}  // namespace
