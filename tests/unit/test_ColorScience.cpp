#include "engine/ColorScience.h"

#include <gtest/gtest.h>

namespace orvelle {
namespace {

Rgb8 Grey(std::uint8_t v) { return Rgb8{v, v, v}; }

TEST(ColorScience, SrgbTransferFunctionAtKnownPoints) {
    EXPECT_DOUBLE_EQ(LinearFromSrgb(0), 0.0);
    EXPECT_DOUBLE_EQ(LinearFromSrgb(255), 1.0);
    EXPECT_NEAR(LinearFromSrgb(10), 10 / 255.0 / 12.92, 1e-12);  // the straight part
    EXPECT_NEAR(LinearFromSrgb(11), 0.0033465, 1e-7);            // the first value past the knee
    EXPECT_NEAR(LinearFromSrgb(128), 0.2158605, 1e-7);
    EXPECT_NEAR(LinearFromSrgb(188), 0.5028865, 1e-7);
}

TEST(ColorScience, LabAndOklchOfTheCssReferenceColours) {
    const struct {
        Rgb8 color;
        Lab lab;
        Oklch oklch;
    } rows[] = {
        {{255, 0, 0}, {54.2905, 80.8049, 69.8910}, {0.627955, 0.257683, 29.2339}},
        {{0, 255, 0}, {87.8185, -79.2711, 80.9946}, {0.866440, 0.294827, 142.4953}},
        {{0, 0, 255}, {29.5683, 68.2874, -112.0297}, {0.452014, 0.313214, 264.0520}},
    };
    for (const auto& row : rows) {
        const Lab lab = LabFromSrgb(row.color);
        EXPECT_NEAR(lab.l, row.lab.l, 1e-3);
        EXPECT_NEAR(lab.a, row.lab.a, 1e-3);
        EXPECT_NEAR(lab.b, row.lab.b, 1e-3);
        const Oklch lch = OklchFromSrgb(row.color);
        EXPECT_NEAR(lch.l, row.oklch.l, 1e-5);
        EXPECT_NEAR(lch.c, row.oklch.c, 1e-5);
        EXPECT_NEAR(lch.h, row.oklch.h, 1e-3);
    }
    // White is the reference white: L 100, no colour.
    const Lab white = LabFromSrgb(Grey(255));
    EXPECT_NEAR(white.l, 100.0, 1e-4);
    EXPECT_NEAR(white.a, 0.0, 1e-4);
    EXPECT_NEAR(white.b, 0.0, 1e-4);
    EXPECT_NEAR(OklchFromSrgb(Grey(255)).l, 1.0, 1e-5);
    EXPECT_NEAR(OklchFromSrgb(Grey(255)).c, 0.0, 1e-5);
}

TEST(ColorScience, WcagContrastOfKnownPairs) {
    EXPECT_DOUBLE_EQ(WcagContrast(Grey(0), Grey(255)), 21.0);
    EXPECT_DOUBLE_EQ(WcagContrast(Grey(255), Grey(0)), 21.0);  // the order does not matter
    EXPECT_DOUBLE_EQ(WcagContrast(Grey(100), Grey(100)), 1.0);
    EXPECT_NEAR(WcagContrast(Grey(0x76), Grey(255)), 4.5422, 1e-4);  // passes AA
    EXPECT_NEAR(WcagContrast(Grey(0x77), Grey(255)), 4.4781, 1e-4);  // fails it
    EXPECT_NEAR(WcagContrast(Rgb8{255, 0, 0}, Grey(255)), 3.9985, 1e-4);
    EXPECT_NEAR(WcagContrast(Rgb8{0, 0, 255}, Grey(255)), 8.5925, 1e-4);
}

TEST(ColorScience, ApcaOfItsPublishedPairs) {
    const struct {
        Rgb8 text;
        Rgb8 background;
        double lc;
    } rows[] = {
        {Grey(0x88), Grey(0xFF), 63.056},   {Grey(0xFF), Grey(0x88), -68.541},
        {Grey(0x00), Grey(0xAA), 58.146},   {Grey(0xAA), Grey(0x00), -56.241},
        {{0x11, 0x22, 0x33}, {0xDD, 0xEE, 0xFF}, 91.668}, {{0xDD, 0xEE, 0xFF}, {0x11, 0x22, 0x33}, -93.068},
        {Grey(0x00), Grey(0xFF), 106.041},   {Grey(0xFF), Grey(0x00), -107.885},
    };
    for (const auto& row : rows) EXPECT_NEAR(ApcaContrast(row.text, row.background), row.lc, 1e-3);
    // Colours too close to tell apart have no contrast at all.
    EXPECT_EQ(ApcaContrast(Grey(0x80), Grey(0x80)), 0.0);
}

}  // namespace
}  // namespace orvelle
