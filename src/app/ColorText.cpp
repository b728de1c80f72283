#include "app/ColorText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace orvelle {

namespace {

constexpr std::array<std::string_view, static_cast<std::size_t>(ColorFormat::Count)> kNames{
    "HEX", "RGB", "HSL", "HSV", "CMYK", "LAB", "OKLCH", "TEMPLATE"};

// Whole numbers rounded to nearest, halves up; a hair over for values that a
// binary fraction puts just under a half.
int Whole(double value) { return static_cast<int>(std::floor(value + 0.5 + 1e-9)); }

// A fixed-point number that never reads "-0.00".
double NotNegativeZero(double value, int decimals) {
    const double unit = 0.5 * std::pow(10.0, -decimals);
    return std::abs(value) < unit ? 0.0 : value;
}

struct HueParts {
    double hue = 0;  // degrees; 0 for a grey
    double max = 0;
    double min = 0;
};

HueParts Hue(Rgb8 c) {
    const double r = c.r / 255.0, g = c.g / 255.0, b = c.b / 255.0;
    HueParts parts;
    parts.max = std::max({r, g, b});
    parts.min = std::min({r, g, b});
    const double d = parts.max - parts.min;
    if (d <= 0) return parts;
    double h = 0;
    if (parts.max == r)
        h = std::fmod((g - b) / d, 6.0);
    else if (parts.max == g)
        h = (b - r) / d + 2.0;
    else
        h = (r - g) / d + 4.0;
    h *= 60.0;
    if (h < 0) h += 360.0;
    parts.hue = h;
    return parts;
}

int WholeHue(double hue) {
    const int whole = Whole(hue);
    return whole >= 360 ? whole - 360 : whole;
}

void Append(std::string& out, const char* text, int length) {
    if (length > 0) out.append(text, static_cast<std::size_t>(length));
}

void ApplyTemplate(Rgb8 c, std::string_view text, std::string& out) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    const std::uint8_t channels[3] = {c.r, c.g, c.b};
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '{') {
            const std::size_t close = text.find('}', i);
            if (close != std::string_view::npos) {
                const std::string_view name = text.substr(i + 1, close - i - 1);
                const std::string_view lower[3] = {"r", "g", "b"};
                const std::string_view upper[3] = {"R", "G", "B"};
                const std::string_view fraction[3] = {"rf", "gf", "bf"};
                bool replaced = false;
                for (int k = 0; k < 3 && !replaced; ++k) {
                    char buffer[16];
                    if (name == lower[k]) {
                        Append(out, buffer, std::snprintf(buffer, sizeof buffer, "%d", channels[k]));
                        replaced = true;
                    } else if (name == upper[k]) {
                        out += kDigits[channels[k] >> 4];
                        out += kDigits[channels[k] & 15];
                        replaced = true;
                    } else if (name == fraction[k]) {
                        Append(out, buffer, std::snprintf(buffer, sizeof buffer, "%.3f", channels[k] / 255.0));
                        replaced = true;
                    }
                }
                if (replaced) {
                    i = close + 1;
                    continue;
                }
            }
        }
        out += text[i++];
    }
}

}  // namespace

std::string HexColorText(Pixel color) { return ColorText(color, ColorFormat::Hex); }

