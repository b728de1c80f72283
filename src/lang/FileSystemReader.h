// What reading the language folder needs from the file system. Paths and
// names are UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvelle {

class FileSystemReader {
public:
    virtual ~FileSystemReader() = default;
    // The names of the entries of `folder` (ending with a path separator)
    // that match `pattern` ("*.lng"), directories and hidden entries included,
    // in the order the system lists them; nothing when the folder does not exist.
    virtual std::optional<std::vector<std::string>> FindFiles(const std::string& folder,
                                                              const std::string& pattern) = 0;
    // At most the first `maxBytes` bytes of the file, opened so that other
    // programs may go on reading and writing it; nothing when it cannot be opened.
    virtual std::optional<std::vector<std::uint8_t>> ReadFileStart(const std::string& path, std::size_t maxBytes) = 0;
    // True when a file (not a folder) of that name exists; names compare as
    // the file system compares them.
    virtual bool FileExists(const std::string& path) = 0;
};

}  // namespace orvelle
