// InMemorySettingsStore: a settings file that lives in memory, for tests of the
// logic that reads and writes settings. Failures can be switched on, and every
// write is kept so a test can see how many there were and what they held.
#pragma once

#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "app/SettingsStorage.h"

namespace orvelle {

class InMemorySettingsStore : public SettingsStore {
public:
    explicit InMemorySettingsStore(std::optional<std::string> content = std::nullopt,
                                   std::filesystem::path path = "C:\\Program Files\\Orvelle\\Orvelle.ini")
        : content_(std::move(content)), path_(std::move(path)) {}

    Result<std::string> Read() override {
        ++reads_;
        if (readError_) return MakeFailure(readError_.message());
        if (!content_) return FailureOf(std::make_error_code(std::errc::no_such_file_or_directory));
        return *content_;
    }

    // A failing write leaves the content as it was, as the real store does.
    Outcome Write(const std::string& content) override {
        writes_.push_back(content);
        if (writeError_) return FailureOf(writeError_);
        content_ = content;
        return std::nullopt;
    }

    std::filesystem::path Path() const override { return path_; }

    void FailReads(std::error_code error = std::make_error_code(std::errc::io_error)) { readError_ = error; }
    void FailWrites(std::error_code error = std::make_error_code(std::errc::permission_denied)) {
        writeError_ = error;
    }

    const std::optional<std::string>& Content() const { return content_; }
    int Reads() const { return reads_; }
    // Every content a write was asked to store, failed ones included.
    const std::vector<std::string>& Writes() const { return writes_; }

private:
    std::optional<std::string> content_;
    std::filesystem::path path_;
    std::error_code readError_;
    std::error_code writeError_;
    int reads_ = 0;
    std::vector<std::string> writes_;
};

}  // namespace orvelle