void FormatColor(Pixel color, ColorFormat format, std::string_view templateText, std::string& out) {
    const Rgb8 c = RgbOf(color);
    char buffer[96];
    int n = 0;
    out.clear();
    switch (format) {
        case ColorFormat::Hex:
        case ColorFormat::Count:
            n = std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", c.r, c.g, c.b);
            break;
        case ColorFormat::Rgb:
            n = std::snprintf(buffer, sizeof buffer, "rgb(%d, %d, %d)", c.r, c.g, c.b);
            break;
        case ColorFormat::Hsl: {
            const HueParts h = Hue(c);
            const double l = (h.max + h.min) / 2.0;
            const double d = h.max - h.min;
            const double s = d <= 0 ? 0.0 : d / (1.0 - std::abs(2.0 * l - 1.0));
            n = std::snprintf(buffer, sizeof buffer, "hsl(%d, %d%%, %d%%)", WholeHue(h.hue), Whole(s * 100.0),
                              Whole(l * 100.0));
            break;
        }
        case ColorFormat::Hsv: {
            const HueParts h = Hue(c);
            const double s = h.max <= 0 ? 0.0 : (h.max - h.min) / h.max;
            n = std::snprintf(buffer, sizeof buffer, "hsv(%d, %d%%, %d%%)", WholeHue(h.hue), Whole(s * 100.0),
                              Whole(h.max * 100.0));
            break;
        }
        case ColorFormat::Cmyk: {
            const double r = c.r / 255.0, g = c.g / 255.0, b = c.b / 255.0;
            const double k = 1.0 - std::max({r, g, b});
            auto part = [k](double v) { return k >= 1.0 ? 0.0 : (1.0 - v - k) / (1.0 - k); };
            n = std::snprintf(buffer, sizeof buffer, "cmyk(%d%%, %d%%, %d%%, %d%%)", Whole(part(r) * 100.0),
                              Whole(part(g) * 100.0), Whole(part(b) * 100.0), Whole(k * 100.0));
            break;
        }
        case ColorFormat::Lab: {
            const Lab lab = LabFromSrgb(c);
            n = std::snprintf(buffer, sizeof buffer, "lab(%.2f%% %.2f %.2f)", NotNegativeZero(lab.l, 2),
                              NotNegativeZero(lab.a, 2), NotNegativeZero(lab.b, 2));
            break;
        }
        case ColorFormat::Oklch: {
            const Oklch lch = OklchFromSrgb(c);
            const double chroma = NotNegativeZero(lch.c, 4);
            // The hue of a grey is 0, and one that rounds to 360 is 0 too.
            double hue = chroma == 0.0 ? 0.0 : NotNegativeZero(lch.h, 2);
            if (hue >= 359.995) hue = 0.0;
            n = std::snprintf(buffer, sizeof buffer, "oklch(%.2f%% %.4f %.2f)", NotNegativeZero(lch.l * 100.0, 2),
                              chroma, hue);
            break;
        }
        case ColorFormat::Template:
            ApplyTemplate(c, templateText, out);
            return;
    }
    Append(out, buffer, n);
}

std::string StorableTemplate(std::string_view text) {
    std::string kept(text);
    std::replace_if(kept.begin(), kept.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return kept;
}

std::string ColorText(Pixel color, ColorFormat format, std::string_view templateText) {
    std::string text;
    FormatColor(color, format, templateText, text);
    return text;
}

std::string_view ColorFormatName(ColorFormat format) {
    return kNames[static_cast<std::size_t>(format == ColorFormat::Count ? ColorFormat::Hex : format)];
}

ColorFormat ColorFormatNamed(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (kNames[i] == name) return static_cast<ColorFormat>(i);
    return ColorFormat::Hex;
}

bool ParseHexColor(std::string_view text, Pixel& color) {
    if (text.size() != 7 || text[0] != '#') return false;
    Pixel value = 0;
    for (char ch : text.substr(1)) {
        int digit = -1;
        if (ch >= '0' && ch <= '9') digit = ch - '0';
        if (ch >= 'A' && ch <= 'F') digit = ch - 'A' + 10;
        if (ch >= 'a' && ch <= 'f') digit = ch - 'a' + 10;
        if (digit < 0) return false;
        value = value << 4 | static_cast<Pixel>(digit);
    }
    color = 0xFF000000u | value;
    return true;
}

double TruncatedContrast(double ratio) { return std::floor(ratio * 100.0 + 1e-9) / 100.0; }

std::string ContrastReport(Pixel text, Pixel background) {
    const double ratio = TruncatedContrast(WcagContrast(RgbOf(text), RgbOf(background)));
    auto verdict = [ratio](double threshold) { return ratio >= threshold ? "pass" : "fail"; };
    char buffer[512];
    const double lc = ApcaContrast(RgbOf(text), RgbOf(background));
    const int n = std::snprintf(buffer, sizeof buffer,
                                "Text: %s\r\nBackground: %s\r\nContrast: %.2f:1\r\nAA normal text: %s\r\n"
                                "AA large text: %s\r\nAAA normal text: %s\r\nAAA large text: %s\r\nAPCA Lc: %.1f\r\n",
                                HexColorText(text).c_str(), HexColorText(background).c_str(), ratio, verdict(4.5),
                                verdict(3.0), verdict(7.0), verdict(4.5), NotNegativeZero(lc, 1));
    return std::string(buffer, static_cast<std::size_t>(n));
}

void ContrastSummary(Pixel text, Pixel background, std::string& out) {
    const double ratio = TruncatedContrast(WcagContrast(RgbOf(text), RgbOf(background)));
    const char* levels = ratio >= 7.0 ? "AAA" : ratio >= 4.5 ? "AA" : ratio >= 3.0 ? "AA large" : "fail";
    char buffer[32];
    const int n = std::snprintf(buffer, sizeof buffer, "%.2f:1 %s", ratio, levels);
    out.assign(buffer, static_cast<std::size_t>(n));
}

}  // namespace orvelle
