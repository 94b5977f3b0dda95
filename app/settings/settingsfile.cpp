#include "app/settings/settingsfile.h"

#include "app/settings/colourtext.h"
#include "app/settings/inifile.h"
#include "app/settings/replacefile.h"
#include "app/shell/texts.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// One stored key: where it lives, its default, and the input it holds (exactly one of the
// three members is set).
struct StoredKey {
    const char* Section;
    const char* Key;
    const char* Default;
    std::string StoredInputs::*Text = nullptr;
    bool StoredInputs::*Check = nullptr;
    Colour StoredInputs::*Paint = nullptr;
};

// The keys in the order they are read and written; the order matters when a bad colour stops
// the reading halfway.
const StoredKey StoredKeys[] = {
    {"PALLETE", "L", "1200", &StoredInputs::PalletLength},
    {"PALLETE", "B", "800", &StoredInputs::PalletWidth},
    {"PALLETE", "H", "2000", &StoredInputs::MaxHeight},
    {"PALLETE", "PH", "1", nullptr, &StoredInputs::HeightIncludesPallet},
    {"OVERHANG", "L", "", &StoredInputs::LengthOverhang},
    {"OVERHANG", "B", "", &StoredInputs::WidthOverhang},
    {"BOX", "PROFILE", Texts::DefaultFluteProfile, &StoredInputs::FluteProfile},
    {"BOX", "COLOR", "clSilver", nullptr, nullptr, &StoredInputs::DrawingColour},
    {"BOX", "QUANTITY", "", &StoredInputs::BoxesInOrder},
    {"PIC", "ADDTEXT", "1", nullptr, &StoredInputs::AddText},
    {"BATCH", "QUANTITY", "", &StoredInputs::BundlesInOrder},
    {"BATCH", "BOXES", "", &StoredInputs::BoxesPerBundle},
};

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
        const std::string value = file.Read(key.Section, key.Key, key.Default);
        if (key.Text)
            inputs.*key.Text = value;
        else if (key.Check)
            inputs.*key.Check = value == "1";
        else
            inputs.*key.Paint = ColourFromText(value);
    }
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
        std::string value;
        if (key.Text)
            value = inputs.*key.Text;
        else if (key.Check)
            value.assign(1, inputs.*key.Check ? '1' : '0');
        else
            value = ColourToText(inputs.*key.Paint);
        file.Write(key.Section, key.Key, value);
    }
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
