// Files replaced as a whole. The new content goes to a temporary file beside
// the target, which then takes the target's place in one rename, so a crash
// or a full disk in the middle leaves the old file whole. Where the folder
// admits no new file but the file itself may be written (a copy of the
// program under "Program Files" with a settings file made writable for its
// users), the file is rewritten in place instead. A read-only target is never
// replaced, even where the folder would allow it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

#include "app/Services.h"
#include "engine/Outcome.h"

namespace orvelle {

// Whether a write makes the file's folder when it is missing: a folder of the
// user's profile is made on the first exit, the program's own never is.
enum class MissingFolder { Fail, Create };

std::error_code ReplaceFileContent(const std::filesystem::path& target, std::string_view content,
                                   MissingFolder missingFolder);

// Whether a new file can be made in `folder`, found out by making one and
// removing it again: on Windows the permissions alone do not tell.
bool CanCreateFilesIn(const std::filesystem::path& folder);

// The system's reason for a failed file operation, as the user reads it; a
// file that is not there is NotFound.
Failure FailureOf(std::error_code error);
// The reason the last stream operation of this thread failed.
std::string StreamFailureText();

// Pictures and other files the user saves, by their UTF-8 paths.
class DiskFiles : public FileService {
public:
    Outcome WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) override;
    bool Exists(const std::string& path) override;
    Outcome MakeFolders(const std::string& path) override;
};

}  // namespace orvelle
