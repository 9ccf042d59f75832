#include "app/settings_record.h"

#include "app/edition.h"

#include <shlobj.h>

#include <algorithm>

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

std::string SettingsFilePath(const std::string& documentsFolder, const char* editionFolderWord)
{
    std::string path = documentsFolder;
    for (const char* part : {kMakerFolder, kProductFolder, editionFolderWord, kSettingsFileName}) {
        path += '/';
        path += part;
    }
    // '/' (0x2F) is never the second byte of a double-byte character, so a
    // byte-wise replacement cannot break a folder name.
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

SettingsRecord InitSettings()
{
    SettingsRecord record;
    const std::string documents = DocumentsFolder();
    // Without a documents folder the file would land relative to the root of
    // the current drive; an empty path is never opened instead.
    if (!documents.empty())
        record.path = SettingsFilePath(documents, Edition().settings.folderWord);
    return record;
}
