#pragma once

#include "app/behaviour_parameters.h"
#include "app/shell_parameters.h"

#include <cstdint>

// The offsets of the three length words of the strings in setting.dat.
// Each string's bytes follow its length word; its room runs up to the next
// length word or the end of the file, whatever order the three come in.
struct SettingsStringOffsets {
    uint32_t server;
    uint32_t user;
    uint32_t password;
};

// The parameters in which the editions of the accessory differ. The shared
// code reads them through Edition(); every program links exactly one
// definition of it, the one of its edition (editions/<name>/edition.cpp).
// The defaults are the reference edition's values.
struct EditionParameters {
    // Settings file: the edition's own folder below the shared folders, and
    // where its strings lie in setting.dat.
    const char* settingsFolderWord = "クエンナ編";
    SettingsStringOffsets settingsStringOffsets{335498, 445680, 124598};

    // What the character does, and when; its tick.
    BehaviourParameters behaviour;

    // The program around the character: its archive, window and tray icon,
    // and the shell functions the edition replaces.
    ShellParameters shell;
};

const EditionParameters& Edition();
