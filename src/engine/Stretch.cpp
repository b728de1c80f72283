// The stretch drawing: block replication here, the bilinear and kernel methods through the
// widest instruction set this build and processor offer (StretchPaths.h).
#include "engine/Stretch.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "engine/KernelPlan.h"
#include "engine/StretchPaths.h"
#include "engine/StretchTables.h"

#if defined(_MSC_VER) && (defined(_M_X64) || defined(_M_IX86))
#include <intrin.h>
#define ORVELLE_X86_MSVC 1
#elif (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__i386__))
#include <cpuid.h>
#define ORVELLE_X86_GNU 1
#endif

namespace orvelle {

// Each slot keeps the largest block asked of it, in whole cache lines. The
// kernel method's plan lives in some of them, and is kept with them.
class StretchScratch {
public:
    const KernelPlan& PlanFor(const KernelJob& job, int pixelsPerUnit) {
        const PlanKey key{job.tables, job.area.left, job.area.Width(), pixelsPerUnit};
        if (planKey_ != key) {
            planKey_.reset();  // until the plan is whole
            plan_ = MakeKernelPlan(job, pixelsPerUnit);
            planKey_ = key;
        }
        return plan_;
    }

    void* Memory(ScratchSlot slot, std::size_t bytes) {
        std::vector<Line>& block = blocks_[static_cast<std::size_t>(slot)];
        const std::size_t lines = std::max<std::size_t>((bytes + sizeof(Line) - 1) / sizeof(Line), 1);
        if (block.size() < lines) {
            block.clear();  // the contents need not survive, so nothing is copied
            block.resize(lines);
        }
        return block.data();
    }

private:
    struct alignas(64) Line {
        unsigned char bytes[64];
    };
    std::array<std::vector<Line>, kScratchSlotCount> blocks_;
    struct PlanKey {
        unsigned long long tables;
        int left;
        int width;
        int pixelsPerUnit;
        friend bool operator==(const PlanKey&, const PlanKey&) = default;
    };
    std::optional<PlanKey> planKey_;
    KernelPlan plan_;
};

const KernelPlan& KernelPlanFor(const KernelJob& job, int pixelsPerUnit) {
    return job.scratch->PlanFor(job, pixelsPerUnit);
}

void* ScratchMemory(StretchScratch& scratch, ScratchSlot slot, std::size_t bytes) {
    return scratch.Memory(slot, bytes);
}

namespace {

// What the weight tables were built for.
struct TableKey {
    TStretchFilter filter;
    Size src;
    Size dst;
    friend bool operator==(const TableKey&, const TableKey&) = default;
};

// What one drawing leaves for the next, so that repainting a view of unchanged size and filter,
// many times a second, allocates nothing: the weight tables of the last geometry, and working
// memory that only grows. One per thread, so that drawings on several threads share nothing.
struct StretchWorkspace {
    std::optional<TableKey> bilinearKey;  // the tables below are for this, when set
    BilinearAxis bilinearColumns;
    BilinearAxis bilinearRows;
    std::optional<TableKey> kernelKey;
    KernelAxis kernelColumns;
    KernelAxis kernelRows;
    unsigned long long kernelTables = 0;  // counts the kernel tables built
    StretchScratch scratch;
    std::vector<NearestRun> runs;
    std::vector<Pixel> expanded;
};

StretchWorkspace& Workspace() {
    thread_local StretchWorkspace workspace;
    return workspace;
}

// AVX2 needs the processor's support and the system's saving of the wide registers.
bool ProcessorHasAvx2() {
#if defined(ORVELLE_X86_MSVC)
    int info[4];
    __cpuid(info, 0);
    if (info[0] < 7) return false;
    __cpuid(info, 1);
    const bool osSaves = (info[2] & (1 << 27)) != 0;
    const bool avx = (info[2] & (1 << 28)) != 0;
    if (!osSaves || !avx || (_xgetbv(0) & 6) != 6) return false;
    __cpuidex(info, 7, 0);
    return (info[1] & (1 << 5)) != 0;
#elif defined(ORVELLE_X86_GNU)
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (__get_cpuid_max(0, nullptr) < 7) return false;
    __cpuid(1, a, b, c, d);
    const bool osSaves = (c & (1u << 27)) != 0;
    const bool avx = (c & (1u << 28)) != 0;
    if (!osSaves || !avx) return false;
    unsigned xcr0 = 0, xcr0High = 0;
    __asm__ volatile("xgetbv" : "=a"(xcr0), "=d"(xcr0High) : "c"(0));
    if ((xcr0 & 6u) != 6u) return false;
    __cpuid_count(7, 0, a, b, c, d);
    return (b & (1u << 5)) != 0;
#else
    return false;
#endif
}

// Every 64-bit x86 processor has SSE2; a 32-bit build may have the SSE2 loops compiled in and
// still meet a processor without it.
bool ProcessorHasSse2() {
#if defined(_M_X64) || defined(__x86_64__)
    return true;
#elif defined(ORVELLE_X86_MSVC)
    int info[4];
    __cpuid(info, 1);
    return (info[3] & (1 << 26)) != 0;
#elif defined(ORVELLE_X86_GNU)
    unsigned a = 0, b = 0, c = 0, d = 0;
    return __get_cpuid(1, &a, &b, &c, &d) != 0 && (d & (1u << 26)) != 0;
#else
    return true;  // the loops are only compiled where the target guarantees it
#endif
}

StretchSimd DetectBest() {
    if (Avx2StretchPath() != nullptr && ProcessorHasAvx2()) return StretchSimd::Avx2;
    if (Sse2StretchPath() != nullptr && ProcessorHasSse2()) return StretchSimd::Sse2;
    return StretchSimd::Scalar;
}

StretchSimd& ActiveLevel() {
    static StretchSimd level = BestStretchSimd();
    return level;
}

const StretchPath& ActivePath() {
    switch (ActiveLevel()) {
        case StretchSimd::Avx2: return *Avx2StretchPath();
        case StretchSimd::Sse2: return *Sse2StretchPath();
        default: return ScalarStretchPath();
    }
}

int CeilDiv(long long a, long long b) { return static_cast<int>((a + b - 1) / b); }

// Block replication: destination column i shows source column floor(i * Sw / Dw), so source
// column s fills the run [ceil(s * Dw / Sw), ceil((s + 1) * Dw / Sw)); rows likewise. Each source
// row is expanded once into a small buffer, and the rows of its block are whole copies of it (the
// library's copy writes long rows faster than vector stores do here).
void StretchNearest(ConstImageRef src, ImageRef dst, Rect area, const StretchPath& path, StretchWorkspace& workspace) {
    const int firstColumn = static_cast<int>(static_cast<long long>(area.left) * src.width / dst.width);
    const int lastColumn = static_cast<int>(static_cast<long long>(area.right - 1) * src.width / dst.width);
    std::vector<NearestRun>& runs = workspace.runs;
    runs.clear();
    for (int s = firstColumn; s <= lastColumn; ++s) {
        const int begin = std::max(area.left, CeilDiv(static_cast<long long>(s) * dst.width, src.width));
        const int end = std::min(area.right, CeilDiv(static_cast<long long>(s + 1) * dst.width, src.width));
        if (begin < end) runs.push_back(NearestRun{s, begin - area.left, end - area.left});
    }
    const int runLength = dst.width % src.width == 0 ? dst.width / src.width : 0;
    // The buffer starts at the same place in a cache line as the area's first row: the copy is
    // slower between mutually misaligned rows, and several times slower on some processors when a
    // row lies a few bytes above the buffer modulo 1 KiB, which this rules out for most widths.
    constexpr std::size_t kLine = 64;
    std::vector<Pixel>& buffer = workspace.expanded;
    buffer.resize(static_cast<std::size_t>(area.Width()) + kLine / sizeof(Pixel));
    const std::uintptr_t firstRow = reinterpret_cast<std::uintptr_t>(dst.Row(area.top) + area.left);
    const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(buffer.data());
    Pixel* const expanded = buffer.data() + (firstRow - start) % kLine / sizeof(Pixel);
    const std::size_t rowBytes = sizeof(Pixel) * static_cast<std::size_t>(area.Width());
    int expandedRow = -1;
    for (int j = area.top; j < area.bottom; ++j) {
        const int sourceRow = static_cast<int>(static_cast<long long>(j) * src.height / dst.height);
        if (sourceRow != expandedRow) {
            path.fillRuns(src.Row(sourceRow), runs.data(), static_cast<int>(runs.size()), runLength, expanded);
            expandedRow = sourceRow;
        }
        std::memcpy(dst.Row(j) + area.left, expanded, rowBytes);
    }
}

}  // namespace

StretchSimd BestStretchSimd() {
    static const StretchSimd best = DetectBest();
    return best;
}

void SetStretchSimdLevel(StretchSimd level) {
    ActiveLevel() = static_cast<int>(level) < static_cast<int>(BestStretchSimd()) ? level : BestStretchSimd();
}

StretchSimd ActiveStretchSimd() { return ActiveLevel(); }

void StretchDraw(ConstImageRef src, ImageRef dst, TStretchFilter filter, Rect area) {
    area = Intersect(area, Rect{0, 0, dst.width, dst.height});
    if (area.IsEmpty() || src.width <= 0 || src.height <= 0) return;
    StretchWorkspace& workspace = Workspace();
    const Size srcSize{src.width, src.height}, dstSize{dst.width, dst.height};
    switch (filter) {
        case TStretchFilter::sfDraft:
        case TStretchFilter::sfLinear: {
            const TableKey key{TStretchFilter::sfLinear, srcSize, dstSize};  // both filters share the tables
            if (workspace.bilinearKey != key) {
                workspace.bilinearKey.reset();  // until both tables are in place
                workspace.bilinearColumns = BuildBilinearAxis(src.width, dst.width);
                workspace.bilinearRows = BuildBilinearAxis(src.height, dst.height);
                workspace.bilinearKey = key;
            }
            ActivePath().bilinear(BilinearJob{src, dst, area, &workspace.bilinearColumns, &workspace.bilinearRows,
                                              &workspace.scratch});
            break;
        }
        case TStretchFilter::sfCosine:
        case TStretchFilter::sfSpline:
        case TStretchFilter::sfLanczos:
        case TStretchFilter::sfMitchell: {
            const TableKey key{filter, srcSize, dstSize};
            if (workspace.kernelKey != key) {
                workspace.kernelKey.reset();
                workspace.kernelColumns = BuildKernelAxis(filter, src.width, dst.width, kStretchOverhang);
                workspace.kernelRows = BuildKernelAxis(filter, src.height, dst.height, 0);
                workspace.kernelKey = key;
                ++workspace.kernelTables;
            }
            ActivePath().kernel(KernelJob{src, dst, area, &workspace.kernelColumns, &workspace.kernelRows,
                                          StretchKernelClamps(filter), &workspace.scratch, workspace.kernelTables});
            break;
        }
        default:
            StretchNearest(src, dst, area, ActivePath(), workspace);
            break;
    }
}

}  // namespace orvelle
