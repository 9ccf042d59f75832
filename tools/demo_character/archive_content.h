#pragma once

#include "tools/pack_archive/archive_builder.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

// The entries of a demo archive as they are made, each name once, in the
// order first added. Pictures and voices that several frames use are added
// by each and kept once.
class ArchiveContent {
public:
    // An empty entry is one that could not be made.
    void Add(const std::string& name, std::string bytes)
    {
        complete_ = complete_ && !bytes.empty();
        if (names_.insert(name).second)
            entries_.push_back({name, std::move(bytes)});
    }
    bool Has(const std::string& name) const { return names_.count(name) != 0; }
    // The entries into items; false, with the reason in error, when one of
    // them could not be made.
    bool Take(std::vector<ArchiveItem>& items, std::string& error)
    {
        items = std::move(entries_);
        if (!complete_)
            error = "a picture could not be made";
        return complete_;
    }

private:
    std::set<std::string> names_;
    std::vector<ArchiveItem> entries_;
    bool complete_ = true;
};
