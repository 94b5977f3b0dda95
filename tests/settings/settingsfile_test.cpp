#include "settings/replacefile.h"
#include "settings/settingsfile.h"
#include "shell/fieldnumbers.h"
#include "shell/texts.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A fresh directory per test, removed afterwards.
class SettingsFileTest : public testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/stowly-settings-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        directory = pattern;
        path = SettingsPath(directory);
    }
    void TearDown() override { fs::remove_all(directory); }

    void Put(const std::string& content) const { PutAt(path, content); }
    static void PutAt(const std::string& where, const std::string& content) {
        std::ofstream(where, std::ios::binary) << content;
    }
    std::string Get() const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(directory))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string directory;
    std::string path;
};

// Inputs that differ from every default, so a key that is not applied shows.
StoredInputs Sample() {
    StoredInputs inputs;
    inputs.PalletLength = "1000";
    inputs.PalletWidth = "1200";
    inputs.MaxHeight = "1800";
    inputs.HeightIncludesPallet = false;
    inputs.LengthOverhang = "20";
    inputs.WidthOverhang = "30";
    inputs.FluteProfile = "Гофра Б - 3,1";
    inputs.DrawingColour = MakeColour(18, 52, 86);
    inputs.BoxesInOrder = "1001";
    inputs.AddText = false;
    inputs.BundlesInOrder = "101";
    inputs.BoxesPerBundle = "10";
    return inputs;
}

void ExpectSame(const StoredInputs& a, const StoredInputs& b) {
    EXPECT_EQ(a.PalletLength, b.PalletLength);
    EXPECT_EQ(a.PalletWidth, b.PalletWidth);
    EXPECT_EQ(a.MaxHeight, b.MaxHeight);
    EXPECT_EQ(a.HeightIncludesPallet, b.HeightIncludesPallet);
    EXPECT_EQ(a.LengthOverhang, b.LengthOverhang);
    EXPECT_EQ(a.WidthOverhang, b.WidthOverhang);
    EXPECT_EQ(a.FluteProfile, b.FluteProfile);
    EXPECT_EQ(a.DrawingColour, b.DrawingColour);
    EXPECT_EQ(a.BoxesInOrder, b.BoxesInOrder);
    EXPECT_EQ(a.AddText, b.AddText);
    EXPECT_EQ(a.BundlesInOrder, b.BundlesInOrder);
    EXPECT_EQ(a.BoxesPerBundle, b.BoxesPerBundle);
}

TEST(SettingsPath, IsTheNameBesideTheExecutable) {
    EXPECT_EQ(SettingsPath("/opt/stowly"), "/opt/stowly/stowly.ini");
}

TEST_F(SettingsFileTest, WithoutAFileNothingIsReadAndNoFileIsLeftBehind) {
    StoredInputs inputs = Sample();
    EXPECT_FALSE(LoadSettingsFile(path, inputs));
    ExpectSame(inputs, Sample());
    EXPECT_FALSE(SaveSettingsFile(path, inputs));
    EXPECT_TRUE(Entries().empty());
}

TEST_F(SettingsFileTest, SomethingOtherThanAFileIsLeftAlone) {
    // A directory by the file's name, and a file standing where the directory should be.
    fs::create_directory(path);
    StoredInputs inputs = Sample();
    EXPECT_FALSE(LoadSettingsFile(path, inputs));
    EXPECT_FALSE(SaveSettingsFile(path, inputs));
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_TRUE(fs::is_empty(path));

    const std::string notADirectory = directory + "/plain";
    PutAt(notADirectory, "x");
    EXPECT_FALSE(LoadSettingsFile(SettingsPath(notADirectory), inputs));
    EXPECT_FALSE(SaveSettingsFile(SettingsPath(notADirectory), inputs));
    ExpectSame(inputs, Sample());
    EXPECT_EQ(Entries(), (std::vector<std::string>{"plain", "stowly.ini"}));
}

TEST_F(SettingsFileTest, EmptyFileGivesDefaultsAndGetsEveryKey) {
    Put("");
    StoredInputs inputs = Sample();
    ASSERT_TRUE(LoadSettingsFile(path, inputs));
    StoredInputs expected;
    expected.LengthOverhang = "";
    expected.WidthOverhang = "";
    ExpectSame(inputs, expected);

    ASSERT_TRUE(SaveSettingsFile(path, inputs));
    EXPECT_EQ(Get(), "[PALLETE]\nL=1200\nB=800\nH=2000\nPH=1\n"
                     "[OVERHANG]\nL=\nB=\n"
                     "[BOX]\nPROFILE=B - 3.1\nCOLOR=clSilver\nQUANTITY=\n"
                     "[PIC]\nADDTEXT=1\n"
                     "[BATCH]\nQUANTITY=\nBOXES=\n");
}

