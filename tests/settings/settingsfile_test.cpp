#include "settings/inifile.h"
#include "settings/replacefile.h"
#include "settings/settingsfile.h"
#include "shell/fieldnumbers.h"
#include "shell/texts.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/file.h>
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
    inputs.Weights = {"350", "", "9,5", "800"};
    inputs.OwnPallets = {{"Склад Север", 1000, 1000, 18}};
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
    EXPECT_EQ(a.Weights.BoxGrams, b.Weights.BoxGrams);
    EXPECT_EQ(a.Weights.BundleKg, b.Weights.BundleKg);
    EXPECT_EQ(a.Weights.TareKg, b.Weights.TareKg);
    EXPECT_EQ(a.Weights.MaxGrossKg, b.Weights.MaxGrossKg);
    ASSERT_EQ(a.OwnPallets.size(), b.OwnPallets.size());
    for (std::size_t i = 0; i < a.OwnPallets.size(); ++i) {
        EXPECT_EQ(a.OwnPallets[i].Name, b.OwnPallets[i].Name);
        EXPECT_EQ(a.OwnPallets[i].Length, b.OwnPallets[i].Length);
        EXPECT_EQ(a.OwnPallets[i].Width, b.OwnPallets[i].Width);
        EXPECT_EQ(a.OwnPallets[i].TareKg, b.OwnPallets[i].TareKg);
    }
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

TEST_F(SettingsFileTest, WeightsAndOwnPalletsJoinTheFileInSectionsOfTheirOwn) {
    const std::string before = "[PALLETE]\r\n"
                               "L=1200\r\n"
                               "; мои заметки\r\n"
                               "[Extra]\r\n"
                               "Key=Value\r\n";
    Put(before);
    StoredInputs inputs;
    ASSERT_TRUE(LoadSettingsFile(path, inputs));
    ASSERT_TRUE(SaveSettingsFile(path, inputs));
    const std::string withoutWeights = Get();
    EXPECT_EQ(withoutWeights.find("WEIGHT"), std::string::npos);
    EXPECT_EQ(withoutWeights.find("MYPALLETS"), std::string::npos);

    inputs.Weights = {"", "12.5", "", "1000"};
    inputs.OwnPallets = {{"Склад Север", 1000, 1000, 18}, {"Стеллаж", 1140, 760, 21.5}};
    ASSERT_TRUE(SaveSettingsFile(path, inputs));
    EXPECT_EQ(Get(), withoutWeights + "[WEIGHT]\r\n"
                                      "BOXG=\r\n"
                                      "BUNDLEKG=12.5\r\n"
                                      "TAREKG=\r\n"
                                      "MAXGROSSKG=1000\r\n"
                                      "[MYPALLETS]\r\n"
                                      "COUNT=2\r\n"
                                      "P1=1000;1000;18;Склад Север\r\n"
                                      "P2=1140;760;21.5;Стеллаж\r\n");
    StoredInputs loaded;
    ASSERT_TRUE(LoadSettingsFile(path, loaded));
    ExpectSame(loaded, inputs);
    EXPECT_EQ(Get().substr(0, before.size()), withoutWeights.substr(0, before.size()));

    // Emptied again, the sections stay with empty values rather than vanish.
    inputs.Weights = {};
    inputs.OwnPallets.clear();
    ASSERT_TRUE(SaveSettingsFile(path, inputs));
    ASSERT_TRUE(LoadSettingsFile(path, loaded));
    ExpectSame(loaded, inputs);
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
    try {
        SaveSettingsFile(path, Sample());
    } catch (const SettingsFileError& error) {
        const std::string expected = Texts::SettingsNotSaved(path, std::strerror(EFBIG));
        std::_Exit(std::string(error.what()) == expected ? 0 : 3);
    }
    std::_Exit(1);
}

// A real full disk: the file-size limit stops the write of the temporary file for any user,
// the superuser included. The save runs in a child process so that the limit stays there, and
// reports the failure naming the file and the reason.
TEST_F(SettingsFileTest, SaveOnAFullDiskKeepsTheOldFile) {
    const std::string old = "[PIC]\nADDTEXT=1\n";
    Put(old);
    EXPECT_EXIT(SaveWithFileSizeLimit(path, 32), testing::ExitedWithCode(0), "");
    EXPECT_EQ(Get(), old);
    EXPECT_EQ(Entries(), std::vector<std::string>{"stowly.ini"});
}

