// Pictures written to files: through the save dialog as BMP or PNG, and by
// Quick Save as PNG, without a dialog, under a name made from the time.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "app/MainState.h"
#include "app/Services.h"

namespace orvelle {

// "Orvelle 2026-12-09 14-05-12.png" in `folder`, or, while that is taken,
// the same with " (2)", " (3)" ... before the extension. Nothing when a
// thousand names are taken.
std::optional<std::string> QuickSavePath(const std::string& folder, const LocalTime& time,
                                         const std::function<bool(const std::string&)>& taken);

// The folder Quick Save writes to: the stored one, else an "Orvelle" folder
// in the user's Pictures (nothing when the system has no Pictures folder).
std::optional<std::string> QuickSaveFolder(const std::string& stored, const std::string& pictures);

class PictureFiles {
public:
    PictureFiles(DialogService& dialogs, FileService& files, PictureEncoder& encoder, ClockService& clock,
                 std::string picturesFolder);

    // Asks for a name, offering BMP and PNG with `format` chosen first, and
    // writes the picture `make` gives once the dialog has closed (the view
    // goes on refreshing behind it). The type chosen, or nothing when the user
    // cancelled; a failure to write is reported.
    std::optional<SaveFormat> SaveAs(const std::function<TBitmap32()>& make, SaveFormat format,
                                     const std::string& title);

    // Writes the picture as PNG into `storedFolder` (see QuickSaveFolder),
    // made when missing, never over an existing file. The path written, or
    // nothing after a failure, which is reported.
    std::optional<std::string> QuickSave(const TBitmap32& picture, const std::string& storedFolder);

private:
    Outcome Write(const std::string& path, const TBitmap32& picture, SaveFormat format);
    void Report(const Outcome& outcome);

    DialogService& dialogs_;
    FileService& files_;
    PictureEncoder& encoder_;
    ClockService& clock_;
    std::string picturesFolder_;
};

}  // namespace orvelle
