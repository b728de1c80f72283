// The view is repainted up to 50 times a second: once the first tick has set everything up, a tick
// must not touch the heap. This file replaces the global allocation functions of the whole test
// binary with ones that forward to malloc and free, and count while asked to.
#include <gtest/gtest.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "MainWindowFixture.h"
#include "SimdLevels.h"
#include "engine/Bitmap32.h"
#include "engine/Stretch.h"

namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

void* Allocate(std::size_t size) {
    if (counting.load(std::memory_order_relaxed)) allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size == 0 ? 1 : size);
}

// Over-aligned blocks come from a larger malloc block, whose address is kept just before them.
void* AllocateAligned(std::size_t size, std::align_val_t alignment) {
    const std::size_t align = static_cast<std::size_t>(alignment);
    void* const block = Allocate(size + align + sizeof(void*));
    if (block == nullptr) return nullptr;
    const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(block) + sizeof(void*);
    void** const aligned = reinterpret_cast<void**>((start + align - 1) & ~static_cast<std::uintptr_t>(align - 1));
    aligned[-1] = block;
    return aligned;
}

void FreeAligned(void* p) {
    if (p != nullptr) std::free(static_cast<void**>(p)[-1]);
}

void* AllocateOrThrow(std::size_t size) {
    if (void* p = Allocate(size)) return p;
    throw std::bad_alloc();
}

