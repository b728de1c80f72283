#include "app/SettingsStorage.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "app/ProfileFile.h"
#include "app/ProfileValues.h"
#include "unit/FakeSettingsStore.h"

#if defined(__unix__) && __has_include(<sys/resource.h>)
#include <csignal>
#include <sys/resource.h>
#define ORVELLE_HAVE_FILE_SIZE_LIMIT 1
#endif

namespace orvelle {
namespace {

namespace fs = std::filesystem;

// A fresh folder per test, removed afterwards whatever the test left in it.
class SettingsStorageTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device device;
        folder_ = fs::temp_directory_path() / ("orvelle-settings-" + std::to_string(device()) + "-" +
                                               std::to_string(device()));
        ASSERT_TRUE(fs::create_directory(folder_));
        path_ = folder_ / "Orvelle.ini";
    }

    void TearDown() override {
        std::error_code ec;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ec);
        if (fs::exists(path_, ec)) fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(folder_, ec);
    }

    static void Put(const fs::path& path, const std::string& content) {
        std::ofstream out(path, std::ios::binary);
        out << content;
        ASSERT_TRUE(out.good());
    }

    static std::string Get(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // Names in the folder; a temporary file left behind shows up here.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    fs::path folder_;
    fs::path path_;
};

const std::string kOldContent = "[Magnification]\r\nLevel=7\r\n";

TEST_F(SettingsStorageTest, AMissingFileIsAbsentNotAFailure) {
    FileSettingsStore store(path_);
    const Result<std::string> read = store.Read();
    EXPECT_FALSE(read.Ok());
    EXPECT_TRUE(read.Error().Is(Failure::Kind::NotFound));

    FileSettingsStore inMissingFolder(folder_ / "gone" / "Orvelle.ini");
    EXPECT_TRUE(inMissingFolder.Read().Error().Is(Failure::Kind::NotFound));
}

TEST_F(SettingsStorageTest, AFolderInPlaceOfTheFileFailsToRead) {
    fs::create_directory(path_);
    const Result<std::string> read = FileSettingsStore(path_).Read();
    ASSERT_FALSE(read.Ok());
    EXPECT_TRUE(read.Error().Is(Failure::Kind::Other));
    EXPECT_FALSE(read.Error().text.empty());
}

TEST_F(SettingsStorageTest, WriteCreatesTheFileAndReadReturnsItsBytes) {
    std::string content = "[Options]\r\nLanguage=EN\nodd bytes:";
    content.push_back('\0');
    content += "\x80\xFF\r\n";
    for (int i = 0; i < 10000; ++i) content += static_cast<char>(i * 7);  // larger than any buffer

    FileSettingsStore store(path_);
    const Outcome write = store.Write(content);
    ASSERT_FALSE(write) << write->text;
    EXPECT_EQ(Get(path_), content);
    EXPECT_EQ(Names(), std::vector<std::string>{"Orvelle.ini"});

    const Result<std::string> read = store.Read();
    EXPECT_TRUE(read.Ok());
    EXPECT_EQ(read.Value(), content);

    ASSERT_FALSE(store.Write(""));
    EXPECT_EQ(store.Read().Value(), "");
    EXPECT_TRUE(store.Read().Ok());
}

TEST_F(SettingsStorageTest, ARewriteKeepsCommentsAndForeignSections) {
    const std::string original =
        "; kept by the user\r\n"
        "[Tessaly]\r\n"
        "Path=C:\\Tools\\ruler.exe\r\n"
        "\r\n"
        "[magnification]\r\n"
        "LEVEL=7\r\n"
        "Smoothing=Lanczos\r\n";
    Put(path_, original);
    FileSettingsStore store(path_);

    const Result<std::string> read = store.Read();
    ASSERT_TRUE(read.Ok());
    ProfileFile file(read.Value());
    EXPECT_EQ(ReadProfileInteger(file, "Magnification", "Level", 8), 7);
    WriteProfileInteger(file, "Magnification", "Level", 12);
    WriteProfileBool(file, "Window", "Maximized", true);
    ASSERT_FALSE(store.Write(file.Text()));

    EXPECT_EQ(Get(path_),
              "; kept by the user\r\n"
              "[Tessaly]\r\n"
              "Path=C:\\Tools\\ruler.exe\r\n"
              "\r\n"
              "[magnification]\r\n"
              "Level=12\r\n"
              "Smoothing=Lanczos\r\n"
              "[Window]\r\n"
              "Maximized=1\r\n");
    EXPECT_EQ(Names(), std::vector<std::string>{"Orvelle.ini"});
}

TEST_F(SettingsStorageTest, AReadOnlyFileIsReportedAndLeftAlone) {
    Put(path_, kOldContent);
    fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const fs::perms before = fs::status(path_).permissions();

    // The check does not rest on the system refusing: it holds for root too,
    // who may write any file, and for a rename, which needs only the folder.
    const Outcome write = FileSettingsStore(path_).Write("[Magnification]\r\nLevel=2\r\n");
    ASSERT_TRUE(write);
    EXPECT_EQ(write->text, std::make_error_code(std::errc::permission_denied).message());
    EXPECT_EQ(Get(path_), kOldContent);
    EXPECT_EQ(fs::status(path_).permissions(), before);
    EXPECT_EQ(Names(), std::vector<std::string>{"Orvelle.ini"});
}