TEST_F(SettingsFileTest, SavedInputsLoadBack) {
    Put("");
    ASSERT_TRUE(SaveSettingsFile(path, Sample()));
    StoredInputs loaded;
    ASSERT_TRUE(LoadSettingsFile(path, loaded));
    ExpectSame(loaded, Sample());
    EXPECT_NE(Get().find("COLOR=$00563412\n"), std::string::npos);
}

TEST_F(SettingsFileTest, OnlyOneChecksABox) {
    struct Case {
        const char* Value;
        bool Checked;
    };
    const Case cases[] = {{"1", true}, {" 1 ", true}, {"0", false},    {"yes", false},
                          {"", false}, {"01", false}, {"true", false}, {"2", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Value);
        Put(std::string("[PALLETE]\nPH=") + c.Value + "\n[PIC]\nADDTEXT=" + c.Value + "\n");
        StoredInputs inputs;
        inputs.HeightIncludesPallet = !c.Checked;
        inputs.AddText = !c.Checked;
        ASSERT_TRUE(LoadSettingsFile(path, inputs));
        EXPECT_EQ(inputs.HeightIncludesPallet, c.Checked);
        EXPECT_EQ(inputs.AddText, c.Checked);
    }
}

TEST_F(SettingsFileTest, ColourNamesAndNumbersReadAndAreSavedByName) {
    for (const char* text : {"clRed", "CLRED", "$000000FF", "255"}) {
        SCOPED_TRACE(text);
        Put(std::string("[BOX]\nCOLOR=") + text + "\n");
        StoredInputs inputs;
        ASSERT_TRUE(LoadSettingsFile(path, inputs));
        EXPECT_EQ(inputs.DrawingColour, MakeColour(255, 0, 0));
        ASSERT_TRUE(SaveSettingsFile(path, inputs));
        EXPECT_EQ(Get().substr(0, 25), "[BOX]\nCOLOR=clRed\nPROFILE");
    }
}

TEST_F(SettingsFileTest, BadColourStopsTheReadingAfterTheKeysBeforeIt) {
    Put("[PALLETE]\nL=900\nB=700\nH=1500\nPH=0\n[OVERHANG]\nL=5\nB=6\n"
        "[BOX]\nPROFILE=C - 3.7\nCOLOR=purple\nQUANTITY=77\n"
        "[PIC]\nADDTEXT=1\n[BATCH]\nQUANTITY=8\nBOXES=9\n");
    StoredInputs inputs = Sample();
    try {
        LoadSettingsFile(path, inputs);
        ADD_FAILURE() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_EQ(std::string(error.what()), Texts::NotValidInteger("purple"));
    }
    StoredInputs expected = Sample();
    expected.PalletLength = "900";
    expected.PalletWidth = "700";
    expected.MaxHeight = "1500";
    expected.HeightIncludesPallet = false;
    expected.LengthOverhang = "5";
    expected.WidthOverhang = "6";
    expected.FluteProfile = "C - 3.7";
    ExpectSame(inputs, expected);
}

TEST_F(SettingsFileTest, LinesTheSystemDoesNotOwnSurviveByteForByte) {
    const std::string before = "\xEF\xBB\xBF; settings of the pallet calculator\r\n"
                               "[pallete]\r\n"
                               "  l = 1200   \r\n"
                               "Vendor=Ёлка\r\n"
                               "\r\n"
                               "# owner's notes\r\n"
                               "[Extra]\r\n"
                               "Key=Value ; not a comment\r\n"
                               "[BOX]\r\n"
                               "COLOR=clSilver\r\n"
                               "\r\n"
                               "[BATCH]\r\n"
                               "QUANTITY=3";
    Put(before);
    StoredInputs inputs;
    ASSERT_TRUE(LoadSettingsFile(path, inputs));
    EXPECT_EQ(inputs.PalletLength, "1200");
    inputs.PalletLength = "800";
    inputs.PalletWidth = "1200";
    inputs.DrawingColour = MakeColour(255, 0, 0);
    inputs.BundlesInOrder = "4";
    ASSERT_TRUE(SaveSettingsFile(path, inputs));
    EXPECT_EQ(Get(), "\xEF\xBB\xBF; settings of the pallet calculator\r\n"
                     "[pallete]\r\n"
                     "  l = 800   \r\n"
                     "Vendor=Ёлка\r\n"
                     "B=1200\r\n"
                     "H=2000\r\n"
                     "PH=1\r\n"
                     "\r\n"
                     "# owner's notes\r\n"
                     "[Extra]\r\n"
                     "Key=Value ; not a comment\r\n"
                     "[BOX]\r\n"
                     "COLOR=clRed\r\n"
                     "PROFILE=B - 3.1\r\n"
                     "QUANTITY=\r\n"
                     "\r\n"
                     "[BATCH]\r\n"
                     "QUANTITY=4\r\n"
                     "BOXES=\r\n"
                     "[OVERHANG]\r\n"
                     "L=\r\n"
                     "B=\r\n"
                     "[PIC]\r\n"
                     "ADDTEXT=1");
}

