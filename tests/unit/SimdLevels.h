// Runs a test body through every stretch path this machine offers.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/Stretch.h"

namespace orvelle::reference {

inline std::string SimdName(StretchSimd level) {
    const char* names[] = {"Scalar", "Sse2", "Avx2"};
    return names[static_cast<int>(level)];
}

// Runs `body` once per instruction set this machine offers, the portable one
// included, and leaves the best one active afterwards.
template <class Body>
void ForEachSimdLevel(Body body) {
    for (int level = 0; level <= static_cast<int>(BestStretchSimd()); ++level) {
        SetStretchSimdLevel(static_cast<StretchSimd>(level));
        ASSERT_EQ(ActiveStretchSimd(), static_cast<StretchSimd>(level));
        SCOPED_TRACE(SimdName(ActiveStretchSimd()));
        body();
    }
    SetStretchSimdLevel(BestStretchSimd());
}

}  // namespace orvelle::reference
