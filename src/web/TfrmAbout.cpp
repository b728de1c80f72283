#include "web/TfrmAbout.h"

#include "web/Product.h"

namespace orvelle {

void TfrmAbout::FormShow(AboutView& view) {
    view_ = &view;
    host_.PauseTimers(true);
}

// The texts follow the language chosen last; name and version are never translated.
void TfrmAbout::FormActivate() {
    if (view_ == nullptr) return;
    view_->SetTitle(" " + host_.Text(46));
    view_->SetText(AboutControl::Label1, ProductName);
    view_->SetText(AboutControl::Label2, host_.Text(105) + ": " + ProgramVersion);
    view_->SetText(AboutControl::Label4, host_.Text(204));
    view_->SetText(AboutControl::btnOK, host_.Text(100));
    view_->SetText(AboutControl::btnHelp, host_.Text(37));
}

void TfrmAbout::FormClose() {
    host_.PauseTimers(false);
    view_ = nullptr;
}

void TfrmAbout::btnOKClick() {
    if (view_ != nullptr) view_->Close();
}

// A viewer that does not start has been reported; the window then stays open.
void TfrmAbout::btnHelpClick() {
    if (host_.RunHelpTopic(kAboutHelpTopic) && view_ != nullptr) view_->Close();
}

}  // namespace orvelle
