#include "app/ColorText.h"

#include <gtest/gtest.h>

#include <string>

namespace orvelle {
namespace {

struct FormatRow {
    ColorFormat format;
    const char* black;
    const char* grey;
    const char* red;
    const char* maroon;
};

// The texts users see and paste, for #000000, #808080, #FF0000 and #651323.
// LAB and OKLCH agree with the CSS Color 4 conversions (D50 Lab with the
// Bradford adaptation; OKLab) as published for these colours.
const FormatRow kFormats[] = {
    {ColorFormat::Hex, "#000000", "#808080", "#FF0000", "#651323"},
    {ColorFormat::Rgb, "rgb(0, 0, 0)", "rgb(128, 128, 128)", "rgb(255, 0, 0)", "rgb(101, 19, 35)"},
    {ColorFormat::Hsl, "hsl(0, 0%, 0%)", "hsl(0, 0%, 50%)", "hsl(0, 100%, 50%)", "hsl(348, 68%, 24%)"},
    {ColorFormat::Hsv, "hsv(0, 0%, 0%)", "hsv(0, 0%, 50%)", "hsv(0, 100%, 100%)", "hsv(348, 81%, 40%)"},
    {ColorFormat::Cmyk, "cmyk(0%, 0%, 0%, 100%)", "cmyk(0%, 0%, 0%, 50%)", "cmyk(0%, 100%, 100%, 0%)",
     "cmyk(0%, 81%, 65%, 60%)"},
    {ColorFormat::Lab, "lab(0.00% 0.00 0.00)", "lab(53.59% 0.00 0.00)", "lab(54.29% 80.80 69.89)",
     "lab(21.81% 36.95 13.26)"},
    {ColorFormat::Oklch, "oklch(0.00% 0.0000 0.00)", "oklch(59.99% 0.0000 0.00)", "oklch(62.80% 0.2577 29.23)",
     "oklch(33.69% 0.1142 15.32)"},
};

TEST(ColorText, EveryFormatOfFourColours) {
    for (const FormatRow& row : kFormats) {
        SCOPED_TRACE(std::string(ColorFormatName(row.format)));
        EXPECT_EQ(ColorText(0xFF000000u, row.format), row.black);
        EXPECT_EQ(ColorText(0xFF808080u, row.format), row.grey);
        EXPECT_EQ(ColorText(0xFFFF0000u, row.format), row.red);
        EXPECT_EQ(ColorText(0xFF651323u, row.format), row.maroon);
    }
}

TEST(ColorText, PublishedLabAndOklchOfThePrimariesAndWhite) {
    // CSS Color 4: green lab(87.8185% -79.2711 80.9946), blue lab(29.5683%
    // 68.2874 -112.0297); OKLab: green oklch(0.86644 0.294827 142.4953), blue
    // oklch(0.452014 0.313214 264.052); white has no hue and no negative zero.
    const struct {
        Pixel color;
        const char* lab;
        const char* oklch;
    } rows[] = {
        {0xFF00FF00u, "lab(87.82% -79.27 80.99)", "oklch(86.64% 0.2948 142.50)"},
        {0xFF0000FFu, "lab(29.57% 68.29 -112.03)", "oklch(45.20% 0.3132 264.05)"},
        {0xFFFFFFFFu, "lab(100.00% 0.00 0.00)", "oklch(100.00% 0.0000 0.00)"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ColorText(row.color, ColorFormat::Lab), row.lab);
        EXPECT_EQ(ColorText(row.color, ColorFormat::Oklch), row.oklch);
    }
}

TEST(ColorText, HuesRoundToWholeDegreesAndNeverRead360) {
    // #FF0001: a hue of 359.76 degrees rounds to 360, which is 0.
    EXPECT_EQ(ColorText(0xFFFF0001u, ColorFormat::Hsl), "hsl(0, 100%, 50%)");
    EXPECT_EQ(ColorText(0xFFFF0001u, ColorFormat::Hsv), "hsv(0, 100%, 100%)");
    // #FF8000: 30.12 degrees; #80FF00: 89.88 degrees; the alpha byte is not part of the colour.
    EXPECT_EQ(ColorText(0x00FF8000u, ColorFormat::Hsl), "hsl(30, 100%, 50%)");
    EXPECT_EQ(ColorText(0xFF80FF00u, ColorFormat::Hsv), "hsv(90, 100%, 100%)");
    // 50 % lightness of #7F7F7F is 49.8: rounds to 50; #BFBFBF is 74.9 -> 75.
    EXPECT_EQ(ColorText(0xFF7F7F7Fu, ColorFormat::Hsl), "hsl(0, 0%, 50%)");
    EXPECT_EQ(ColorText(0xFFBFBFBFu, ColorFormat::Cmyk), "cmyk(0%, 0%, 0%, 25%)");
}

TEST(ColorText, TemplatePlaceholdersAndOtherText) {
    const struct {
        const char* templateText;
        const char* expected;
    } rows[] = {
        {"{r}, {g}, {b}", "101, 19, 35"},
        {"Color.FromArgb({r}, {g}, {b})", "Color.FromArgb(101, 19, 35)"},
        {"0x{R}{G}{B}", "0x651323"},
        {"vec3({rf}, {gf}, {bf})", "vec3(0.396, 0.075, 0.137)"},
        {"{x} {r} {", "{x} 101 {"},           // unknown names and an open brace stay
        {"{R}{r}}{{b}", "65101}{35"},           // a stray brace before a placeholder
        {"{RF} {Rf} {rF}", "{RF} {Rf} {rF}"},  // names are case-sensitive
        {"", ""},
        {"plain", "plain"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ColorText(0xFF651323u, ColorFormat::Template, row.templateText), row.expected) << row.templateText;
    EXPECT_EQ(ColorText(0xFFFFFFFFu, ColorFormat::Template, "{rf}/{R}"), "1.000/FF");
}

TEST(ColorText, FormatNamesReadBackAndAnythingElseIsHex) {
    for (int i = 0; i < static_cast<int>(ColorFormat::Count); ++i) {
        const auto format = static_cast<ColorFormat>(i);
        EXPECT_EQ(ColorFormatNamed(ColorFormatName(format)), format);
    }
    EXPECT_EQ(ColorFormatName(ColorFormat::Template), "TEMPLATE");
    for (const char* other : {"", "hex", "Rgb", "HSB", "LAB ", "OKLAB"})
        EXPECT_EQ(ColorFormatNamed(other), ColorFormat::Hex) << other;
}

TEST(ColorText, StoredColoursParseOnlyAsSevenCharacters) {
    Pixel color = 0;
    EXPECT_TRUE(ParseHexColor("#651323", color));
    EXPECT_EQ(color, 0xFF651323u);
    EXPECT_TRUE(ParseHexColor("#abcdef", color));
    EXPECT_EQ(color, 0xFFABCDEFu);
    for (const char* bad : {"", "#", "651323", "#65132", "#6513234", "#65132G", " #651323", "#-12345"}) {
        color = 0x12345678u;
        EXPECT_FALSE(ParseHexColor(bad, color)) << bad;
        EXPECT_EQ(color, 0x12345678u) << bad;
    }
}

TEST(ColorText, ContrastIsCutNotRounded) {
    EXPECT_DOUBLE_EQ(TruncatedContrast(4.549), 4.54);
    EXPECT_DOUBLE_EQ(TruncatedContrast(4.4999), 4.49);
    EXPECT_DOUBLE_EQ(TruncatedContrast(21.0), 21.0);
    EXPECT_DOUBLE_EQ(TruncatedContrast(1.0), 1.0);
    EXPECT_DOUBLE_EQ(TruncatedContrast(3.0), 3.0);
}

TEST(ColorText, ContrastReportOfKnownPairs) {
    // #767676 on white is the darkest grey that passes AA: 4.54:1.
    EXPECT_EQ(ContrastReport(0xFF767676u, 0xFFFFFFFFu),
              "Text: #767676\r\nBackground: #FFFFFF\r\nContrast: 4.54:1\r\nAA normal text: pass\r\n"
              "AA large text: pass\r\nAAA normal text: fail\r\nAAA large text: pass\r\nAPCA Lc: 71.6\r\n");
    // #777777 is one step lighter and fails AA at 4.47.
    EXPECT_EQ(ContrastReport(0xFF777777u, 0xFFFFFFFFu),
              "Text: #777777\r\nBackground: #FFFFFF\r\nContrast: 4.47:1\r\nAA normal text: fail\r\n"
              "AA large text: pass\r\nAAA normal text: fail\r\nAAA large text: fail\r\nAPCA Lc: 71.1\r\n");
    // White text on black: the most there is, negative APCA for light on dark.
    EXPECT_EQ(ContrastReport(0xFFFFFFFFu, 0xFF000000u),
              "Text: #FFFFFF\r\nBackground: #000000\r\nContrast: 21.00:1\r\nAA normal text: pass\r\n"
              "AA large text: pass\r\nAAA normal text: pass\r\nAAA large text: pass\r\nAPCA Lc: -107.9\r\n");
    // One colour on itself: 1:1 fails everything, and APCA is exactly 0.
    EXPECT_EQ(ContrastReport(0xFF808080u, 0xFF808080u),
              "Text: #808080\r\nBackground: #808080\r\nContrast: 1.00:1\r\nAA normal text: fail\r\n"
              "AA large text: fail\r\nAAA normal text: fail\r\nAAA large text: fail\r\nAPCA Lc: 0.0\r\n");
}

TEST(ColorText, ContrastSummaryNamesTheLevelsPassed) {
    const struct {
        Pixel text;
        Pixel background;
        const char* expected;
    } rows[] = {
        {0xFF000000u, 0xFFFFFFFFu, "21.00:1 AAA"},
        {0xFF767676u, 0xFFFFFFFFu, "4.54:1 AA"},
        {0xFF777777u, 0xFFFFFFFFu, "4.47:1 AA large"},
        {0xFFFFFFFFu, 0xFFFFFFFFu, "1.00:1 fail"},
    };
    std::string out;
    for (const auto& row : rows) {
        ContrastSummary(row.text, row.background, out);
        EXPECT_EQ(out, row.expected);
    }
}

}  // namespace
}  // namespace orvelle
