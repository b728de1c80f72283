// The help file's pictures in help/images are committed; these tests keep them
// equal to what the filters and the toolbar strip give now. When one fails
// after a deliberate change, write the pictures again with
//     help_pictures help/images src/win32/res/toolbar_100.bmp
#include "HelpPictures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/BmpCodec.h"

namespace orvelle {
namespace {

const std::filesystem::path kSourceDir = ORVELLE_SOURCE_DIR;

BmpDecoded DecodeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) {
        BmpDecoded missing;
        missing.error = "cannot open " + path.string();
        return missing;
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return DecodeBmpFile(bytes);
}

// Counts the differing pixels rather than stopping at the first, so a failure says how far the picture drifted.
void ExpectSamePicture(const TBitmap32& expected, const std::filesystem::path& path) {
    const BmpDecoded stored = DecodeFile(path);
    ASSERT_TRUE(stored.ok()) << path << ": " << stored.error;
    ASSERT_EQ(stored.picture.Width(), expected.Width()) << path;
    ASSERT_EQ(stored.picture.Height(), expected.Height()) << path;
    int differing = 0;
    for (int y = 0; y < expected.Height(); ++y)
        for (int x = 0; x < expected.Width(); ++x)
            if (stored.picture.At(x, y) != expected.At(x, y)) ++differing;
    EXPECT_EQ(differing, 0) << path << " differs from the drawing in " << differing << " pixels";
}

TEST(HelpPictures, FilterExamplesMatchTheFilters) {
    for (const help::FilterPicture& entry : help::kFilterPictures) {
        SCOPED_TRACE(std::string(entry.fileName));
        ExpectSamePicture(help::RenderFilterPicture(entry.filter), kSourceDir / "help" / "images" / entry.fileName);
    }
}

TEST(HelpPictures, FilterExamplesAreOpaqueAndTheFiltersDiffer) {
    const TBitmap32 precise = help::RenderFilterPicture(TStretchFilter::sfNearest);
    ASSERT_EQ(precise.Width(), help::kPatchSize * help::kPictureZoom);
    for (const help::FilterPicture& entry : help::kFilterPictures) {
        SCOPED_TRACE(std::string(entry.fileName));
        const TBitmap32 picture = help::RenderFilterPicture(entry.filter);
        bool opaque = true;
        bool differsFromPrecise = false;
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x) {
                opaque = opaque && (picture.At(x, y) >> 24) == 0xFFu;
                differsFromPrecise = differsFromPrecise || picture.At(x, y) != precise.At(x, y);
            }
        EXPECT_TRUE(opaque);
        EXPECT_EQ(differsFromPrecise, entry.filter != TStretchFilter::sfNearest);
    }
}

TEST(HelpPictures, ToolbarButtonsMatchTheToolbarStrip) {
    const BmpDecoded strip = DecodeFile(kSourceDir / "src" / "win32" / "res" / "toolbar_100.bmp");
    ASSERT_TRUE(strip.ok()) << strip.error;
    for (const help::ToolbarPicture& entry : help::kToolbarPictures) {
        SCOPED_TRACE(std::string(entry.fileName));
        const TBitmap32 button = help::CutToolbarPicture(strip.picture, entry.imageIndex);
        ASSERT_FALSE(button.Empty());
        ExpectSamePicture(button, kSourceDir / "help" / "images" / entry.fileName);
    }
}

}  // namespace
}  // namespace orvelle
