#pragma once

#include "app/behaviour_parameters.h"
#include "app/shell_parameters.h"
#include "base/util/library_options.h"

#include <cstdint>

// The offsets of the three length words of the strings in setting.dat.
// Each string's bytes follow its length word; its room runs up to the next
// length word or the end of the file, whatever order the three come in.
struct SettingsStringOffsets {
    uint32_t server;
    uint32_t user;
    uint32_t password;
};

// The separator of every level of setting.dat's path, the documents
// folder's own included, as the path is handed to the system.
enum class SettingsPathForm {
    kBackslashes,
    kForwardSlashes,
};

// Where the edition keeps setting.dat, and where its strings lie in it.
struct SettingsParameters {
    // The edition's own folder below the folders every edition shares.
    const char* folderWord;
    SettingsStringOffsets stringOffsets;
    SettingsPathForm pathForm;
};

// Everything in which the editions of the accessory differ: one complete
// table per edition (editions/<name>/), written out in full, handed to the
// shared program by the edition's own WinMain.
struct EditionParameters {
    SettingsParameters settings;
    // The program around the character: its archive, window and tray icon,
    // and the shell functions the edition replaces.
    ShellParameters shell;
    // What the character does, and when; its tick.
    BehaviourParameters behaviour;
    // The base library's choices.
    LibraryOptionsTable library;
};

// The table the program runs with, from the moment it was adopted
// (AdoptEdition, program.h). Reading it before is a fault of the program:
// it ends through the fatal-error box.
const EditionParameters& Edition();
