#include "tools/demo_character/character_registry.h"

#include <map>

namespace {

// Built on first use: the registrations are static objects of other files,
// made in an order of the linker's choosing.
std::map<std::string, DemoArchiveBuilder>& Registry()
{
    static std::map<std::string, DemoArchiveBuilder> registry;
    return registry;
}

} // namespace

DemoCharacterRegistration::DemoCharacterRegistration(const char* edition, DemoArchiveBuilder build)
{
    Registry()[edition] = build;
}

DemoArchiveBuilder FindDemoCharacter(const std::string& edition)
{
    const auto found = Registry().find(edition);
    return found != Registry().end() ? found->second : nullptr;
}

std::vector<std::string> DemoCharacterEditions()
{
    std::vector<std::string> editions;
    for (const auto& entry : Registry())
        editions.push_back(entry.first);
    return editions;
}
