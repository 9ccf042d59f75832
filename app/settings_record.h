#pragma once

#include "app/edition.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

// The user's settings: edited by the settings dialog, read from setting.dat
// once at start-up and written back once at exit.
struct SettingsRecord {
    bool keepOnTop = true;
    // 0 plays every voice, 1 only those of scripts without the voice flag,
    // 2 none. Other stored values are kept as they are.
    int32_t VoiceMode = 0;
    bool alarmOn = false;
    // The alarm has fired for the stored alarm time.
    bool alarmFired = false;
    bool mailCheckOn = false;
    bool reportConnectionErrors = false;
    // Full path of setting.dat; not stored in the file.
    std::string path;
    // Carried from the file to the file unchanged.
    std::array<uint8_t, 16> reserved{};
    // Only wHour and wMinute take part in the alarm.
    SYSTEMTIME alarmTime{};
    // POP3 port; only its low 16 bits are used.
    int32_t port = 110;
    std::string server;
    std::string user;
    // Kept and stored as plain text: existing setting.dat files hold it so.
    std::string password;

    // Reads path into this record and the window position. False when the
    // file cannot be opened; then the record and the position stay as they
    // were. A damaged or short file gives what can be read of it (see
    // DecodeSettings).
    bool Load(int32_t& windowX, int32_t& windowY);
};

// The defaults, with path pointing at setting.dat in the edition's folder
// under the user's documents folder. Folders are never created: without
// them the file is neither read nor written. path stays empty when the
// documents folder is unknown.
SettingsRecord InitSettings();

// documents\Quillmarsh\<shared folder>\<edition folder>\setting.dat, as bytes
// in the ANSI code page, with the edition's separator between every level.
std::string SettingsFilePath(const std::string& documentsFolder, const SettingsParameters& settings);


// Writes the record and the window position to path with fresh random
// filler from rand(). False when the file cannot be written (no folder is
// created); nothing is reported.
bool SaveSettings(const SettingsRecord& record, int32_t windowX, int32_t windowY);
