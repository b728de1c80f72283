// Where the settings file's bytes come from and go to. The program logic sees
// only SettingsStore, so its tests can hand it an in-memory store.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>
#include <utility>

#include "app/ReplaceFile.h"
#include "engine/Outcome.h"

namespace orvelle {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The file's bytes; Failure::Kind::NotFound when there is no file yet
    // (a first run, not an error), any other failure when it is there but
    // could not be read.
    virtual Result<std::string> Read() = 0;
    // Replaces the whole file with `content`, or leaves it as it was.
    virtual Outcome Write(const std::string& content) = 0;
    // The full path, for messages.
    virtual std::filesystem::path Path() const = 0;
};

// The settings file on disk, replaced as a whole at each write (ReplaceFile.h).
class FileSettingsStore : public SettingsStore {
public:
    explicit FileSettingsStore(std::filesystem::path path, MissingFolder missingFolder = MissingFolder::Fail)
        : path_(std::move(path)), missingFolder_(missingFolder) {}

    Result<std::string> Read() override;
    Outcome Write(const std::string& content) override;
    std::filesystem::path Path() const override { return path_; }

private:
    std::filesystem::path path_;
    MissingFolder missingFolder_;
};

}  // namespace orvelle
