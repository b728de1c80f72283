// TfrmAbout: the about window's logic. It shows the product's name, version
// and brief instructions in the chosen language, fetched each time it becomes
// active, and keeps the main window's picture and version check paused while
// it is open.
#pragma once

#include <string>

#include "engine/Image.h"

namespace orvelle {

// The about window's parts that carry a text.
enum class AboutControl { Label1, Label2, Label4, btnOK, btnHelp, Count };

// The window as designed, at 96 DPI.
namespace about_design {
inline constexpr Size kClientArea{560, 350};
inline constexpr Point kLabel1{16, 16};
inline constexpr Point kLabel2{16, 40};
inline constexpr Point kLabel4{16, 72};
inline constexpr Rect kOk = Rect::FromSize(128, 276, 81, 25);
inline constexpr Rect kHelp = Rect::FromSize(216, 276, 81, 25);
inline constexpr Rect kPanel = Rect::FromSize(376, 16, 168, 318);
inline constexpr int kPanelBevel = 2;
inline constexpr Size kPicture{164, 314};
inline constexpr const wchar_t* kFontFace = L"Tahoma";
inline constexpr int kWindowFontHeight = 11;
inline constexpr int kNameFontHeight = 19;  // bold
inline constexpr int kTextFontHeight = 13;
}  // namespace about_design

class AboutView {
public:
    virtual ~AboutView() = default;
    virtual void SetTitle(const std::string& title) = 0;
    virtual void SetText(AboutControl control, const std::string& text) = 0;
    virtual void Close() = 0;
};

// What the about window uses of the main window.
class AboutHost {
public:
    virtual ~AboutHost() = default;
    virtual std::string Text(int number) const = 0;
    // While the window is open the main window's picture stops refreshing and
    // a pending version check waits; both go on as they were when it closes.
    virtual void PauseTimers(bool paused) = 0;
    // Opens a topic of the help file. False when the viewer did not start,
    // which the host has reported.
    virtual bool RunHelpTopic(const std::string& topic) = 0;
};

inline constexpr const char* kAboutHelpTopic = "2F_Help.htm#About";

class TfrmAbout {
public:
    explicit TfrmAbout(AboutHost& host) : host_(host) {}

    // Each time the window is shown, before it is first active.
    void FormShow(AboutView& view);
    void FormActivate();
    void FormClose();
    void btnOKClick();
    void btnHelpClick();

private:
    AboutHost& host_;
    AboutView* view_ = nullptr;
};

}  // namespace orvelle
