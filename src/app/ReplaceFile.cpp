#include "app/ReplaceFile.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <random>

namespace orvelle {

namespace fs = std::filesystem;

namespace {

// The streams report only that something failed; the C library underneath
// leaves the reason in errno, which is all the standard offers.
std::error_code LastStreamError() {
    const int code = errno;
    return code != 0 ? std::error_code(code, std::generic_category()) : std::make_error_code(std::errc::io_error);
}

// A name beside the target that no other writer (another instance of the
// program exiting at the same moment) will pick.
fs::path TemporaryPathBeside(const fs::path& target) {
    static std::atomic<std::uint32_t> counter{0};
    std::uint64_t seed = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    try {
        std::random_device device;
        seed ^= (static_cast<std::uint64_t>(device()) << 32) | device();
    } catch (...) {
        // The clock and the counter alone still separate writers in practice.
    }
    std::mt19937_64 random(seed + counter.fetch_add(1));
    static constexpr char kDigits[] = "0123456789abcdef";
    for (;;) {
        std::string suffix = ".";
        std::uint64_t bits = random();
        for (int i = 0; i < 12; ++i, bits >>= 4) suffix += kDigits[bits & 15u];
        suffix += ".tmp";
        fs::path candidate = target;
        candidate += suffix;
        std::error_code ec;
        if (!fs::exists(candidate, ec)) return candidate;
    }
}

// Writes `content` to the stream and closes it; the reason on failure.
std::error_code WriteAndClose(std::ofstream& out, std::string_view content) {
    errno = 0;
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.flush();
    if (!out) {
        const std::error_code error = LastStreamError();
        out.close();
        return error;
    }
    errno = 0;
    out.close();
    return out.fail() ? LastStreamError() : std::error_code();
}

// The file rewritten where it stands. A failure half-way can leave it cut
// short, so this serves only where no temporary file can be made.
std::error_code WriteInPlace(const fs::path& target, std::string_view content) {
    errno = 0;
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    if (!out) return LastStreamError();
    return WriteAndClose(out, content);
}

}  // namespace

Failure FailureOf(std::error_code error) {
    const bool absent = error == std::errc::no_such_file_or_directory;
    return MakeFailure(error.message(), absent ? Failure::Kind::NotFound : Failure::Kind::Other);
}

std::string StreamFailureText() { return LastStreamError().message(); }

bool CanCreateFilesIn(const fs::path& folder) {
    const fs::path trial = TemporaryPathBeside(folder / "Orvelle");
    {
        std::ofstream out(trial, std::ios::binary | std::ios::trunc);
        if (!out) return false;
    }
    std::error_code ignored;
    fs::remove(trial, ignored);
    return true;
}

std::error_code ReplaceFileContent(const fs::path& path, std::string_view content, MissingFolder missingFolder) {
    std::error_code ec;
    fs::path target = path;
    // A rename would put a plain file in place of a link; write where it points.
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        fs::path resolved = fs::canonical(target, ec);
        if (ec) return ec;
        target = std::move(resolved);
    }

    const fs::file_status status = fs::status(target, ec);
    const bool exists = status.type() != fs::file_type::not_found;
    if (exists && ec) return ec;
    // Replacing a file by rename needs only a writable folder, so without this
    // check a file the user made read-only would be overwritten all the same.
    if (exists && fs::is_regular_file(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none) {
        return std::make_error_code(std::errc::permission_denied);
    }

    if (!exists && missingFolder == MissingFolder::Create && target.has_parent_path()) {
        fs::create_directories(target.parent_path(), ec);
        if (ec) return ec;
    }

    const fs::path temporary = TemporaryPathBeside(target);
    auto fail = [&](std::error_code error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return error;
    };

    errno = 0;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) {
        const std::error_code error = LastStreamError();
        if (exists && fs::is_regular_file(status)) return WriteInPlace(target, content);
        return error;
    }
    if (const std::error_code error = WriteAndClose(out, content)) return fail(error);

    // The new file keeps the old one's permissions; on failure it keeps the
    // defaults, which is no reason to lose the settings.
    if (exists) fs::permissions(temporary, status.permissions(), ec);

    fs::rename(temporary, target, ec);
    if (ec) return fail(ec);
    return {};
}


bool DiskFiles::Exists(const std::string& path) {
    std::error_code ec;
    // A name that cannot be looked at is taken too: nothing is written over it.
    const fs::file_status status = fs::status(fs::path(std::u8string(path.begin(), path.end())), ec);
    return status.type() != fs::file_type::not_found;
}

Outcome DiskFiles::MakeFolders(const std::string& path) {
    std::error_code ec;
    fs::create_directories(fs::path(std::u8string(path.begin(), path.end())), ec);
    if (ec) return FailureOf(ec);
    return std::nullopt;
}

Outcome DiskFiles::WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::u8string name(path.begin(), path.end());
    const std::string_view content(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (const std::error_code error = ReplaceFileContent(fs::path(name), content, MissingFolder::Fail))
        return FailureOf(error);
    return std::nullopt;
}

}  // namespace orvelle