TEST_F(SettingsStorageTest, AReadOnlyFolderIsReportedAndLeftAlone) {
    Put(path_, kOldContent);
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    {
        // Root creates files in read-only folders regardless, and this case
        // has no check of its own to stand in for the system's refusal.
        std::ofstream probe(folder_ / "probe");
        if (probe.is_open()) {
            probe.close();
            fs::remove(folder_ / "probe");
            GTEST_SKIP() << "a read-only folder does not stop this user from writing";
        }
    }
    const Outcome write = FileSettingsStore(path_).Write("[Magnification]\r\nLevel=2\r\n");
    EXPECT_TRUE(write);
    EXPECT_EQ(Get(path_), kOldContent);
    EXPECT_EQ(Names(), std::vector<std::string>{"Orvelle.ini"});
}

TEST_F(SettingsStorageTest, AFailedReplaceRemovesTheTemporaryFile) {
    // A folder where the file should be: the new content is written out in
    // full, and only the final step fails.
    fs::create_directory(path_);
    Put(path_ / "inside", "x");
    const Outcome write = FileSettingsStore(path_).Write(kOldContent);
    ASSERT_TRUE(write);
    EXPECT_FALSE(write->text.empty());
    EXPECT_TRUE(fs::is_directory(path_));
    EXPECT_EQ(Get(path_ / "inside"), "x");
    EXPECT_EQ(Names(), std::vector<std::string>{"Orvelle.ini"});
}

TEST_F(SettingsStorageTest, AMissingFolderIsReportedWithTheSystemsReason) {
    const fs::path inMissingFolder = folder_ / "gone" / "Orvelle.ini";
    const Outcome write = FileSettingsStore(inMissingFolder).Write(kOldContent);
    ASSERT_TRUE(write);
    EXPECT_EQ(write->text, std::make_error_code(std::errc::no_such_file_or_directory).message());
    EXPECT_FALSE(fs::exists(folder_ / "gone"));
}

#ifdef ORVELLE_HAVE_FILE_SIZE_LIMIT
// The disk filling up in the middle of the write, imitated by a limit on the
// size of files this process may write.
TEST_F(SettingsStorageTest, AWriteCutShortLeavesTheOldFileWhole) {
    Put(path_, kOldContent);
    const std::string big(1 << 20, 'x');

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const Outcome write = FileSettingsStore(path_).Write(big);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_TRUE(write);
    EXPECT_EQ(write->text, std::make_error_code(std::errc::file_too_large).message());
    EXPECT_EQ(Get(path_), kOldContent);
    EXPECT_EQ(Names(), std::vector<std::string>{"Orvelle.ini"});
}
#endif

#if defined(__unix__)
TEST_F(SettingsStorageTest, ALinkedFileIsWrittenWhereTheLinkPoints) {
    const fs::path real = folder_ / "real.ini";
    Put(real, kOldContent);
    fs::create_symlink(real, path_);
    ASSERT_FALSE(FileSettingsStore(path_).Write("new"));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(path_)));
    EXPECT_EQ(Get(real), "new");
}
#endif

TEST_F(SettingsStorageTest, TheReplacedFileKeepsItsPermissions) {
    Put(path_, kOldContent);
    const fs::perms chosen = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path_, chosen);
    ASSERT_FALSE(FileSettingsStore(path_).Write("new"));
    EXPECT_EQ(fs::status(path_).permissions(), chosen);
}

// The fake must keep the promises of the real store, or tests of the program
// logic would prove things about a store that does not exist.
TEST_F(SettingsStorageTest, TheInMemoryStoreBehavesLikeTheFile) {
    FileSettingsStore file(path_);
    InMemorySettingsStore memory(std::nullopt, path_);
    for (SettingsStore* store : std::vector<SettingsStore*>{&file, &memory}) {
        SCOPED_TRACE(store == &file ? "file" : "memory");
        EXPECT_EQ(store->Path(), path_);
        EXPECT_TRUE(store->Read().Error().Is(Failure::Kind::NotFound));
        ASSERT_FALSE(store->Write(kOldContent));
        const Result<std::string> read = store->Read();
        EXPECT_TRUE(read.Ok());
        EXPECT_EQ(read.Value(), kOldContent);
    }

    fs::permissions(path_, fs::perms::owner_read);
    memory.FailWrites();
    for (SettingsStore* store : std::vector<SettingsStore*>{&file, &memory}) {
        SCOPED_TRACE(store == &file ? "file" : "memory");
        const Outcome write = store->Write("lost");
        ASSERT_TRUE(write);
        EXPECT_EQ(write->text, std::make_error_code(std::errc::permission_denied).message());
        EXPECT_EQ(store->Read().Value(), kOldContent);
    }
    EXPECT_EQ(memory.Writes(), (std::vector<std::string>{kOldContent, "lost"}));
}

}  // namespace
}  // namespace orvelle
