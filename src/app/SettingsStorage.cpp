#include "app/SettingsStorage.h"

#include <cerrno>
#include <fstream>

namespace orvelle {

namespace fs = std::filesystem;

Result<std::string> FileSettingsStore::Read() {
    std::error_code ec;
    const fs::file_status status = fs::status(path_, ec);
    if (status.type() == fs::file_type::not_found)
        return FailureOf(std::make_error_code(std::errc::no_such_file_or_directory));
    if (ec) return FailureOf(ec);
    if (fs::is_directory(status)) return FailureOf(std::make_error_code(std::errc::is_a_directory));

    errno = 0;
    std::ifstream in(path_, std::ios::binary);
    // Whatever the system says, a file that is there but cannot be opened is
    // no first run: its values must not be written over.
    if (!in) return MakeFailure(StreamFailureText());
    std::string content;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) content.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return MakeFailure(StreamFailureText());
    return content;
}

Outcome FileSettingsStore::Write(const std::string& content) {
    if (const std::error_code error = ReplaceFileContent(path_, content, missingFolder_)) return FailureOf(error);
    return std::nullopt;
}

}  // namespace orvelle
