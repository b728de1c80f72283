// How the vector paths resample the destination rows of the kernel method:
// built here once, in portable code, for every instruction set, and kept in
// the drawing's working memory for as long as the tables and the area stay.
//
// A unit is what one register computes: a pixel (4 lanes) or a pair of
// pixels (8 lanes). Units of a group of four write one vector store. Each
// unit reads one window of vertical sums (both pixels of a pair, their runs
// shifted inside it) and `steps` weight vectors. Groups repeat the pattern
// of windows and weights every `types` groups, their windows `advance` int32s
// further on, because the zoom is a whole factor.
#pragma once

#include <cstdint>

#include "engine/StretchPaths.h"

namespace orvelle {

struct KernelPlan {
    bool vectorizable = false;  // false: the scalar path draws the job
    bool narrow = false;        // the sums' form (StretchPaths.h)
    bool shared = false;        // the first two and the last two units of a group read one window
    int steps = 0;              // pmaddwd per unit
    int lo = 0;                 // the source columns whose vertical sums the rows read
    int hi = 0;
    int width = 0;              // of the area
    int types = 0;
    int advance = 0;
    const int* offset = nullptr;  // per unit, into the sums in int32s
    const int* phase = nullptr;   // per unit, into the weights in vectors
    // Per slot and step one vector of 4 * pixelsPerUnit lanes, four for each pixel of the unit.
    const std::int32_t* weights = nullptr;
};

// The plan of `job` for units of `pixelsPerUnit` (1 or 2) pixels, from the
// working memory when it was made for the same tables and area.
const KernelPlan& KernelPlanFor(const KernelJob& job, int pixelsPerUnit);

// Makes the plan, its arrays in the job's working memory.
KernelPlan MakeKernelPlan(const KernelJob& job, int pixelsPerUnit);

}  // namespace orvelle
