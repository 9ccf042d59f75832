#pragma once

#include "app/settings_record.h"

#include <gtest/gtest.h>

#include <cstring>

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