TEST_F(SettingsFileTest, LineBreakInAFieldCannotForgeAKey) {
    Put("");
    StoredInputs inputs;
    inputs.FluteProfile = "B\nPH=0\r\n[PIC]\nADDTEXT=0";
    ASSERT_TRUE(SaveSettingsFile(path, inputs));
    StoredInputs loaded;
    ASSERT_TRUE(LoadSettingsFile(path, loaded));
    EXPECT_EQ(loaded.FluteProfile, "B PH=0  [PIC] ADDTEXT=0");
    EXPECT_TRUE(loaded.HeightIncludesPallet);
    EXPECT_TRUE(loaded.AddText);
}

TEST_F(SettingsFileTest, SaveKeepsPermissionsAndLinks) {
    const std::string target = directory + "/real.ini";
    PutAt(target, "[PIC]\nADDTEXT=1\n");
    ASSERT_EQ(chmod(target.c_str(), 0640), 0);
    fs::create_symlink("real.ini", path);
    ASSERT_TRUE(SaveSettingsFile(path, Sample()));
    EXPECT_TRUE(fs::is_symlink(path));
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    StoredInputs loaded;
    ASSERT_TRUE(LoadSettingsFile(target, loaded));
    ExpectSame(loaded, Sample());
    EXPECT_EQ(Entries(), (std::vector<std::string>{"real.ini", "stowly.ini"}));
}

TEST_F(SettingsFileTest, UnchangedSettingsLeaveTheFileAlone) {
    Put("");
    ASSERT_TRUE(SaveSettingsFile(path, Sample()));
    struct stat before {};
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    ASSERT_TRUE(SaveSettingsFile(path, Sample()));
    struct stat after {};
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
}

// Each step of the replacement failing the way a full disk or a read-only directory makes it.
TEST_F(SettingsFileTest, FailedReplacementKeepsTheOldFileAndLeavesNoTemporaryFile) {
    struct Case {
        const char* Name;
        FileCalls Calls;
    };
    FileCalls noTemporary = SystemFileCalls();
    noTemporary.MakeTemporary = [](char*) {
        errno = EROFS;
        return -1;
    };
    FileCalls diskFull = SystemFileCalls();
    diskFull.Write = [](int, const void*, std::size_t) -> ssize_t {
        errno = ENOSPC;
        return -1;
    };
    FileCalls fullHalfway = SystemFileCalls();
    fullHalfway.Write = [](int fd, const void* data, std::size_t size) -> ssize_t {
        if (size < 8) {
            errno = ENOSPC;
            return -1;
        }
        return ::write(fd, data, size / 2);
    };
    FileCalls writesNothing = SystemFileCalls();
    writesNothing.Write = [](int, const void*, std::size_t) -> ssize_t { return 0; };
    FileCalls syncFails = SystemFileCalls();
    syncFails.Sync = [](int) {
        errno = EIO;
        return -1;
    };
    FileCalls renameFails = SystemFileCalls();
    renameFails.Rename = [](const char*, const char*) {
        errno = EXDEV;
        return -1;
    };
    const Case cases[] = {
        {"no temporary file", noTemporary}, {"disk full", diskFull},
        {"disk full halfway", fullHalfway}, {"write makes no progress", writesNothing},
        {"sync fails", syncFails},          {"rename fails", renameFails}};
    const std::string old = "; keep me\n[PIC]\nADDTEXT=1\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Put(old);
        EXPECT_FALSE(
            ReplaceFileContent(path, "[PIC]\nADDTEXT=0\n" + std::string(100, ';'), c.Calls));
        EXPECT_EQ(Get(), old);
        EXPECT_EQ(Entries(), std::vector<std::string>{"stowly.ini"});
    }
    // And with the system's own calls it goes through.
    EXPECT_TRUE(ReplaceFileContent(path, "new", SystemFileCalls()));
    EXPECT_EQ(Get(), "new");
    EXPECT_EQ(Entries(), std::vector<std::string>{"stowly.ini"});
}

// Ends the process: 0 when the save reported its failure, 1 when it claimed success.
[[noreturn]] void SaveWithFileSizeLimit(const std::string& path, rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        std::_Exit(2);
    std::_Exit(SaveSettingsFile(path, Sample()) ? 1 : 0);
}

// A real full disk: the file-size limit stops the write of the temporary file for any user,
// the superuser included. The save runs in a child process so that the limit stays there.
TEST_F(SettingsFileTest, SaveOnAFullDiskKeepsTheOldFile) {
    const std::string old = "[PIC]\nADDTEXT=1\n";
    Put(old);
    EXPECT_EXIT(SaveWithFileSizeLimit(path, 32), testing::ExitedWithCode(0), "");
    EXPECT_EQ(Get(), old);
    EXPECT_EQ(Entries(), std::vector<std::string>{"stowly.ini"});
}

} // namespace
