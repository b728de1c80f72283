#include "app/SettingsLocation.h"

#include <system_error>

namespace orvelle {

namespace fs = std::filesystem;

SettingsLocation ChooseSettingsLocation(const fs::path& besideProgram, const fs::path& userFolder, bool besideExists,
                                        bool programFolderWritable) {
    if (besideExists || programFolderWritable || userFolder.empty()) return {besideProgram, MissingFolder::Fail};
    return {userFolder / "Orvelle" / "Orvelle.ini", MissingFolder::Create};
}

SettingsLocation FindSettingsLocation(const fs::path& besideProgram, const fs::path& userFolder) {
    std::error_code ec;
    // Anything of that name counts, even one that cannot be read: the user put it there.
    const bool besideExists = fs::symlink_status(besideProgram, ec).type() != fs::file_type::not_found;
    const bool writable = besideExists || CanCreateFilesIn(besideProgram.parent_path());
    return ChooseSettingsLocation(besideProgram, userFolder, besideExists, writable);
}

}  // namespace orvelle
