// Where the settings file's bytes come from and go to. The program logic sees
// only SettingsStore, so its tests can hand it an in-memory store.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>
#include <utility>

namespace orvelle {

enum class ReadStatus {
    Ok,      // content holds the file
    Absent,  // there is no file yet: a first run, not an error
    Failed,  // the file is there but could not be read; error says why
};

struct ReadResult {
    ReadStatus status = ReadStatus::Absent;
    std::string content;
    std::error_code error;
};

struct WriteResult {
    std::error_code error;  // empty on success; message() gives the system's reason

    bool Ok() const { return !error; }
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual ReadResult Read() = 0;
    // Replaces the whole file with `content`, or leaves it as it was.
    virtual WriteResult Write(const std::string& content) = 0;
    // The full path, for messages.
    virtual std::filesystem::path Path() const = 0;
};

// Whether a new file can be made in `folder`, found out by making one and
// removing it again: on Windows the permissions alone do not tell.
bool CanCreateFilesIn(const std::filesystem::path& folder);

// Whether a write makes the file's folder when it is missing: a folder of the
// user's profile is made on the first exit, the program's own never is.
enum class MissingFolder { Fail, Create };

// The settings file on disk. A write goes to a temporary file beside the
// target and then takes the target's place in one rename, so a crash or a full
// disk in the middle leaves the old file whole. Where the folder admits no new
// file but the file itself may be written (a copy of the program under
// "Program Files" with a settings file made writable for its users), the file
// is rewritten in place instead. A read-only target is never replaced, even
// where the folder would allow it.
class FileSettingsStore : public SettingsStore {
public:
    explicit FileSettingsStore(std::filesystem::path path, MissingFolder missingFolder = MissingFolder::Fail)
        : path_(std::move(path)), missingFolder_(missingFolder) {}

    ReadResult Read() override;
    WriteResult Write(const std::string& content) override;
    std::filesystem::path Path() const override { return path_; }

private:
    std::filesystem::path path_;
    MissingFolder missingFolder_;
};

}  // namespace orvelle
