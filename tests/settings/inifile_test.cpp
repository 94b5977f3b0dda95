#include "settings/inifile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ReadCase {
    std::string Name;
    std::string Content;
    std::string Section, Key;
    std::string Expected; // "<default>" when the key is not found
};

TEST(IniFileRead, FindsTheKeyAsWritten) {
    const ReadCase cases[] = {
        {"plain", "[BOX]\nCOLOR=clRed\n", "BOX", "COLOR", "clRed"},
        {"names in any case", "[box]\ncolor=clRed\n", "BOX", "COLOR", "clRed"},
        {"value trimmed", "[BOX]\nCOLOR =  clRed \t\n", "BOX", "COLOR", "clRed"},
        {"spaces inside kept", "[BOX]\nPROFILE= B - 3.1 \n", "BOX", "PROFILE", "B - 3.1"},
        {"names trimmed", "  [ BOX ]  \n\t COLOR\t= x\n", "BOX", "COLOR", "x"},
        {"text after the bracket", "[BOX] ; the box\nCOLOR=x\n", "BOX", "COLOR", "x"},
        {"first equals sign", "[A]\nK=a=b\n", "A", "K", "a=b"},
        {"empty value is not missing", "[A]\nK=\n", "A", "K", ""},
        {"missing key", "[A]\nX=1\n", "A", "K", "<default>"},
        {"missing section", "[B]\nK=1\n", "A", "K", "<default>"},
        {"empty file", "", "A", "K", "<default>"},
        {"key of the next section", "[A]\n[B]\nK=1\n", "A", "K", "<default>"},
        {"comments are not keys", "[A]\n;K=1\n  #K=2\nK=3\n", "A", "K", "3"},
        {"line without equals", "[A]\nK\nK=4\n", "A", "K", "4"},
        {"first of duplicate keys", "[A]\nK=1\nK=2\n", "A", "K", "1"},
        {"first of duplicate sections", "[A]\nK=1\n[A]\nK=2\n", "A", "K", "1"},
        {"key only in a later duplicate", "[A]\nX=1\n[B]\nK=b\n[A]\nK=2\n", "A", "K", "2"},
        {"keys before any section", "K=0\n[A]\nK=1\n", "A", "K", "1"},
        {"keys before any section by empty name", "K=0\n[A]\nK=1\n", "", "K", "0"},
        {"open bracket is not a header", "[A]\n[B\nK=1\n", "A", "K", "1"},
        {"CRLF", "[A]\r\nK=1\r\n", "A", "K", "1"},
        {"lone CR", "[A]\rK=1\r", "A", "K", "1"},
        {"no final line ending", "[A]\nK=1", "A", "K", "1"},
        {"byte order mark", "\xEF\xBB\xBF[A]\nK=1\n", "A", "K", "1"},
        {"UTF-8 value", "[BOX]\nPROFILE=Гофра Б\n", "BOX", "PROFILE", "Гофра Б"},
        {"non-ASCII case is exact", "[Я]\nK=1\n", "я", "K", "<default>"},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(IniFile::Parse(c.Content).Read(c.Section, c.Key, "<default>"), c.Expected);
    }
}

TEST(IniFileContent, UntouchedFileKeepsEveryByte) {
    static const char binary[] = "[A]\nK=\0\xFF\xFE\n";
    const std::string contents[] = {
        "",
        "\n",
        "[A]\nK=1",
        "\xEF\xBB\xBF; only a comment\r\n",
        "[A]\r\nK=1\n\rX\r\r\n",
        "  junk without structure\n[\n]\n=\n==\n",
        std::string(binary, sizeof binary - 1),
    };
    for (const std::string& content : contents) {
        SCOPED_TRACE(content);
        EXPECT_EQ(IniFile::Parse(content).Content(), content);
    }
}

struct Write {
    std::string Section, Key, Value;
};

struct WriteCase {
    std::string Name;
    std::string Content;
    std::vector<Write> Writes;
    std::string Expected;
};