void* AllocateAlignedOrThrow(std::size_t size, std::align_val_t alignment) {
    if (void* p = AllocateAligned(size, alignment)) return p;
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return AllocateOrThrow(size); }
void* operator new[](std::size_t size) { return AllocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new(std::size_t size, std::align_val_t a) { return AllocateAlignedOrThrow(size, a); }
void* operator new[](std::size_t size, std::align_val_t a) { return AllocateAlignedOrThrow(size, a); }
void* operator new(std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept {
    return AllocateAligned(size, a);
}
void* operator new[](std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept {
    return AllocateAligned(size, a);
}

void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t) noexcept { FreeAligned(p); }
void operator delete[](void* p, std::align_val_t) noexcept { FreeAligned(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { FreeAligned(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { FreeAligned(p); }
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept { FreeAligned(p); }
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept { FreeAligned(p); }

namespace orvelle::testing {
namespace {

using reference::ForEachSimdLevel;

// The allocations `work` makes. It must not report test results: a failure message allocates.
template <class Work>
long AllocationsDuring(Work work) {
    allocations = 0;
    counting = true;
    work();
    counting = false;
    return allocations;
}

constexpr TStretchFilter kAllFilters[] = {TStretchFilter::sfNearest, TStretchFilter::sfDraft,
                                          TStretchFilter::sfLinear,  TStretchFilter::sfCosine,
                                          TStretchFilter::sfSpline,  TStretchFilter::sfLanczos,
                                          TStretchFilter::sfMitchell};

TBitmap32 RandomPicture(int width, int height, std::uint32_t seed) {
    std::mt19937 random(seed);
    TBitmap32 picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.At(x, y) = static_cast<Pixel>(random());
    return picture;
}

TEST(TickAllocations, CounterSeesEveryKindOfAllocation) {
    struct alignas(64) Line {
        unsigned char bytes[64];
    };
    std::vector<int> plain;
    std::vector<Line> aligned;
    std::string* text = nullptr;
    EXPECT_EQ(AllocationsDuring([&] { plain.resize(1000); }), 1);
    EXPECT_EQ(AllocationsDuring([&] { aligned.resize(10); }), 1);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(aligned.data()) % 64, 0u);
    EXPECT_EQ(AllocationsDuring([&] { text = new (std::nothrow) std::string(100, 'x'); }), 2);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->size(), 100u);
    delete text;
    EXPECT_EQ(AllocationsDuring([] {}), 0);
}

struct Geometry {
    int width;
    int height;
    int zoom;
};

// The default window, an odd zoom, and a large zoom on a small picture.
constexpr Geometry kGeometries[] = {{47, 19, 8}, {33, 21, 3}, {9, 6, 32}};

TEST(TickAllocations, RepeatedDrawingAllocatesNothing) {
    for (const Geometry& g : kGeometries) {
        const TBitmap32 src = RandomPicture(g.width, g.height, static_cast<std::uint32_t>(g.zoom));
        TBitmap32 dst(g.width * g.zoom, g.height * g.zoom);
        const Rect whole{0, 0, dst.Width(), dst.Height()};
        const Rect part{dst.Width() / 5 + 1, dst.Height() / 4 + 1, dst.Width() * 3 / 4, dst.Height() * 2 / 3};
        for (TStretchFilter filter : kAllFilters) {
            ForEachSimdLevel([&] {
                for (const Rect& area : {whole, part}) {
                    SCOPED_TRACE(::testing::Message() << g.width << "x" << g.height << " z=" << g.zoom << " filter "
                                                      << static_cast<int>(filter) << " area " << area.left << ","
                                                      << area.top << " - " << area.right << "," << area.bottom);
                    StretchDraw(src.Ref(), dst.Ref(), filter, area);
                    EXPECT_EQ(AllocationsDuring([&] { StretchDraw(src.Ref(), dst.Ref(), filter, area); }), 0);
                }
            });
        }
    }
}

// What the drawing keeps between calls must not show: every drawing, whatever came before it on
// this thread, equals the same drawing made first thing on a new thread.
TEST(TickAllocations, KeptTablesAndMemoryDoNotChangeThePixels) {
    struct Drawing {
        TStretchFilter filter;
        int geometry;
    };
    // Larger before smaller, filters that share tables, the same size under another filter.
    const Drawing order[] = {
        {TStretchFilter::sfLanczos, 0}, {TStretchFilter::sfMitchell, 0}, {TStretchFilter::sfLanczos, 1},
        {TStretchFilter::sfDraft, 1},   {TStretchFilter::sfLinear, 1},   {TStretchFilter::sfLinear, 0},
        {TStretchFilter::sfNearest, 0}, {TStretchFilter::sfNearest, 2},  {TStretchFilter::sfSpline, 0},
        {TStretchFilter::sfCosine, 0},  {TStretchFilter::sfSpline, 2},   {TStretchFilter::sfLanczos, 0},
    };
    std::vector<TBitmap32> sources;
    for (const Geometry& g : kGeometries) sources.push_back(RandomPicture(g.width, g.height, 77));
    auto draw = [&](const Drawing& d, Rect area) {
        const Geometry& g = kGeometries[d.geometry];
        TBitmap32 dst(g.width * g.zoom, g.height * g.zoom);
        StretchDraw(sources[static_cast<std::size_t>(d.geometry)].Ref(), dst.Ref(), d.filter, area);
        return dst;
    };
    ForEachSimdLevel([&] {
        for (const Drawing& d : order) {
            const Geometry& g = kGeometries[d.geometry];
            for (const Rect& area : {Rect{0, 0, g.width * g.zoom, g.height * g.zoom}, Rect{5, 3, 40, 30}}) {
                SCOPED_TRACE(::testing::Message() << g.width << "x" << g.height << " z=" << g.zoom << " filter "
                                                  << static_cast<int>(d.filter) << " area " << area.left << ","
                                                  << area.top << " - " << area.right << "," << area.bottom);
                const TBitmap32 kept = draw(d, area);
                TBitmap32 fresh;
                std::thread([&] { fresh = draw(d, area); }).join();
                int differing = 0;
                for (int y = 0; y < kept.Height(); ++y)
                    for (int x = 0; x < kept.Width(); ++x) differing += kept.At(x, y) != fresh.At(x, y);
                EXPECT_EQ(differing, 0);
            }
        }
    });
}

// One refresh tick of the main window, grid and pointer marker shown, painted into a view bitmap
// that the window keeps.
class TickFixture : public MainWindowFixture {
protected:
    TBitmap32 viewBitmap;

    void Prepare(Command smoothingType, Command magnification) {
        Start();
        form->Execute(Command::menuShowGrid);
        form->Execute(Command::menuShowCursor);
        form->Execute(smoothingType);
        form->Execute(magnification);
        const Rect& bounds = form->Shown().Place(Control::imgZoom).bounds;
        viewBitmap = TBitmap32(bounds.Width(), bounds.Height());
        view.record = false;
        screen.record = false;
    }

    void Tick() {
        clock.Advance(20);
        screen.cursor.x += 3;
        screen.cursor.y += 1;
        form->RefresherTimer();
        form->PaintView(viewBitmap.Ref(), Rect{0, 0, viewBitmap.Width(), viewBitmap.Height()});
    }
};

TEST_F(TickFixture, TickAllocatesNothingAfterTheFirst) {
    struct Case {
        const char* name;
        Command smoothingType;
        Command magnification;
        TStretchFilter filter;
    };
    const Case cases[] = {
        {"Precise", Command::menuLanczos, Command::menuPrecise, TStretchFilter::sfNearest},
        {"Lanczos", Command::menuLanczos, Command::menuSmooth, TStretchFilter::sfLanczos},
        {"Simple", Command::menuSimple, Command::menuSmooth, TStretchFilter::sfDraft},
        {"Bicubic", Command::menuBicubic, Command::menuSmooth, TStretchFilter::sfSpline},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        view = FakeMainView{};
        Recreate();
        Prepare(c.smoothingType, c.magnification);
        ASSERT_TRUE(form->Shown().Checked(Command::menuShowGrid));
        ASSERT_TRUE(form->Shown().Checked(Command::menuShowCursor));
        ASSERT_EQ(form->Picture().Capture().StretchFilter(), c.filter);
        ASSERT_FALSE(viewBitmap.Empty());
        Tick();
        const int repaints = view.repaints;
        const std::string readout = view.statusTexts[3];
        EXPECT_EQ(AllocationsDuring([&] { Tick(); }), 0);
        // The counted tick did its work: a new pointer position, shown and marked.
        EXPECT_EQ(view.repaints, repaints + 1);
        EXPECT_NE(view.statusTexts[3], readout);
        EXPECT_TRUE(form->Picture().Marker().Shown());
        EXPECT_TRUE(form->Picture().Grid().Shown());
    }
}

// Over a still screen the tick compares the capture with the frame last
// painted, and keeps that frame, in memory it already holds.
TEST_F(TickFixture, StillTicksAndTheTickAfterAllocateNothing) {
    Prepare(Command::menuLanczos, Command::menuSmooth);
    Tick();
    Tick();
    const int repaints = view.repaints;
    EXPECT_EQ(AllocationsDuring([&] {
                  for (int i = 0; i < 3; ++i) {
                      clock.Advance(20);
                      form->RefresherTimer();
                  }
              }),
              0);
    EXPECT_EQ(view.repaints, repaints);  // nothing changed: nothing painted
    EXPECT_EQ(AllocationsDuring([&] { Tick(); }), 0);
    EXPECT_EQ(view.repaints, repaints + 1);  // the pointer moved: painted again
}

}  // namespace
}  // namespace orvelle::testing
