#include "settings/inifile.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    a = Trimmed(a);
    b = Trimmed(b);
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

enum class LineKind { Blank, Comment, SectionHeader, Key, Other };

struct Parsed {
    LineKind Kind = LineKind::Other;
    std::string_view Name;      // section or key name, trimmed
    std::size_t Equals = 0;     // index of the first "=" of a key line
    std::size_t ValueBegin = 0; // the trimmed value within the line
    std::size_t ValueEnd = 0;
};

Parsed ParseLine(std::string_view text) {
    Parsed line;
    const std::string_view content = Trimmed(text);
    if (content.empty()) {
        line.Kind = LineKind::Blank;
    } else if (content.front() == ';' || content.front() == '#') {
        line.Kind = LineKind::Comment;
    } else if (content.front() == '[') {
        const std::size_t close = content.find(']');
        if (close != std::string_view::npos) {
            line.Kind = LineKind::SectionHeader;
            line.Name = Trimmed(content.substr(1, close - 1));
        }
    } else if (const std::size_t equals = text.find('='); equals != std::string_view::npos) {
        line.Kind = LineKind::Key;
        line.Name = Trimmed(text.substr(0, equals));
        line.Equals = equals;
        std::size_t begin = equals + 1, end = text.size();
        while (begin < end && IsBlank(text[begin]))
            ++begin;
        while (end > begin && IsBlank(text[end - 1]))
            --end;
        line.ValueBegin = begin;
        line.ValueEnd = end;
    }
    return line;
}

} // namespace

IniFile IniFile::Parse(const std::string& content) {
    IniFile file;
    std::string_view rest = content;
    if (rest.substr(0, ByteOrderMark.size()) == ByteOrderMark) {
        file.byteOrderMark = ByteOrderMark;
        rest.remove_prefix(ByteOrderMark.size());
    }
    // At most one line per line ending, and one more: a file of nothing but line endings is
    // held without growing the list a hundred times over.
    file.lines.reserve(static_cast<std::size_t>(std::count(rest.begin(), rest.end(), '\n') +
                                                std::count(rest.begin(), rest.end(), '\r')) +
                       1);
    while (!rest.empty()) {
        const std::size_t end = rest.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            file.lines.push_back({std::string(rest), ""});
            break;
        }
        const std::size_t endingLength = rest.substr(end, 2) == "\r\n" ? 2 : 1;
        file.lines.push_back(
            {std::string(rest.substr(0, end)), std::string(rest.substr(end, endingLength))});
        rest.remove_prefix(end + endingLength);
    }
    return file;
}

std::vector<IniFile::Section> IniFile::SectionsNamed(const std::string& name) const {
    std::vector<Section> found;
    // The keys before the first header form the section without a name.
    Section current{lines.size(), 0, lines.size()};
    bool matches = SameName(name, "");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Parsed line = ParseLine(lines[i].Text);
        if (line.Kind != LineKind::SectionHeader)
            continue;
        if (matches) {
            current.End = i;
            found.push_back(current);
        }
        current = {i, i + 1, lines.size()};
        matches = SameName(name, line.Name);
    }
    if (matches)
        found.push_back(current);
    return found;
}

std::size_t IniFile::FindKey(const std::string& section, const std::string& key) const {
    for (const Section& s : SectionsNamed(section)) {
        for (std::size_t i = s.Begin; i < s.End; ++i) {
            const Parsed line = ParseLine(lines[i].Text);
            if (line.Kind == LineKind::Key && SameName(key, line.Name))
                return i;
        }
    }
    return lines.size();
}

std::string IniFile::Read(const std::string& section, const std::string& key,
                          const std::string& defaultValue) const {
    const std::size_t at = FindKey(section, key);
    if (at == lines.size())
        return defaultValue;
    const Parsed line = ParseLine(lines[at].Text);
    return lines[at].Text.substr(line.ValueBegin, line.ValueEnd - line.ValueBegin);
}

std::string IniFile::NewLineEnding() const {
    for (const Line& line : lines)
        if (!line.Ending.empty())
            return line.Ending;
    return "\n";
}

void IniFile::InsertLine(std::size_t at, const std::string& text) {
    if (at < lines.size()) {
        // Inside the file: the line before it has an ending, and the new line takes the same.
        const std::string ending = at > 0 ? lines[at - 1].Ending : NewLineEnding();
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Line{text, ending});
        return;
    }
    // At the end: a file that ended without a line ending keeps ending so.
    if (!lines.empty() && lines.back().Ending.empty()) {
        lines.back().Ending = NewLineEnding();
        lines.push_back({text, ""});
    } else {
        lines.push_back({text, NewLineEnding()});
    }
}

void IniFile::Write(const std::string& section, const std::string& key, const std::string& value) {
    std::string flattened = value;
    std::replace(flattened.begin(), flattened.end(), '\r', ' ');
    std::replace(flattened.begin(), flattened.end(), '\n', ' ');
    // Reading drops the blanks around a value, so writing them would only add one more blank
    // beside those the line keeps on every save.
    const std::string oneLine(Trimmed(flattened));

    const std::size_t at = FindKey(section, key);
    if (at < lines.size()) {
        std::string& text = lines[at].Text;
        const Parsed line = ParseLine(text);
        // An empty value leaves only blanks after the "=": the value goes after them, as
        // emptying a value keeps them, so writing back what was read changes no byte.
        if (line.ValueBegin == line.ValueEnd)
            text += oneLine;
        else
            text = text.substr(0, line.ValueBegin) + oneLine + text.substr(line.ValueEnd);
        return;
    }
    const std::string keyLine = std::string(Trimmed(key)) + "=" + oneLine;
    const std::vector<Section> sections = SectionsNamed(section);
    if (sections.empty()) {
        std::string header(1, '[');
        header.append(Trimmed(section)).push_back(']');
        InsertLine(lines.size(), header);
        InsertLine(lines.size(), keyLine);
        return;
    }
    const Section& s = sections.front();
    std::size_t insertAt = s.Begin;
    for (std::size_t i = s.Begin; i < s.End; ++i) {
        const LineKind kind = ParseLine(lines[i].Text).Kind;
        if (kind != LineKind::Blank && kind != LineKind::Comment)
            insertAt = i + 1;
    }
    InsertLine(insertAt, keyLine);
}

void IniFile::Remove(const std::string& section, const std::string& key) {
    const std::size_t at = FindKey(section, key);
    if (at == lines.size())
        return;
    // The last line of a file without a final ending: the line before it then ends the file.
    if (at + 1 == lines.size() && lines[at].Ending.empty() && at > 0)
        lines[at - 1].Ending.clear();
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
}

std::string IniFile::Content() const {
    std::string content = byteOrderMark;
    for (const Line& line : lines)
        content += line.Text + line.Ending;
    return content;
}
