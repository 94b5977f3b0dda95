// The INI layer: any file parses, an untouched file keeps every byte, and after writing the
// stored keys each reads back what was written while every line the system does not own keeps
// its bytes and its place.
#include "fuzz/fuzzcheck.h"
#include "settings/inifile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Key {
    const char* Section;
    const char* Name;
};

// The keys the settings file owns.
constexpr std::array<Key, 12> Keys{{{"PALLETE", "L"},
                                    {"PALLETE", "B"},
                                    {"PALLETE", "H"},
                                    {"PALLETE", "PH"},
                                    {"OVERHANG", "L"},
                                    {"OVERHANG", "B"},
                                    {"BOX", "PROFILE"},
                                    {"BOX", "COLOR"},
                                    {"BOX", "QUANTITY"},
                                    {"PIC", "ADDTEXT"},
                                    {"BATCH", "QUANTITY"},
                                    {"BATCH", "BOXES"}}};

// The same key as a user may spell it: letter case and blanks around the names do not count.
std::string Respelled(const char* name, bool respell) {
    std::string text = name;
    if (!respell)
        return text;
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return " " + text + "\t";
}

struct Line {
    std::string Text, Ending;
};

// The file's lines as an editor sees them (LF, CRLF or a lone CR), without a byte order mark.
std::vector<Line> Lines(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::vector<Line> lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            lines.push_back({std::string(text), ""});
            break;
        }
        const std::size_t length = text.substr(end, 2) == "\r\n" ? 2 : 1;
        lines.push_back({std::string(text.substr(0, end)), std::string(text.substr(end, length))});
        text.remove_prefix(end + length);
    }
    return lines;
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// A line no write can touch: it holds no "=", or the name before it is none of the keys'.
bool Foreign(const std::string& text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos)
        return true;
    std::string name(Trimmed(std::string_view(text).substr(0, equals)));
    for (char& c : name)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    for (const Key& key : Keys)
        if (name == key.Name)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    std::array<std::string, Keys.size()> values;
    std::array<bool, Keys.size()> written{}, respelled{};
    for (std::size_t i = 0; i < Keys.size(); ++i) {
        written[i] = input.ConsumeBool();
        respelled[i] = input.ConsumeBool();
        values[i] = input.ConsumeRandomLengthString(40);
    }
    const std::string content = input.ConsumeRemainingBytesAsString();

    IniFile file = IniFile::Parse(content);
    FuzzCheck(file.Content() == content, "an untouched file keeps every byte");

    for (std::size_t i = 0; i < Keys.size(); ++i)
        if (written[i])
            file.Write(Respelled(Keys[i].Section, respelled[i]),
                       Respelled(Keys[i].Name, respelled[i]), values[i]);
    const std::string saved = file.Content();
    const IniFile reread = IniFile::Parse(saved);
    for (std::size_t i = 0; i < Keys.size(); ++i) {
        if (!written[i])
            continue;
        // Line breaks become spaces and the blanks at the ends are not kept.
        std::string expected = values[i];
        for (char& c : expected)
            if (c == '\r' || c == '\n')
                c = ' ';
        expected = std::string(Trimmed(expected));
        FuzzCheck(reread.Read(Keys[i].Section, Keys[i].Name, "\x01missing") == expected,
                  "a written value reads back as written");
    }

    // Writing back what the file now reads leaves every byte as it is.
    IniFile again = IniFile::Parse(saved);
    for (const Key& key : Keys) {
        const std::string value = reread.Read(key.Section, key.Name, "\x01missing");
        if (value != "\x01missing")
            again.Write(key.Section, key.Name, value);
    }
    FuzzCheck(again.Content() == saved, "writing back what the file reads changes no byte");

    // Every line the system does not own is still there, in order, byte for byte; only a last
    // line without an ending may have gained one.
    const std::vector<Line> before = Lines(content), after = Lines(saved);
    std::size_t at = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (!Foreign(before[i].Text))
            continue;
        const bool last = i + 1 == before.size();
        while (at < after.size() &&
               !(after[at].Text == before[i].Text &&
                 (after[at].Ending == before[i].Ending || (last && before[i].Ending.empty()))))
            ++at;
        FuzzCheck(at < after.size(), "every foreign line keeps its bytes and its place");
        ++at;
    }
    return 0;
}
