#include "settings/settingsfile.h"

#include "settings/colourtext.h"
#include "settings/inifile.h"
#include "settings/ownpallets.h"
#include "settings/replacefile.h"
#include "shell/texts.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace {

// One stored key: where it lives and the input it holds (exactly one of the three members is
// set). A missing key gives the input's default, but a missing overhang reads as an empty text.
struct StoredKey {
    const char* Section;
    const char* Key;
    std::string StoredInputs::*Text = nullptr;
    bool StoredInputs::*Check = nullptr;
    Colour StoredInputs::*Paint = nullptr;
    bool EmptyWhenMissing = false;
};

// The keys in the order they are read and written; the order matters when a bad colour stops
// the reading halfway.
const StoredKey StoredKeys[] = {
    {"PALLETE", "L", &StoredInputs::PalletLength},
    {"PALLETE", "B", &StoredInputs::PalletWidth},
    {"PALLETE", "H", &StoredInputs::MaxHeight},
    {"PALLETE", "PH", nullptr, &StoredInputs::HeightIncludesPallet},
    {"OVERHANG", "L", &StoredInputs::LengthOverhang, nullptr, nullptr, true},
    {"OVERHANG", "B", &StoredInputs::WidthOverhang, nullptr, nullptr, true},
    {"BOX", "PROFILE", &StoredInputs::FluteProfile},
    {"BOX", "COLOR", nullptr, nullptr, &StoredInputs::DrawingColour},
    {"BOX", "QUANTITY", &StoredInputs::BoxesInOrder},
    {"PIC", "ADDTEXT", nullptr, &StoredInputs::AddText},
    {"BATCH", "QUANTITY", &StoredInputs::BundlesInOrder},
    {"BATCH", "BOXES", &StoredInputs::BoxesPerBundle},
};

// The weight texts, kept as typed.
const std::pair<const char*, std::string WeightFields::*> WeightKeys[] = {
    {"BOXG", &WeightFields::BoxGrams},
    {"BUNDLEKG", &WeightFields::BundleKg},
    {"TAREKG", &WeightFields::TareKg},
    {"MAXGROSSKG", &WeightFields::MaxGrossKg},
};
constexpr const char* WeightSection = "WEIGHT";

void ReadWeightKeys(const IniFile& file, WeightFields& weights) {
    for (const auto& [key, text] : WeightKeys)
        weights.*text = file.Read(WeightSection, key, "");
}

void WriteWeightKeys(IniFile& file, const WeightFields& weights) {
    bool wanted = false;
    for (const auto& [key, text] : WeightKeys)
        wanted = wanted || !(weights.*text).empty() || file.Read(WeightSection, key, "\n") != "\n";
    if (!wanted)
        return;
    for (const auto& [key, text] : WeightKeys)
        file.Write(WeightSection, key, weights.*text);
}

// The value the file holds for `key` when the input is as given.
std::string ValueText(const StoredKey& key, const StoredInputs& inputs) {
    if (key.Text)
        return inputs.*key.Text;
    if (key.Check)
        return inputs.*key.Check ? "1" : "0";
    return ColourToText(inputs.*key.Paint);
}

std::string MissingValue(const StoredKey& key) {
    return key.EmptyWhenMissing ? std::string() : ValueText(key, StoredInputs{});
}

enum class FileRead { Read, NoFile, Failed, TooLarge };

// The whole file at `path`, which must be a regular file (a link to one counts). The file is
// opened without blocking, so a FIFO or a device by that name cannot hold the program up; its
// type is checked on the open descriptor, so it cannot change in between.
FileRead ReadWholeFile(const std::string& path, std::string& content) {
    content.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? FileRead::NoFile : FileRead::Failed;
    struct stat info {};
    FileRead result = FileRead::Read;
    if (::fstat(fd, &info) != 0)
        result = FileRead::Failed;
    else if (!S_ISREG(info.st_mode))
        result = FileRead::NoFile;
    else if (static_cast<std::uintmax_t>(info.st_size) > SettingsFileSizeLimit)
        result = FileRead::TooLarge;
    char buffer[65536];
    while (result == FileRead::Read) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            result = FileRead::Failed;
        if (n <= 0)
            break;
        content.append(buffer, static_cast<std::size_t>(n));
        // A file that grows while it is read, or one that reports no size at all.
        if (content.size() > SettingsFileSizeLimit)
            result = FileRead::TooLarge;
    }
    const int readError = errno;
    ::close(fd);
    errno = readError;
    if (result != FileRead::Read)
        content.clear();
    return result;
}

// Why a read failed, in the words of the error report.
std::string ReadFailure(FileRead result) {
    return result == FileRead::TooLarge ? Texts::SettingsFileTooLarge : std::strerror(errno);
}

// A file nobody may write, or this user may not: left as it is.
bool ReadOnly(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return false;
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return true;
    return ::access(path.c_str(), W_OK) != 0 && errno == EACCES;
}

} // namespace

std::string SettingsPath(const std::string& executableDir) {
    return executableDir + "/" + SettingsFileName;
}

bool LoadSettingsFile(const std::string& path, StoredInputs& inputs) {
    std::string content;
    const FileRead read = ReadWholeFile(path, content);
    if (read == FileRead::NoFile)
        return false;
    if (read != FileRead::Read)
        throw SettingsFileError(Texts::SettingsNotRead(path, ReadFailure(read)));
    const IniFile file = IniFile::Parse(content);
    for (const StoredKey& key : StoredKeys) {
        const std::string value = file.Read(key.Section, key.Key, MissingValue(key));
        if (key.Text)
            inputs.*key.Text = value;
        else if (key.Check)
            inputs.*key.Check = value == "1";
        else
            inputs.*key.Paint = ColourFromText(value);
    }
    ReadWeightKeys(file, inputs.Weights);
    inputs.OwnPallets = ReadOwnPallets(file);
    return true;
}

bool SaveSettingsFile(const std::string& path, const StoredInputs& inputs) {
    std::string content;
    const FileRead read = ReadWholeFile(path, content);
    if (read == FileRead::NoFile)
        return false;
    if (read != FileRead::Read)
        throw SettingsFileError(Texts::SettingsNotSaved(path, ReadFailure(read)));
    if (ReadOnly(path))
        return false;
    IniFile file = IniFile::Parse(content);
    for (const StoredKey& key : StoredKeys) {
        file.Write(key.Section, key.Key, ValueText(key, inputs));
    }
    WriteWeightKeys(file, inputs.Weights);
    WriteOwnPallets(file, inputs.OwnPallets);
    const std::string updated = file.Content();
    // Nothing to change: the file is not touched at all.
    if (updated == content) {
        RemoveStaleTemporaries(path);
        return true;
    }
    if (!ReplaceFileContent(path, updated))
        throw SettingsFileError(Texts::SettingsNotSaved(path, std::strerror(errno)));
    return true;
}
