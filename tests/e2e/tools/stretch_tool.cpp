// Enlarges a raw picture with the core's stretch filters, so that the end-to-end tests can compare what the
// running program shows with the enlargement of the patch it captured.
//
//     orvelle_stretch_tool [--scalar] <input> <width> <height> <zoom> <filter> [<output>]
//
// The input is width x height pixels, rows top-down, either 32-bit little-endian 0xAARRGGBB values or packed
// R, G, B bytes; the file's size tells which. The output is the picture z times larger in the same format.
// "-" (or no output) means standard input or output. Filters go by their menu names (Precise, Simple, Linear,
// Cosine, Bicubic, Lanczos, Mitchell). --scalar draws with the portable path that the faster ones must match.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Image.h"
#include "engine/Stretch.h"
#include "engine/StretchFilter.h"

namespace {

using orvelle::Pixel;
using orvelle::TStretchFilter;

constexpr struct {
    std::string_view name;
    TStretchFilter filter;
} kFilters[] = {
    {"Precise", TStretchFilter::sfNearest}, {"Simple", TStretchFilter::sfDraft},
    {"Linear", TStretchFilter::sfLinear},   {"Cosine", TStretchFilter::sfCosine},
    {"Bicubic", TStretchFilter::sfSpline},  {"Lanczos", TStretchFilter::sfLanczos},
    {"Mitchell", TStretchFilter::sfMitchell},
};

int Usage() {
    std::fprintf(stderr,
                 "usage: orvelle_stretch_tool [--scalar] <input> <width> <height> <zoom> <filter> [<output>]\n"
                 "  input: raw 0xAARRGGBB (little-endian) or RGB pixels, '-' for standard input\n"
                 "  filter: Precise, Simple, Linear, Cosine, Bicubic, Lanczos or Mitchell\n");
    return 2;
}

bool ParseCount(const char* text, int low, int high, int& value) {
    char* end = nullptr;
    const long parsed = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || parsed < low || parsed > high) return false;
    value = static_cast<int>(parsed);
    return true;
}

bool ReadAll(const std::string& path, std::vector<unsigned char>& bytes) {
    std::FILE* file = path == "-" ? stdin : std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    unsigned char chunk[65536];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
    const bool ok = std::ferror(file) == 0;
    if (file != stdin) std::fclose(file);
    return ok;
}

bool WriteAll(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::FILE* file = path == "-" ? stdout : std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = (file == stdout ? std::fflush(file) : std::fclose(file)) == 0 && ok;
    return ok;
}

// Byte order is spelled out so that the files mean the same on any machine.
std::vector<Pixel> Decode(const std::vector<unsigned char>& bytes, bool rgb) {
    const std::size_t step = rgb ? 3 : 4;
    std::vector<Pixel> pixels(bytes.size() / step);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const unsigned char* p = &bytes[i * step];
        pixels[i] = rgb ? (Pixel{p[0]} << 16 | Pixel{p[1]} << 8 | Pixel{p[2]})
                        : (Pixel{p[3]} << 24 | Pixel{p[2]} << 16 | Pixel{p[1]} << 8 | Pixel{p[0]});
    }
    return pixels;
}

std::vector<unsigned char> Encode(const std::vector<Pixel>& pixels, bool rgb) {
    std::vector<unsigned char> bytes;
    bytes.reserve(pixels.size() * (rgb ? 3 : 4));
    for (const Pixel pixel : pixels) {
        const auto channel = [pixel](int shift) { return static_cast<unsigned char>(pixel >> shift & 0xFF); };
        if (rgb) {
            bytes.insert(bytes.end(), {channel(16), channel(8), channel(0)});
        } else {
            bytes.insert(bytes.end(), {channel(0), channel(8), channel(16), channel(24)});
        }
    }
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    bool scalar = false;
    if (!args.empty() && args.front() == "--scalar") {
        scalar = true;
        args.erase(args.begin());
    }
    if (args.size() != 5 && args.size() != 6) return Usage();

    int width = 0, height = 0, zoom = 0;
    if (!ParseCount(args[1].c_str(), 1, 1 << 14, width) || !ParseCount(args[2].c_str(), 1, 1 << 14, height) ||
        !ParseCount(args[3].c_str(), 2, 32, zoom)) {
        return Usage();
    }
    const auto* chosen = std::find_if(std::begin(kFilters), std::end(kFilters),
                                      [&](const auto& entry) { return entry.name == args[4]; });
    if (chosen == std::end(kFilters)) return Usage();

    std::vector<unsigned char> input;
    if (!ReadAll(args[0], input)) {
        std::fprintf(stderr, "cannot read %s: %s\n", args[0].c_str(), std::strerror(errno));
        return 1;
    }
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (input.size() != count * 3 && input.size() != count * 4) {
        std::fprintf(stderr, "%s holds %zu bytes; %d x %d pixels take %zu (RGB) or %zu (0xAARRGGBB)\n",
                     args[0].c_str(), input.size(), width, height, count * 3, count * 4);
        return 1;
    }
    const bool rgb = input.size() == count * 3;

    const std::vector<Pixel> source = Decode(input, rgb);
    const int outWidth = width * zoom, outHeight = height * zoom;
    std::vector<Pixel> enlarged(static_cast<std::size_t>(outWidth) * static_cast<std::size_t>(outHeight));
    if (scalar) orvelle::SetStretchSimdLevel(orvelle::StretchSimd::Scalar);
    orvelle::StretchDraw(orvelle::ConstImageRef(source.data(), width, height, width),
                         orvelle::ImageRef{enlarged.data(), outWidth, outHeight, outWidth}, chosen->filter);

    const std::string output = args.size() == 6 ? args[5] : "-";
    if (!WriteAll(output, Encode(enlarged, rgb))) {
        std::fprintf(stderr, "cannot write %s: %s\n", output.c_str(), std::strerror(errno));
        return 1;
    }
    return 0;
}
