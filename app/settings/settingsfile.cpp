#include "app/settings/settingsfile.h"

#include "app/settings/colourtext.h"
#include "app/settings/inifile.h"
#include "app/settings/ownpallets.h"
#include "app/settings/replacefile.h"
#include "app/shell/texts.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

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
        const std::string value = file.Read(key.Section, key.Key, key.Default);
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
    if (!ReadWholeFile(path, content))
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
    WriteWeightKeys(file, inputs.Weights);
    WriteOwnPallets(file, inputs.OwnPallets);
    const std::string updated = file.Content();
    // Nothing to change: the file is not touched at all.
    if (updated == content)
        return true;
    return ReplaceFileContent(path, updated);
}
