#include "app/settings_record.h"

#include "app/edition.h"

#include "base/util/string_utils.h"

#include <shlobj.h>

namespace {

// The folders shared by every edition, between the documents folder and the
// edition's own folder. The blank in the second is the ideographic space.
const char kMakerFolder[] = "Quillmarsh";
const char kProductFolder[] = "ヴェルヴェーン　デスクトップアクセサリー";
const char kSettingsFileName[] = "setting.dat";

std::string DocumentsFolder()
{
    char folder[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathA(nullptr, folder, CSIDL_PERSONAL, FALSE))
        return std::string();
    return folder;
}

}  // namespace

std::string SettingsFilePath(const std::string& documentsFolder, const SettingsParameters& settings)
{
    std::string path = documentsFolder;
    for (const char* part : {kMakerFolder, kProductFolder, settings.folderWord, kSettingsFileName}) {
        path += '/';
        path += part;
    }
    const bool forward = settings.pathForm == SettingsPathForm::kForwardSlashes;
    const char separator = forward ? '/' : '\\';
    const char other = forward ? '\\' : '/';
    // Whole characters only: the second byte of a double-byte character
    // may be 0x5C, the byte of a backslash (ソ is 83 5C, 表 95 5C), and is
    // part of its folder's name.
    for (size_t i = 0; i < path.size(); ++i) {
        if (IsDbcsPair(path.c_str() + i))
            ++i;
        else if (path[i] == other)
            path[i] = separator;
    }
    return path;
}

SettingsRecord InitSettings()
{
    SettingsRecord record;
    const std::string documents = DocumentsFolder();
    // Without a documents folder the file would land relative to the root of
    // the current drive; an empty path is never opened instead.
    if (!documents.empty())
        record.path = SettingsFilePath(documents, Edition().settings);
    return record;
}