TEST(IniFileWrite, ChangesOnlyWhatItWrites) {
    const WriteCase cases[] = {
        {"value replaced where it stands, spelling and spacing kept",
         "; top\r\n[a]\r\n  k = old  \r\nX=1\r\n",
         {{"A", "K", "new"}},
         "; top\r\n[a]\r\n  k = new  \r\nX=1\r\n"},
        {"empty value filled", "[A]\nK=\n", {{"A", "K", "v"}}, "[A]\nK=v\n"},
        {"value emptied", "[A]\nK = v\n", {{"A", "K", ""}}, "[A]\nK = \n"},
        {"empty value after blanks filled", "[A]\nK = \n", {{"A", "K", "v"}}, "[A]\nK = v\n"},
        {"empty value after blanks written back as it is",
         "[A]\nK = \t",
         {{"A", "K", ""}},
         "[A]\nK = \t"},
        {"key added after the section's last key, before what introduces the next",
         "[A]\nX=1\n\n; about B\n[B]\nY=2\n",
         {{"A", "K", "v"}},
         "[A]\nX=1\nK=v\n\n; about B\n[B]\nY=2\n"},
        {"key added to a section without keys",
         "[A]\n; note\n[B]\n",
         {{"A", "K", "v"}},
         "[A]\nK=v\n; note\n[B]\n"},
        {"key added to a last section without a final line ending",
         "[A]",
         {{"A", "K", "v"}},
         "[A]\nK=v"},
        {"section added to a file without a final line ending",
         "[B]\nY=2",
         {{"A", "K", "v"}},
         "[B]\nY=2\n[A]\nK=v"},
        {"new lines take the file's CRLF",
         "[B]\r\nY=2\r\n",
         {{"A", "K", "v"}, {"B", "Z", "w"}},
         "[B]\r\nY=2\r\nZ=w\r\n[A]\r\nK=v\r\n"},
        {"empty file", "", {{"A", "K", "v"}, {"A", "L", "w"}}, "[A]\nK=v\nL=w\n"},
        {"byte order mark kept",
         "\xEF\xBB\xBF; c\n",
         {{"A", "K", "v"}},
         "\xEF\xBB\xBF; c\n[A]\nK=v\n"},
        {"first of duplicate keys", "[A]\nK=1\nK=2\n", {{"A", "K", "v"}}, "[A]\nK=v\nK=2\n"},
        {"duplicate sections: existing key where it stands, new key in the first",
         "[A]\nX=1\n[B]\n[A]\nK=2\n",
         {{"A", "K", "v"}, {"A", "Z", "w"}},
         "[A]\nX=1\nZ=w\n[B]\n[A]\nK=v\n"},
        {"keys before any section are not a section's",
         "K=0\n",
         {{"A", "K", "v"}},
         "K=0\n[A]\nK=v\n"},
        {"a line break in a value cannot start a key",
         "[A]\nK=1\n",
         {{"A", "K", "a\r\nB=evil\nC=bad"}},
         "[A]\nK=a  B=evil C=bad\n"},
        {"UTF-8 value",
         "[BOX]\n",
         {{"BOX", "PROFILE", "Гофра Б - 3,1"}},
         "[BOX]\nPROFILE=Гофра Б - 3,1\n"},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.Name);
        IniFile file = IniFile::Parse(c.Content);
        for (const Write& w : c.Writes)
            file.Write(w.Section, w.Key, w.Value);
        EXPECT_EQ(file.Content(), c.Expected);
    }
}

TEST(IniFileWrite, WrittenValuesReadBack) {
    IniFile file = IniFile::Parse("[A]\nK=1\n");
    file.Write("A", "K", "a\nB=evil");
    file.Write("C", "L", "x");
    const IniFile reread = IniFile::Parse(file.Content());
    EXPECT_EQ(reread.Read("A", "K", "-"), "a B=evil");
    EXPECT_EQ(reread.Read("A", "B", "-"), "-");
    EXPECT_EQ(reread.Read("c", "l", "-"), "x");
}

} // namespace

TEST(IniFileRemove, TakesOutOnlyTheKeyLine) {
    struct RemoveCase {
        std::string Name, Content, Section, Key, Expected;
    };
    const RemoveCase cases[] = {
        {"middle", "[A]\nK=1\nX=2\n", "A", "K", "[A]\nX=2\n"},
        {"CRLF kept", "[A]\r\nK=1\r\nX=2\r\n", "A", "K", "[A]\r\nX=2\r\n"},
        {"other section untouched", "[B]\nK=0\n[A]\nK=1\n", "A", "K", "[B]\nK=0\n[A]\n"},
        {"last line without ending", "[A]\nX=2\nK=1", "A", "K", "[A]\nX=2"},
        {"missing key", "[A]\nX=2\n", "A", "K", "[A]\nX=2\n"},
        {"comment with the name", "[A]\n;K=1\n", "A", "K", "[A]\n;K=1\n"},
        {"first of duplicates", "[A]\nK=1\nK=2\n", "A", "K", "[A]\nK=2\n"},
    };
    for (const RemoveCase& c : cases) {
        SCOPED_TRACE(c.Name);
        IniFile file = IniFile::Parse(c.Content);
        file.Remove(c.Section, c.Key);
        EXPECT_EQ(file.Content(), c.Expected);
    }
}
