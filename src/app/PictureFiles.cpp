#include "app/PictureFiles.h"

#include <cstdio>
#include <string_view>

#include "engine/BmpCodec.h"

namespace orvelle {

namespace {

const SaveDialogRequest::FileType kBmpType{"Bitmap (*.bmp)", "*.bmp", "bmp"};
const SaveDialogRequest::FileType kPngType{"PNG (*.png)", "*.png", "png"};
constexpr int kMostNames = 1000;

bool EndsWithNoCase(const std::string& text, std::string_view end) {
    if (text.size() < end.size()) return false;
    for (std::size_t i = 0; i < end.size(); ++i) {
        const char c = text[text.size() - end.size() + i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != end[i]) return false;
    }
    return true;
}

std::string InFolder(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '\\' || folder.back() == '/') return folder + name;
    return folder + "\\" + name;
}

}  // namespace

std::optional<std::string> QuickSavePath(const std::string& folder, const LocalTime& time,
                                         const std::function<bool(const std::string&)>& taken) {
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "Orvelle %04d-%02d-%02d %02d-%02d-%02d", time.year, time.month, time.day,
                  time.hour, time.minute, time.second);
    for (int n = 1; n <= kMostNames; ++n) {
        const std::string name = std::string(stamp) + (n == 1 ? "" : " (" + std::to_string(n) + ")") + ".png";
        const std::string path = InFolder(folder, name);
        if (!taken(path)) return path;
    }
    return std::nullopt;
}

std::optional<std::string> QuickSaveFolder(const std::string& stored, const std::string& pictures) {
    if (!stored.empty()) return stored;
    if (pictures.empty()) return std::nullopt;
    return InFolder(pictures, "Orvelle");
}

PictureFiles::PictureFiles(DialogService& dialogs, FileService& files, PictureEncoder& encoder, ClockService& clock,
                           std::string picturesFolder)
    : dialogs_(dialogs), files_(files), encoder_(encoder), clock_(clock), picturesFolder_(std::move(picturesFolder)) {}

std::optional<SaveFormat> PictureFiles::SaveAs(const std::function<TBitmap32()>& make, SaveFormat format,
                                               const std::string& title) {
    // BMP stays first, whichever type was chosen last.
    const SaveDialogRequest request{title, {kBmpType, kPngType}, format == SaveFormat::Png ? std::size_t{1} : 0};
    const std::optional<SaveDialogAnswer> answer = dialogs_.AskSaveFileName(request);
    if (!answer) return std::nullopt;
    // A name typed with the other type's extension is that type's file, whichever
    // type the list shows: no BMP is written under a name ending in ".png".
    const SaveFormat chosen = EndsWithNoCase(answer->path, ".png")   ? SaveFormat::Png
                              : EndsWithNoCase(answer->path, ".bmp") ? SaveFormat::Bmp
                              : answer->type == 1                    ? SaveFormat::Png
                                                                     : SaveFormat::Bmp;
    Report(Write(answer->path, make(), chosen));
    return chosen;
}

std::optional<std::string> PictureFiles::QuickSave(const TBitmap32& picture, const std::string& storedFolder) {
    const std::optional<std::string> folder = QuickSaveFolder(storedFolder, picturesFolder_);
    if (!folder) {
        Report(MakeFailure("The system has no Pictures folder.", Failure::Kind::PathNotFound));
        return std::nullopt;
    }
    if (const Outcome made = files_.MakeFolders(*folder)) {
        Report(made);
        return std::nullopt;
    }
    const std::optional<std::string> path =
        QuickSavePath(*folder, clock_.Now(), [this](const std::string& p) { return files_.Exists(p); });
    if (!path) {
        Report(MakeFailure("The file exists."));
        return std::nullopt;
    }
    const Outcome written = Write(*path, picture, SaveFormat::Png);
    Report(written);
    if (written) return std::nullopt;
    return path;
}

Outcome PictureFiles::Write(const std::string& path, const TBitmap32& picture, SaveFormat format) {
    if (format == SaveFormat::Bmp) return files_.WriteWholeFile(path, EncodeBmp32(picture));
    const Result<std::vector<std::uint8_t>> png = encoder_.EncodePng(picture);
    if (!png.Ok()) return png.Error();
    return files_.WriteWholeFile(path, png.Value());
}

void PictureFiles::Report(const Outcome& outcome) {
    if (outcome) dialogs_.ShowError(outcome->text);
}

}  // namespace orvelle
