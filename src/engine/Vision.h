// Seeing as others see: the captured pixels as a person with a colour-vision
// deficiency would see them, or inverted. The three dichromacies use the
// matrices of Machado, Oliveira and Fernandes (2009) at severity 1.0, applied
// in linear light with the sRGB transfer function, clipped and encoded back,
// rounded to nearest; achromatopsia shows the luminance as grey. The alpha
// byte is kept.
#pragma once

#include "engine/Image.h"

namespace orvelle {

enum class VisionMode { Normal, Protanopia, Deuteranopia, Tritanopia, Achromatopsia, Inverted, Count };

// One pixel as the mode shows it.
Pixel SimulateVision(Pixel pixel, VisionMode mode);

// `dst` takes `src`'s pixels as the mode shows them; both have one size. A
// table turns each channel into linear light and a second one back, so that
// a screen patch takes a few multiplications a pixel.
void SimulateVision(ConstImageRef src, ImageRef dst, VisionMode mode);

}  // namespace orvelle
