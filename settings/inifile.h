#pragma once

#include <string>
#include <vector>

// A sectioned text file held as its lines, so that a save rewrites only the values the system
// owns and every other byte of the user's file survives: comments (";" and "#"), blank lines,
// unknown sections and keys, each line's own ending (LF, CRLF or a lone CR), a last line
// without an ending, a UTF-8 byte order mark.
//
// A line "[name]" opens a section (text after "]" is ignored); a line "key=value" gives a key
// its value, the value being the text after the first "=" without surrounding spaces and tabs.
// Section and key names are compared without ASCII letter case and without surrounding spaces
// and tabs. Keys before the first section belong to a section named "". Where a section or a
// key stands twice, the first key line in file order among the sections of that name is the
// one read and written; later ones are left as they are.
class IniFile {
  public:
    static IniFile Parse(const std::string& content);

    // The key's value, or defaultValue when the key is missing. A key that is present with an
    // empty value reads as empty.
    std::string Read(const std::string& section, const std::string& key,
                     const std::string& defaultValue) const;

    // Replaces the value where the key stands, keeping the line's key spelling and the spaces
    // around the value. A missing key is added after the last line of its section that is
    // neither blank nor a comment (so comments and blank lines that introduce the next section
    // stay with it); a missing section is added at the end of the file. A line break in the
    // value would start a line of its own, so it is written as a space. Blanks around the value
    // are not written: reading drops them, so the value reads back as written and a save of an
    // unchanged value writes the same bytes.
    void Write(const std::string& section, const std::string& key, const std::string& value);

    // Removes the line of the key that Read and Write use, with its ending; nothing else moves.
    // A missing key leaves the file as it was.
    void Remove(const std::string& section, const std::string& key);

    // The file's bytes. A file that ended without a line ending still does.
    std::string Content() const;

  private:
    struct Line {
        std::string Text;   // without its ending
        std::string Ending; // "\n", "\r\n", "\r" or "" for a last line without one
    };
    struct Section {
        std::size_t Header; // index of the "[name]" line; lines.size() for the keys before any
        std::size_t Begin;  // first line after the header
        std::size_t End;    // one past its last line
    };

    std::vector<Section> SectionsNamed(const std::string& name) const;
    // Index of the line holding the key, or lines.size().
    std::size_t FindKey(const std::string& section, const std::string& key) const;
    void InsertLine(std::size_t at, const std::string& text);
    std::string NewLineEnding() const;

    std::string byteOrderMark;
    std::vector<Line> lines;
};
