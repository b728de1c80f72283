#include "app/Measurement.h"

#include "app/GuideTipText.h"

namespace orvelle {

namespace {

constexpr const char* kTimes = " \xC3\x97 ";  // " × "
constexpr int kUnscaledDpi = 96;

// The length in logical pixels: divided by the monitor's scale, dpi / 96.
ScreenLength Logical(const ScreenLength& length, int dpi) {
    return ScreenLength{length.numerator * kUnscaledDpi, length.denominator * dpi};
}

std::string Side(const std::optional<ScreenLength>& length, const NumberFormat& format, const char* absent) {
    return length ? ScreenLengthText(*length, format) : absent;
}

std::string Text(const GuideRectangle& r, int dpi, const NumberFormat& format, const char* absent) {
    std::string text = Side(r.width, format, absent) + kTimes + Side(r.height, format, absent) + " px";
    if (dpi <= 0 || dpi == kUnscaledDpi) return text;
    auto logical = [dpi](const std::optional<ScreenLength>& l) {
        return l ? std::optional<ScreenLength>(Logical(*l, dpi)) : std::nullopt;
    };
    return text + " (" + Side(logical(r.width), format, absent) + kTimes + Side(logical(r.height), format, absent) +
           " at " + ScreenLengthText(ScreenLength{std::int64_t{dpi} * 100, kUnscaledDpi}, format) + " %)";
}

}  // namespace

std::optional<GuideRectangle> MeasureGuideRectangle(const MeasuringGuides& guides, int zoom) {
    if (zoom <= 0) return std::nullopt;
    auto apart = [&](Guide guide) -> std::optional<ScreenLength> {
        const ScreenLength distance = PairDistance(guides, guide, zoom);
        return distance.numerator == 0 ? std::nullopt : std::optional<ScreenLength>(distance);
    };
    GuideRectangle rectangle{apart(Guide::V1), apart(Guide::H1)};
    if (!rectangle.width && !rectangle.height) return std::nullopt;
    return rectangle;
}

std::string MeasurementPanelText(const GuideRectangle& rectangle, int monitorDpi, const NumberFormat& format) {
    return Text(rectangle, monitorDpi, format, "\xE2\x80\x93");  // "–"
}

std::string MeasurementCopyText(const GuideRectangle& rectangle, int monitorDpi) {
    return Text(rectangle, monitorDpi, NumberFormat{".", "", 0}, "0");
}

}  // namespace orvelle
