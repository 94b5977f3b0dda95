#include "settings/settingsfile.h"

#include "settings/colourtext.h"
#include "settings/inifile.h"
#include "settings/replacefile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// The whole file at `path`, which must be a regular file (a link to one counts).
bool ReadWholeFile(const std::string& path, std::string& content) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    content.clear();
    char buffer[65536];
    while (ok) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            ok = false;
        if (n <= 0)
            break;
        content.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return ok;
}

} // namespace

std::string SettingsPath(const std::string& executableDir) {
    return executableDir + "/" + SettingsFileName;
}

bool LoadSettingsFile(const std::string& path, StoredInputs& inputs) {
    std::string content;
    if (!ReadWholeFile(path, content))
        return false;
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
    return true;
}

bool SaveSettingsFile(const std::string& path, const StoredInputs& inputs) {
    std::string content;
    if (!ReadWholeFile(path, content))
        return false;
    IniFile file = IniFile::Parse(content);
    for (const StoredKey& key : StoredKeys) {
        file.Write(key.Section, key.Key, ValueText(key, inputs));
    }
    const std::string updated = file.Content();
    // Nothing to change: the file is not touched at all.
    if (updated == content)
        return true;
    return ReplaceFileContent(path, updated);
}
