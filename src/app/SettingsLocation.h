// Where the settings file lives. It stands beside the program file, named
// like it, wherever a file stands there already or one can be made there.
// A copy of the program in a folder its user may not write to (under
// "Program Files", say) keeps its settings in the user's profile instead.
#pragma once

#include <filesystem>

#include "app/SettingsStorage.h"

namespace orvelle {

struct SettingsLocation {
    std::filesystem::path path;
    MissingFolder missingFolder = MissingFolder::Fail;
};

// The decision alone. `besideProgram` is the program file's path with the
// extension ".ini"; `userFolder` the user's roaming application data
// ("%APPDATA%"), empty when the system did not name one. A file beside the
// program is always the user's choice, also when it cannot be written.
SettingsLocation ChooseSettingsLocation(const std::filesystem::path& besideProgram,
                                        const std::filesystem::path& userFolder, bool besideExists,
                                        bool programFolderWritable);

// The same, with the facts read from the disk.
SettingsLocation FindSettingsLocation(const std::filesystem::path& besideProgram,
                                      const std::filesystem::path& userFolder);

}  // namespace orvelle
