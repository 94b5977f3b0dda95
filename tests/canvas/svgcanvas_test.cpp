#include "canvas/svgcanvas.h"
#include "loaddraw/drawload.h"

#include <QString>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

std::size_t CountOf(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// Parses the document; returns the error, empty when it is well-formed SVG.
std::string XmlProblem(const std::string& document, int* elementCount = nullptr) {
    QXmlStreamReader reader(QString::fromStdString(document));
    int elements = 0;
    bool sawRoot = false;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement) {
            if (!sawRoot && reader.name() != QLatin1String("svg"))
                return "root is not svg";
            sawRoot = true;
            ++elements;
        }
    }
    if (reader.hasError())
        return reader.errorString().toStdString();
    if (elementCount)
        *elementCount = elements;
    return sawRoot ? "" : "no root";
}

TEST(SvgCanvas, EmptyPictureIsAWhiteDocumentOfItsSize) {
    const SvgCanvas canvas(417, 564);
    const std::string document = canvas.Document();
    int elements = 0;
    EXPECT_EQ(XmlProblem(document, &elements), "");
    EXPECT_EQ(elements, 2);
    EXPECT_NE(document.find("width=\"417\" height=\"564\" viewBox=\"0 0 417 564\""),
              std::string::npos);
    EXPECT_NE(
        document.find("<rect x=\"0\" y=\"0\" width=\"417\" height=\"564\" fill=\"#ffffff\"/>"),
        std::string::npos);
}

TEST(SvgCanvas, RejectsAPictureWithoutPixels) {
    EXPECT_THROW(SvgCanvas(0, 10), std::invalid_argument);
    EXPECT_THROW(SvgCanvas(10, -5), std::invalid_argument);
}

TEST(SvgCanvas, BoxFacesAreWrittenWithTheirPointsAndColoursInOrder) {
    SceneState state;
    FitProjection(state, 417, 484, 0, 0, 0, 1200, 800, 1000);
    SvgCanvas canvas(417, 564);
    canvas.SetPenColour(MakeColour(200, 100, 30));
    DrawBox(state, 0, 0, 0, 400, 300, 200, canvas);
    const std::string document = canvas.Document();
    const std::string faces[] = {
        R"(<polygon points="128,167 128,206 192,238 192,199" fill="#964b16" stroke="#000000"/>)",
        R"(<polygon points="192,199 192,238 240,214 240,175" fill="#64320f" stroke="#000000"/>)",
        R"(<polygon points="176,143 128,167 192,199 240,175" fill="#c8641e" stroke="#000000"/>)",
    };
    std::size_t at = 0;
    for (const std::string& face : faces) {
        const std::size_t found = document.find(face, at);
        ASSERT_NE(found, std::string::npos) << face;
        at = found + face.size();
    }
    EXPECT_NE(document.find(R"(stroke-width="1")"), std::string::npos);
}

