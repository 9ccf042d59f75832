#include "app/edition.h"
#include "app/settings_layout.h"
#include "app/settings_record.h"

#include "base/io/easy_file.h"

#include <cstdlib>
#include <vector>

bool SettingsRecord::Load(int32_t& windowX, int32_t& windowY)
{
    EasyFile file;
    if (!file.OpenRead(path))
        return false;
    std::vector<uint8_t> block(kSettingsFileSize);
    const int32_t read = file.Read(block.data(), static_cast<int32_t>(block.size()));
    file.Close();
    // Only the bytes actually read count: a short file yields no field
    // beyond its end.
    DecodeSettings(block.data(), read > 0 ? static_cast<size_t>(read) : 0, Edition().settings.stringOffsets,
                   *this, windowX, windowY);
    return true;
}

bool SaveSettings(const SettingsRecord& record, int32_t windowX, int32_t windowY)
{
    const std::vector<uint8_t> block = EncodeSettings(record, windowX, windowY, Edition().settings.stringOffsets,
                                                      [] { return std::rand(); });
    EasyFile file;
    if (!file.OpenWrite(record.path, false))
        return false;
    const int32_t written = file.Write(block.data(), static_cast<int32_t>(block.size()));
    file.Close();
    return written == static_cast<int32_t>(block.size());
}
