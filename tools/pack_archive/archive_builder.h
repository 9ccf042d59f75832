#pragma once

#include <string>
#include <vector>

// Lays out a .pac archive: the entry count, the 64-byte directory entries,
// then each entry's data in the same order.
struct ArchiveItem {
    std::string name;  // stored as given; folder separators are '\'
    std::string bytes; // the plain data
};

// zlc3: store each entry as a ZLC3 block, or plain where the codec cannot
// pack it. False with a reason when a name does not fit its field or the
// archive would outgrow 32-bit offsets.
bool BuildArchive(const std::vector<ArchiveItem>& items, bool zlc3, std::string& archive, std::string& error);

// Every file below folder, named by its path relative to folder with '\'
// between the parts, sorted by name so that the same folder gives the same
// archive. False with a reason when the folder or a file cannot be read.
bool CollectFolder(const std::string& folder, std::vector<ArchiveItem>& items, std::string& error);