// Things by the file's name that are not a regular file are no file: they are neither read
// nor replaced, and a FIFO with no writer cannot hold the program up.
TEST_F(SettingsFileTest, OnlyARegularFileIsASettingsFile) {
    struct Case {
        const char* Name;
        void (*Make)(const std::string& path);
    };
    const Case cases[] = {
        {"FIFO", [](const std::string& p) { ASSERT_EQ(mkfifo(p.c_str(), 0644), 0); }},
        {"link to a device", [](const std::string& p) { fs::create_symlink("/dev/zero", p); }},
        {"directory", [](const std::string& p) { fs::create_directory(p); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        fs::remove_all(path);
        c.Make(path);
        StoredInputs inputs = Sample();
        EXPECT_FALSE(LoadSettingsFile(path, inputs));
        EXPECT_FALSE(SaveSettingsFile(path, inputs));
        ExpectSame(inputs, Sample());
        EXPECT_EQ(Entries(), std::vector<std::string>{"stowly.ini"});
    }
}

// A settings file that is there but cannot be read, or is far larger than any settings file:
// reading and saving both say so, naming the file and the reason, and leave it as it is.
TEST_F(SettingsFileTest, UnreadableOrHugeFileIsAnErrorNamingIt) {
    struct Case {
        const char* Name;
        std::string Reason;
        void (*Make)(const std::string& path);
    };
    std::vector<Case> cases = {
        {"link to itself", std::strerror(ELOOP),
         [](const std::string& p) { fs::create_symlink("stowly.ini", p); }},
        {"over the size limit", Texts::SettingsFileTooLarge,
         [](const std::string& p) { PutAt(p, std::string(SettingsFileSizeLimit + 1, '\n')); }},
    };
    // The superuser reads any file whatever its mode.
    if (geteuid() != 0)
        cases.push_back({"no read permission", std::strerror(EACCES), [](const std::string& p) {
                             PutAt(p, "[PIC]\nADDTEXT=1\n");
                             ASSERT_EQ(chmod(p.c_str(), 0), 0);
                         }});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        fs::remove_all(path);
        c.Make(path);
        const auto before = fs::symlink_status(path);
        StoredInputs inputs = Sample();
        try {
            LoadSettingsFile(path, inputs);
            ADD_FAILURE() << "read without an error";
        } catch (const SettingsFileError& error) {
            EXPECT_EQ(std::string(error.what()), Texts::SettingsNotRead(path, c.Reason));
        }
        ExpectSame(inputs, Sample());
        try {
            SaveSettingsFile(path, inputs);
            ADD_FAILURE() << "saved without an error";
        } catch (const SettingsFileError& error) {
            EXPECT_EQ(std::string(error.what()), Texts::SettingsNotSaved(path, c.Reason));
        }
        EXPECT_EQ(fs::symlink_status(path).type(), before.type());
        EXPECT_EQ(Entries(), std::vector<std::string>{"stowly.ini"});
    }
}

TEST_F(SettingsFileTest, FileAtTheSizeLimitIsRead) {
    const std::string keys = "[PALLETE]\nL=1000\n";
    Put(keys + std::string(SettingsFileSizeLimit - keys.size(), '\n'));
    StoredInputs inputs;
    ASSERT_TRUE(LoadSettingsFile(path, inputs));
    EXPECT_EQ(inputs.PalletLength, "1000");
}

// Whoever made the file read-only keeps fixed inputs there: closing leaves it alone, silently.
TEST_F(SettingsFileTest, ReadOnlyFileIsLeftAlone) {
    const std::string old = "[PALLETE]\nL=1000\n";
    Put(old);
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    struct stat before {};
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    EXPECT_FALSE(SaveSettingsFile(path, Sample()));
    struct stat after {};
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(Get(), old);
    StoredInputs inputs;
    EXPECT_TRUE(LoadSettingsFile(path, inputs));
    EXPECT_EQ(inputs.PalletLength, "1000");
}

// Values with blanks at their ends read back without them, so saving them again must not add
// a blank each time: unchanged inputs write the same bytes.
TEST_F(SettingsFileTest, BlanksAroundAValueDoNotGrowFromSaveToSave) {
    Put("[BOX]\nPROFILE=B - 3.1 \n");
    StoredInputs inputs;
    inputs.FluteProfile = "B - 3.1 ";
    inputs.MaxHeight = "\t2000  ";
    ASSERT_TRUE(SaveSettingsFile(path, inputs));
    const std::string first = Get();
    for (int save = 0; save < 3; ++save) {
        ASSERT_TRUE(SaveSettingsFile(path, inputs));
        EXPECT_EQ(Get(), first);
    }
    StoredInputs loaded;
    ASSERT_TRUE(LoadSettingsFile(path, loaded));
    EXPECT_EQ(loaded.FluteProfile, "B - 3.1");
    EXPECT_EQ(loaded.MaxHeight, "2000");
}

// Temporary files left by a killed save go on the next save, changed or not; anything else by
// a similar name, and the temporary file of a save still running (it holds its lock), stays.
TEST_F(SettingsFileTest, SaveRemovesTemporariesOfAKilledSave) {
    for (const bool changed : {true, false}) {
        SCOPED_TRACE(changed ? "changed inputs" : "unchanged inputs");
        fs::remove_all(directory);
        fs::create_directory(directory);
        Put("");
        if (!changed) {
            ASSERT_TRUE(SaveSettingsFile(path, Sample()));
        }
        for (const char* name : {"stowly.ini.Ab12Cd", "stowly.ini.zzzzzz", "stowly.ini.running",
                                 "stowly.ini.bak", "stowly.ini.Ab12Cd~", "other.ini.Ab12Cd"})
            PutAt(directory + "/" + name, "[PIC]\n");
        const std::string running = directory + "/stowly.ini.runnin";
        PutAt(running, "");
        const int held = open(running.c_str(), O_RDONLY);
        ASSERT_GE(held, 0);
        ASSERT_EQ(flock(held, LOCK_EX), 0);

        ASSERT_TRUE(SaveSettingsFile(path, Sample()));
        close(held);
        EXPECT_EQ(Entries(), (std::vector<std::string>{"other.ini.Ab12Cd", "stowly.ini",
                                                       "stowly.ini.Ab12Cd~", "stowly.ini.bak",
                                                       "stowly.ini.runnin", "stowly.ini.running"}));
    }
}

// Output files: a new file appears whole or not at all, an old one is replaced whole, and a
// device is written directly; every failure is reported with its reason.
TEST_F(SettingsFileTest, WriteFileContentNeverLeavesAPartialFile) {
    FileCalls diskFullHalfway = SystemFileCalls();
    diskFullHalfway.Write = [](int fd, const void* data, std::size_t size) -> ssize_t {
        if (size < 8) {
            errno = ENOSPC;
            return -1;
        }
        return ::write(fd, data, size / 2);
    };
    const std::string content(100000, 'x');
    const std::string fresh = directory + "/picture.png";
    const mode_t mask = umask(022);

    EXPECT_FALSE(WriteFileContent(fresh, content, diskFullHalfway));
    EXPECT_EQ(errno, ENOSPC);
    EXPECT_TRUE(Entries().empty());

    ASSERT_TRUE(WriteFileContent(fresh, content));
    struct stat info {};
    ASSERT_EQ(stat(fresh.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u);
    PutAt(directory + "/old.svg", "old");
    ASSERT_EQ(chmod((directory + "/old.svg").c_str(), 0600), 0);
    EXPECT_FALSE(WriteFileContent(directory + "/old.svg", content, diskFullHalfway));
    ASSERT_TRUE(WriteFileContent(directory + "/old.svg", "new"));
    ASSERT_EQ(stat((directory + "/old.svg").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    umask(mask);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"old.svg", "picture.png"}));
    EXPECT_EQ(fs::file_size(fresh), content.size());

    EXPECT_TRUE(WriteFileContent("/dev/null", content));
    EXPECT_FALSE(WriteFileContent("/dev/full", content));
    EXPECT_EQ(errno, ENOSPC);
    EXPECT_FALSE(WriteFileContent(directory + "/missing/picture.png", content));
    EXPECT_EQ(errno, ENOENT);
}

// The example shipped beside the programs: copied as stowly.ini it gives the window's own
// defaults for every key, overhangs 0 rather than empty, and the first save leaves it as it was.
TEST_F(SettingsFileTest, TheShippedExampleHoldsEveryKeyAtTheWindowsDefault) {
    std::ifstream in(STOWLY_INI_EXAMPLE, std::ios::binary);
    ASSERT_TRUE(in) << STOWLY_INI_EXAMPLE;
    const std::string example{std::istreambuf_iterator<char>(in), {}};
    const IniFile ini = IniFile::Parse(example);
    const std::pair<const char*, const char*> keys[] = {
        {"PALLETE", "L"},         {"PALLETE", "B"},       {"PALLETE", "H"},
        {"PALLETE", "PH"},        {"OVERHANG", "L"},      {"OVERHANG", "B"},
        {"BOX", "PROFILE"},       {"BOX", "COLOR"},       {"BOX", "QUANTITY"},
        {"PIC", "ADDTEXT"},       {"BATCH", "QUANTITY"},  {"BATCH", "BOXES"},
        {"WEIGHT", "BOXG"},       {"WEIGHT", "BUNDLEKG"}, {"WEIGHT", "TAREKG"},
        {"WEIGHT", "MAXGROSSKG"}, {"MYPALLETS", "COUNT"},
    };
    for (const auto& [section, key] : keys)
        EXPECT_NE(ini.Read(section, key, "\x01missing"), "\x01missing") << section << "/" << key;

    Put(example);
    StoredInputs inputs = Sample();
    ASSERT_TRUE(LoadSettingsFile(path, inputs));
    ExpectSame(inputs, StoredInputs{});
    EXPECT_EQ(inputs.LengthOverhang, "0");
    EXPECT_EQ(inputs.WidthOverhang, "0");
    ASSERT_TRUE(SaveSettingsFile(path, inputs));
    EXPECT_EQ(Get(), example);
}

} // namespace
