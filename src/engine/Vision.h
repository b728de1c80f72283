// Seeing as others see: the captured pixels as a person with a colour-vision
// deficiency would see them, or inverted. The three dichromacies use the
// matrices of Machado, Oliveira and Fernandes (2009) at severity 1.0, applied
// in linear light with the sRGB transfer function, clipped and encoded back,
// rounded to nearest; achromatopsia shows the luminance as grey. The alpha
// byte is kept.
#pragma once

#include <vector>

#include "engine/Image.h"

namespace orvelle {

enum class VisionMode { Normal, Protanopia, Deuteranopia, Tritanopia, Achromatopsia, Inverted, Count };

// One pixel as the mode shows it.
Pixel SimulateVision(Pixel pixel, VisionMode mode);

// Shows patch after patch in a way of seeing. A screen holds few colours (a
// window's face, text in a few greys, the same ones tick after tick as the
// patch follows the pointer), so each colour is worked out once and then
// looked up, until the mode changes; the look-up is direct-mapped, a
// multiplication and a comparison.
class VisionSimulator {
public:
    VisionSimulator();
    // `dst` takes `src`'s pixels as `mode` shows them; both have one size.
    void Simulate(ConstImageRef src, ImageRef dst, VisionMode mode);

private:
    static constexpr int kSlotBits = 12;
    static constexpr std::size_t kSlots = std::size_t{1} << kSlotBits;
    static constexpr Pixel kNoColor = 0xFF000000u;  // never a key: keys have no alpha bits

    VisionMode mode_ = VisionMode::Normal;
    std::vector<Pixel> keys_;    // the colour each slot holds, without alpha
    std::vector<Pixel> values_;  // that colour as `mode_` shows it
};

// One patch, without a simulator kept between patches.
void SimulateVision(ConstImageRef src, ImageRef dst, VisionMode mode);

}  // namespace orvelle
