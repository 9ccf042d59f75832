#pragma once

#include "app/settings_record.h"
#include "base/util/byte_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// Bytes written as hexadecimal pairs separated by blanks: "83 4E 95 D2".
inline std::vector<uint8_t> HexBytes(const char* text)
{
    std::vector<uint8_t> bytes;
    for (const char* p = text; *p != '\0';) {
        char* end = nullptr;
        bytes.push_back(static_cast<uint8_t>(std::strtoul(p, &end, 16)));
        p = end;
        while (*p == ' ')
            ++p;
    }
    return bytes;
}

inline std::string HexText(const char* text)
{
    const std::vector<uint8_t> bytes = HexBytes(text);
    return std::string(bytes.begin(), bytes.end());
}

// The string of a setting.dat image at a length word: the length, then
// that many bytes.
inline std::string StringAt(const std::string& file, uint32_t offset)
{
    ByteReader reader(file.data(), file.size());
    int32_t length = -1;
    if (!reader.I32LEAt(offset, length) || length < 0 || !reader.Fits(offset + 4, static_cast<size_t>(length)))
        return "(no string)";
    std::string text(static_cast<size_t>(length), '\0');
    reader.BytesAt(offset + 4, &text[0], text.size());
    return text;
}

// A record with every field away from its default, so that a field that is
// lost or misplaced shows.
inline SettingsRecord DistinctSettings()
{
    SettingsRecord record;
    record.keepOnTop = false;
    record.VoiceMode = 2;
    record.alarmOn = true;
    record.alarmFired = true;
    record.mailCheckOn = true;
    record.reportConnectionErrors = true;
    for (size_t i = 0; i < record.reserved.size(); ++i)
        record.reserved[i] = static_cast<uint8_t>(0xA0 + i);
    record.alarmTime = SYSTEMTIME{2031, 7, 4, 17, 6, 45, 12, 345};
    record.port = 995;
    record.server = "pop.example.jp";
    record.user = "ユーザー名";
    record.password = "ぱすワード";
    return record;
}

// Every stored field; path is not stored and is not compared.
inline void ExpectSameStoredFields(const SettingsRecord& actual, const SettingsRecord& expected)
{
    EXPECT_EQ(actual.keepOnTop, expected.keepOnTop);
    EXPECT_EQ(actual.VoiceMode, expected.VoiceMode);
    EXPECT_EQ(actual.alarmOn, expected.alarmOn);
    EXPECT_EQ(actual.alarmFired, expected.alarmFired);
    EXPECT_EQ(actual.mailCheckOn, expected.mailCheckOn);
    EXPECT_EQ(actual.reportConnectionErrors, expected.reportConnectionErrors);
    EXPECT_EQ(actual.reserved, expected.reserved);
    EXPECT_EQ(std::memcmp(&actual.alarmTime, &expected.alarmTime, sizeof(SYSTEMTIME)), 0);
    EXPECT_EQ(actual.port, expected.port);
    EXPECT_EQ(actual.server, expected.server);
    EXPECT_EQ(actual.user, expected.user);
    EXPECT_EQ(actual.password, expected.password);
}
