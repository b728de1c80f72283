// The program entry: the window, its logic and the services, in start-up order.
#include <windows.h>
#include <commctrl.h>

#include <filesystem>

#include "MainWindow.h"
#include "Text.h"
#include "Win32Services.h"
#include "app/SettingsLocation.h"
#include "app/ReplaceFile.h"
#include "app/SettingsStorage.h"
#include "app/TfrmMain.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    using namespace orvelle;
    using namespace orvelle::win32;

    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_BAR_CLASSES | ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);

    MainWindow window;
    if (!window.Create()) return 1;

    Win32Screen screen;
    Win32Clock clock;
    Win32StartupList startupList;
    Win32Dialogs dialogs;
    dialogs.SetOwner(window.Handle());
    Win32Clipboard clipboard;
    clipboard.SetOwner(window.Handle());
    DiskFiles files;
    Win32FileSystem fileSystem;
    Win32Shell shell;
    shell.SetOwner(window.Handle());
    Win32Registry registry;
    Win32VersionCheck versionCheck;
    Win32PictureEncoder pictureEncoder;
    Win32Hotkeys hotkeys;
    hotkeys.SetOwner(window.Handle());
    const std::wstring programPath = ProgramPathWide();
    // The settings live beside the program file, named like it, unless its
    // folder admits no new file and none stands there yet.
    const SettingsLocation location =
        FindSettingsLocation(std::filesystem::path(programPath).replace_extension(L".ini"), RoamingAppDataFolder());
    FileSettingsStore settings(location.path, location.missingFolder);

    TfrmMain frmMain(window, Services{screen, clock, startupList, dialogs, settings, clipboard, files, fileSystem, shell,
                                      registry, versionCheck, pictureEncoder, hotkeys, UserNumberFormat(),
                                      Narrow(programPath), Narrow(PicturesFolder().wstring()),
                                      WindowsBuildNumber()});
    window.ConnectLogic(frmMain);
    frmMain.FormCreate();
    frmMain.CreateAboutWindow();
    window.Show(showCommand);
    // The first show may not change the size, but the layout must follow the
    // settings that FormCreate applied while the window was hidden.
    frmMain.FormResize();

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Shortcuts first, so that they work whichever control has the focus.
        if (window.PreTranslate(message)) continue;
        if (TranslateAcceleratorW(window.Handle(), window.Accelerators(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
