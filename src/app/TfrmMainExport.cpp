// Taking the enlarged picture out of the program: to the clipboard and to a
// BMP file. Both export what the view shows of the capture, with its filter,
// and leave out the overlays; neither changes the view or the capture.
#include "app/TfrmMain.h"
#include "engine/BmpCodec.h"
#include "engine/ViewRenderer.h"

namespace orvelle {

TBitmap32 TfrmMain::ExportPicture() const {
    const Rect& view = ControlBounds(Control::imgZoom);
    TBitmap32 picture(view.Width(), view.Height());
    RenderView(capture_, picture.Ref(), Rect{0, 0, picture.Width(), picture.Height()});
    return picture;
}

void TfrmMain::ReportFailure(const Outcome& outcome) {
    if (outcome) services_.dialogs.ShowError(outcome->text);
}

void TfrmMain::menuCopyClick() { ReportFailure(services_.clipboard.PutBitmap(ExportPicture())); }

// The colour as the status bar shows it: while the picture is frozen, that of
// the pixel last read, which is the one the user sees marked.
void TfrmMain::menuCopyColorClick() {
    const std::string& color = StatusText(kColorStatusPanel);
    if (color.empty()) return;  // no tick yet: nothing has been read
    ReportFailure(services_.clipboard.PutText(color));
}

void TfrmMain::menuSaveAsClick() {
    // The picture is made only once the dialog has closed: the view goes on
    // refreshing behind it, and the file shows the last tick before the choice.
    const std::optional<std::string> path =
        services_.dialogs.AskSaveFileName(SaveDialogRequest{saveDialogTitle_, "Bitmap (*.bmp)", "*.bmp", "bmp"});
    if (!path) return;
    const std::vector<std::uint8_t> bytes = EncodeBmp32(ExportPicture());
    ReportFailure(services_.files.WriteWholeFile(*path, bytes));
}

}  // namespace orvelle