TEST(SvgCanvas, FillRectKeepsItsEdgesAndSkipsEmptyRectangles) {
    SvgCanvas canvas(100, 100);
    canvas.SetBrushColour(MakeColour(1, 2, 3));
    canvas.FillRect(10, 20, 30, 60);
    canvas.FillRect(30, 30, 30, 60); // no width
    const std::string document = canvas.Document();
    EXPECT_NE(document.find(R"(<rect x="10" y="20" width="20" height="40" fill="#010203"/>)"),
              std::string::npos);
    EXPECT_EQ(CountOf(document, "<rect"), 2u); // the background and the one rectangle
}

TEST(SvgCanvas, OperationsStayInDrawingOrderAndPenWidthsGroupThePolygons) {
    SvgCanvas canvas(100, 100);
    canvas.Polygon({{{1, 1}, {2, 1}, {2, 2}, {1, 2}}});
    canvas.SetBrushColour(clWhite);
    canvas.TextOut(5, 1, "x");
    canvas.SetPenWidth(3);
    canvas.Polygon({{{3, 3}, {4, 3}, {4, 4}, {3, 4}}});
    canvas.FillRect(0, 0, 5, 5);
    const std::string document = canvas.Document();
    const std::size_t first = document.find(R"(points="1,1)");
    const std::size_t text = document.find("<text");
    const std::size_t wide = document.find(R"(stroke-width="3")");
    const std::size_t second = document.find(R"(points="3,3)");
    const std::size_t rect = document.find(R"(<rect x="0" y="0" width="5")");
    EXPECT_LT(first, text);
    EXPECT_LT(text, wide);
    EXPECT_LT(wide, second);
    EXPECT_LT(second, rect);
    EXPECT_NE(rect, std::string::npos);
    EXPECT_EQ(XmlProblem(document), "");
}

TEST(SvgCanvas, TextIsEscapedAndPlacedByItsTopLeftCorner) {
    SvgCanvas canvas(300, 100);
    canvas.SetBrushColour(clWhite);
    canvas.TextOut(5, 14, "Пачки <1 & 2> \"a\" 'b'");
    const std::string document = canvas.Document();
    EXPECT_NE(document.find("Пачки &lt;1 &amp; 2&gt; &quot;a&quot; &apos;b&apos;</text>"),
              std::string::npos);
    EXPECT_NE(document.find(R"(<text x="5" y="24")"), std::string::npos); // baseline 10 below
    EXPECT_NE(document.find(R"(flood-color="#ffffff")"), std::string::npos);
    EXPECT_EQ(XmlProblem(document), "");
}

TEST(SvgCanvas, OneBackgroundFilterPerColour) {
    SvgCanvas canvas(300, 100);
    canvas.SetBrushColour(clWhite);
    canvas.TextOut(5, 1, "a");
    canvas.TextOut(5, 14, "b");
    canvas.SetBrushColour(MakeColour(255, 255, 0));
    canvas.TextOut(5, 27, "c");
    const std::string document = canvas.Document();
    EXPECT_EQ(CountOf(document, "<filter"), 2u);
    EXPECT_EQ(XmlProblem(document), "");
}

struct EscapeCase {
    const char* name;
    std::string text;
    std::string escaped;
};

const EscapeCase EscapeCases[] = {
    {"Plain", "Всего 48 пачек", "Всего 48 пачек"},
    {"Markup", "<&>\"'", "&lt;&amp;&gt;&quot;&apos;"},
    {"EntityLookalike", "&amp;", "&amp;amp;"},
    {"ControlCharactersDropped",
     std::string("a\x01\x1F"
                 "b",
                 4),
     "ab"},
    {"NulDropped", std::string("a\0b", 3), "ab"},
    {"TabAndNewlineKept", "a\tb\nc", "a\tb\nc"},
    {"StrayContinuationByte", "a\x80z", "a\xEF\xBF\xBDz"},
    {"InvalidLeadByte", "\xFF", "\xEF\xBF\xBD"},
    {"TruncatedSequence", "\xD0", "\xEF\xBF\xBD"},
    {"OverlongSlash", "\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"Surrogate", "\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"NonCharacterDropped", "a\xEF\xBF\xBEz", "az"},
    {"FourByteKept", "\xF0\x9F\x93\xA6", "\xF0\x9F\x93\xA6"},
};

void PrintTo(const EscapeCase& c, std::ostream* os) {
    *os << c.name;
}

class XmlEscapeTest : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(XmlEscapeTest, GivesTextXmlCanCarry) {
    const EscapeCase& c = GetParam();
    EXPECT_EQ(XmlEscape(c.text), c.escaped);
    SvgCanvas canvas(100, 100);
    canvas.TextOut(0, 0, c.text);
    EXPECT_EQ(XmlProblem(canvas.Document()), "");
}

INSTANTIATE_TEST_SUITE_P(Cases, XmlEscapeTest, ::testing::ValuesIn(EscapeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SvgCanvas, WholeLoadPictureIsOnePolygonPerFace) {
    SceneState state;
    state.PalletHeight = 150.0;
    SvgCanvas canvas(417, 564);
    canvas.SetPenColour(MakeColour(210, 180, 140));
    DrawLoad(state, canvas, 1200, 800, 2, 1000, 250, 150, 100, 417, 484);
    const std::string document = canvas.Document();
    EXPECT_EQ(XmlProblem(document), "");
    EXPECT_EQ(CountOf(document, "<polygon "), 3u * (7 + 250));
}

} // namespace
