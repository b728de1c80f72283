#include "app/MainState.h"

namespace orvelle {

TStretchFilter MainState::Filter() const {
    if (magnify == Magnify::Precise || !smoothing) return TStretchFilter::sfNearest;
    switch (*smoothing) {
        case Smoothing::Simple: return TStretchFilter::sfDraft;
        case Smoothing::Linear: return TStretchFilter::sfLinear;
        case Smoothing::Cosine: return TStretchFilter::sfCosine;
        case Smoothing::Bicubic: return TStretchFilter::sfSpline;
        case Smoothing::Lanczos: return TStretchFilter::sfLanczos;
        case Smoothing::Mitchell: return TStretchFilter::sfMitchell;
    }
    return TStretchFilter::sfNearest;
}

}  // namespace orvelle
