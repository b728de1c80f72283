#include "app/SettingsLocation.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>

namespace orvelle {
namespace {

namespace fs = std::filesystem;

const fs::path kBeside = fs::path("C:") / "Program Files" / "Orvelle" / "Orvelle.ini";
const fs::path kAppData = fs::path("C:") / "Users" / "ann" / "AppData" / "Roaming";
const fs::path kInProfile = kAppData / "Orvelle" / "Orvelle.ini";

TEST(SettingsLocation, BesideTheProgramUnlessNoFileIsThereAndNoneCanBeMade) {
    const struct {
        bool exists;
        bool writable;
        fs::path userFolder;
        fs::path expected;
        MissingFolder missingFolder;
    } cases[] = {
        {true, true, kAppData, kBeside, MissingFolder::Fail},
        // The user's own file, even where it cannot be written: the error says so at exit.
        {true, false, kAppData, kBeside, MissingFolder::Fail},
        {false, true, kAppData, kBeside, MissingFolder::Fail},
        {false, false, kAppData, kInProfile, MissingFolder::Create},
        // Without a profile folder there is nowhere else to go.
        {false, false, fs::path(), kBeside, MissingFolder::Fail},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "exists " << c.exists << ", writable " << c.writable << ", profile "
                                          << c.userFolder);
        const SettingsLocation location = ChooseSettingsLocation(kBeside, c.userFolder, c.exists, c.writable);
        EXPECT_EQ(location.path, c.expected);
        EXPECT_EQ(location.missingFolder, c.missingFolder);
    }
}

class SettingsLocationOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device device;
        folder_ = fs::temp_directory_path() / ("orvelle-location-" + std::to_string(device()));
        ASSERT_TRUE(fs::create_directory(folder_));
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
    fs::path folder_;
};

TEST_F(SettingsLocationOnDisk, AWritableFolderKeepsTheFileBesideTheProgramAndLeavesNoTrace) {
    const fs::path beside = folder_ / "Orvelle.ini";
    EXPECT_EQ(FindSettingsLocation(beside, folder_ / "profile").path, beside);
    EXPECT_TRUE(fs::is_empty(folder_));
}

TEST_F(SettingsLocationOnDisk, AFolderThatTakesNoFileSendsTheSettingsToTheProfileWhichTheFirstWriteMakes) {
    // A folder that does not exist takes no file, whoever asks.
    const fs::path beside = folder_ / "gone" / "Orvelle.ini";
    const SettingsLocation location = FindSettingsLocation(beside, folder_ / "profile");
    ASSERT_EQ(location.path, folder_ / "profile" / "Orvelle" / "Orvelle.ini");

    FileSettingsStore store(location.path, location.missingFolder);
    EXPECT_TRUE(store.Read().Error().Is(Failure::Kind::NotFound));
    ASSERT_FALSE(store.Write("[Options]\r\nSaveSettings=1\r\n"));
    const Result<std::string> read = store.Read();
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(read.Value(), "[Options]\r\nSaveSettings=1\r\n");
    EXPECT_FALSE(fs::exists(folder_ / "gone"));
}

}  // namespace
}  // namespace orvelle
