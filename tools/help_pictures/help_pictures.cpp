// Writes the help file's pictures that come from the program itself:
//
//     help_pictures <output-folder> [<toolbar-strip.bmp>]
//
// The seven filter examples (precise.bmp, simple.bmp, linear.bmp, cosine.bmp,
// bicubic.bmp, lanczos.bmp, mitchell.bmp) always; the toolbar buttons
// (tb_*.bmp) when the toolbar strip at 100 % is given, normally
// src/win32/res/toolbar_100.bmp. Every file is a 32-bit BMP with opaque pixels.
// The pictures are committed in help/images; run this again after a change
// of a filter or of the toolbar images:
//
//     help_pictures help/images src/win32/res/toolbar_100.bmp
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "HelpPictures.h"
#include "engine/BmpCodec.h"

namespace {

namespace fs = std::filesystem;

bool WriteBmp(const fs::path& path, const orvelle::TBitmap32& picture) {
    const std::vector<std::uint8_t> bytes = orvelle::EncodeBmp32(picture);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
        return false;
    }
    std::printf("%s (%d x %d)\n", path.string().c_str(), picture.Width(), picture.Height());
    return true;
}

bool ReadBmp(const fs::path& path, orvelle::TBitmap32& picture) {
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) {
        std::fprintf(stderr, "cannot read %s\n", path.string().c_str());
        return false;
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    orvelle::BmpDecoded decoded = orvelle::DecodeBmpFile(bytes);
    if (!decoded.ok()) {
        std::fprintf(stderr, "%s: %s\n", path.string().c_str(), decoded.error.c_str());
        return false;
    }
    picture = std::move(decoded.picture);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: help_pictures <output-folder> [<toolbar-strip.bmp>]\n");
        return 2;
    }
    const fs::path folder = argv[1];
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "cannot make %s: %s\n", folder.string().c_str(), error.message().c_str());
        return 1;
    }

    bool ok = true;
    for (const orvelle::help::FilterPicture& entry : orvelle::help::kFilterPictures)
        ok = WriteBmp(folder / entry.fileName, orvelle::help::RenderFilterPicture(entry.filter)) && ok;

    if (argc == 3) {
        orvelle::TBitmap32 strip;
        if (!ReadBmp(argv[2], strip)) return 1;
        for (const orvelle::help::ToolbarPicture& entry : orvelle::help::kToolbarPictures) {
            const orvelle::TBitmap32 button = orvelle::help::CutToolbarPicture(strip, entry.imageIndex);
            if (button.Empty()) {
                std::fprintf(stderr, "%s holds no image %d\n", argv[2], entry.imageIndex);
                ok = false;
                continue;
            }
            ok = WriteBmp(folder / entry.fileName, button) && ok;
        }
    }
    return ok ? 0 : 1;
}
