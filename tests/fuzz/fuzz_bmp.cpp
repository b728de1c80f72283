// The BMP reader, which takes the language flags from outside the program.
#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzCheck.h"
#include "engine/BmpCodec.h"

using namespace orvelle;

namespace {

void CheckDecoded(const BmpDecoded& decoded) {
    if (!decoded.ok()) {
        FUZZ_CHECK(decoded.picture.Width() == 0 || decoded.picture.Height() == 0);
        return;
    }
    const TBitmap32& picture = decoded.picture;
    FUZZ_CHECK(picture.Width() > 0 && picture.Height() > 0);
    FUZZ_CHECK(picture.Width() <= kBmpMaxSide && picture.Height() <= kBmpMaxSide);
    // What was read is written and read again pixel for pixel.
    const std::vector<std::uint8_t> encoded = EncodeBmp32(picture);
    const BmpDecoded again = DecodeBmpFile(encoded);
    FUZZ_CHECK(again.ok());
    FUZZ_CHECK(again.picture.Width() == picture.Width() && again.picture.Height() == picture.Height());
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) FUZZ_CHECK(again.picture.At(x, y) == picture.At(x, y));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    CheckDecoded(DecodeBmpFile(bytes));
    // The same bytes as a resource's DIB, without the file header.
    if (size > 14) CheckDecoded(DecodeDib(bytes.subspan(14)));
    return 0;
}
