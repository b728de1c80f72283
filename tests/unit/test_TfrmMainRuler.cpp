// Launching the companion ruler program.
#include <string>

#include "MainWindowFixture.h"

namespace orvelle::testing {
namespace {

// How a launch ends: started, or failed in one of the ways that matter here.
const Outcome kStarted;
const Outcome kFileNotFound = MakeFailure("The system cannot find the file specified.", Failure::Kind::NotFound);
const Outcome kPathNotFound = MakeFailure("The system cannot find the path specified.", Failure::Kind::PathNotFound);
const Outcome kDenied = MakeFailure("Access is denied.");

class Ruler : public MainWindowFixture {
protected:
    void StartWithRuler(const std::string& path) {
        registry.machineStrings["Software\\Vantrel\\Tessaly\\Path"] = path;
        Start();
    }
    std::vector<std::string> Opened() const { return shell.opened; }
};

TEST_F(Ruler, TheRecordedProgramStartsInItsFolderFromMenuShortcutAndButton) {
    StartWithRuler("C:\\Tools\\ruler.exe");
    EXPECT_EQ(form->RulerPath(), "C:\\Tools\\ruler.exe");
    form->Execute(Command::menuRuler);
    form->Execute(CommandForKey('R', true, false));
    ClickToolButton(ToolButton::tbRuler);
    ASSERT_EQ(shell.runs.size(), 3u);
    for (const auto& run : shell.runs) {
        EXPECT_EQ(run.file, "C:\\Tools\\ruler.exe");
        EXPECT_EQ(run.directory, "C:\\Tools\\");
    }
    EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(Ruler, WithoutTheProgramTheUserIsAskedAboutTheDownload) {
    const struct {
        const char* path;  // nullptr: no value in the registry
        Outcome launch;
        int answer;
        bool asks;
    } cases[] = {
        {nullptr, kStarted, 1, true},
        {nullptr, kStarted, 2, true},
        {nullptr, kStarted, kDismissed, true},
        {"D:\\gone\\ruler.exe", kFileNotFound, 1, true},
        {"D:\\gone\\ruler.exe", kPathNotFound, 2, true},
        {"C:\\Tools\\ruler.exe", kDenied, 1, false},
        {"ruler.exe", kStarted, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << (c.path ? c.path : "no value") << " answer " << c.answer);
        Recreate();
        view = FakeMainView();
        dialogs = FakeDialogs();
        shell = FakeShell();
        registry = FakeRegistry();
        shell.runResult = c.launch;
        dialogs.answers = {c.answer};
        if (c.path != nullptr)
            StartWithRuler(c.path);
        else
            Start();
        form->Execute(Command::menuRuler);
        EXPECT_EQ(shell.runs.size(), c.path != nullptr ? 1u : 0u);
        if (c.path != nullptr && std::string(c.path) == "ruler.exe") {
            EXPECT_EQ(shell.runs[0].directory, "");
        }
        ASSERT_EQ(dialogs.asked.size(), c.asks ? 1u : 0u);
        if (c.asks) {
            EXPECT_EQ(dialogs.asked[0].message, form->Text(64));
            EXPECT_EQ(dialogs.asked[0].buttons, (std::vector<std::string>{"Yes", "No"}));
            EXPECT_EQ(dialogs.asked[0].icon, IconKind::Question);
        }
        EXPECT_EQ(Opened(), c.asks && c.answer == 1 ? std::vector<std::string>{"http://www.orvelle.example/download.htm"}
                                                    : std::vector<std::string>{});
    }
}

TEST_F(Ruler, TheProgramsOwnRegistryViewComesFirstAndTheOtherAnswersWhenItHasNoPath) {
    const struct {
        const char* own;    // nullptr: no value in that view
        const char* other;
        const char* found;
    } cases[] = {
        {"C:\\Own\\ruler.exe", "C:\\Other\\ruler.exe", "C:\\Own\\ruler.exe"},
        {nullptr, "C:\\Other\\ruler.exe", "C:\\Other\\ruler.exe"},
        {"C:\\Own\\ruler.exe", nullptr, "C:\\Own\\ruler.exe"},
        {nullptr, nullptr, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << (c.own ? c.own : "none") << " / " << (c.other ? c.other : "none"));
        Recreate();
        view = FakeMainView();
        registry = FakeRegistry();
        if (c.own != nullptr) registry.machineStrings["Software\\Vantrel\\Tessaly\\Path"] = c.own;
        if (c.other != nullptr) registry.otherViewStrings["Software\\Vantrel\\Tessaly\\Path"] = c.other;
        Start();
        EXPECT_EQ(form->RulerPath(), c.found);
    }
}

}  // namespace
}  // namespace orvelle::testing
