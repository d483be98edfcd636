#include <gtest/gtest.h>

#include "document/document.h"
#include "tests/process.h"

namespace {

struct Row {
    std::string key;
    EntryKind kind;
    std::string text;
    double number;
};

// Loads `content` as a source file into `document`; returns the result.
int loadSource(Document& document, const std::string& content) {
    TempFolder folder;
    writeFile(folder / "source.txt", content);
    return document.load(folder / "source.txt");
}

void expectRows(const Document& document, const std::vector<Row>& rows) {
    ASSERT_EQ(document.entryCount, static_cast<std::int32_t>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const DocumentEntry& entry = document.entries[i];
        EXPECT_EQ(entry.key, rows[i].key) << "row " << i;
        EXPECT_EQ(entry.kind, rows[i].kind) << "row " << i;
        EXPECT_EQ(entry.text, rows[i].text) << "row " << i;
        EXPECT_DOUBLE_EQ(entry.number, rows[i].number) << "row " << i;
    }
}

constexpr EntryKind T = EntryKind::Text;
constexpr EntryKind N = EntryKind::Number;

// The example file of the format's reference, with CR LF line ends and one
// TAB-indented line.
const std::string exampleMenu =
    "// Example source file\r\n"
    "/* block comment\r\n"
    "   $ ignored = yes\r\n"
    "*/\r\n"
    "$ output = teleport.cfg\r\n"
    "% max_lines = 400\r\n"
    "% no_popup =\r\n"
    "#CR = ||\r\n"
    "$ greeting = \"  Hello||world \"\r\n"
    "$() maps = base/arena1\r\n"
    "\tbase/duel2\r\n"
    "& a remark line\r\n"
    "{ base/arena1\r\n"
    "  $ name = First arena\r\n"
    "  $() points = Spawn ; 100 200 30 90\r\n"
    "  Bridge ; -50 10 30 180\r\n"
    "  { lights\r\n"
    "    %() levels = 1.5\r\n"
    "    2 5\r\n"
    "    -3e2\r\n"
    "  }\r\n"
    "}\r\n"
    "{ base/duel2\r\n"
    "  $ name = Duel\r\n"
    "  }#\r\n"
    "$ output = final.cfg\r\n";

}  // namespace

TEST(SourceReader, ReadsTheExampleMenu) {
    Document document;
    ASSERT_EQ(loadSource(document, exampleMenu), 0);
    EXPECT_EQ(document.crToken, "||");
    expectRows(document, {
                             {"output", T, "teleport.cfg", 0},
                             {"max_lines", N, "", 400},
                             {"no_popup", N, "", 0},
                             {"greeting", T, "  Hello\nworld ", 0},
                             {"maps(0)", T, "base/arena1", 0},
                             {"maps(1)", T, "base/duel2", 0},
                             {"base/arena1.name", T, "First arena", 0},
                             {"base/arena1.points(0)", T, "Spawn ; 100 200 30 90", 0},
                             {"base/arena1.points(1)", T, "Bridge ; -50 10 30 180", 0},
                             {"base/arena1.lights.levels(0)", N, "", 1.5},
                             {"base/arena1.lights.levels(1)", N, "", 25},
                             {"base/arena1.lights.levels(2)", N, "", -300},
                             {"base/duel2.name", T, "Duel", 0},
                             {"output", T, "final.cfg", 0},
                         });
    EXPECT_EQ(document.entries[3].text.size(), 14u);
    EXPECT_EQ(document.entries[0].line, 5);
    EXPECT_EQ(document.entries[13].line, 26);

    // The same file with LF line ends gives the same table.
    std::string lf = exampleMenu;
    for (std::string::size_type at; (at = lf.find("\r\n")) != std::string::npos;) lf.erase(at, 1);
    Document again;
    ASSERT_EQ(loadSource(again, lf), 0);
    ASSERT_EQ(again.entryCount, document.entryCount);
    for (std::int32_t i = 0; i < again.entryCount; ++i) EXPECT_EQ(again.entries[i].text, document.entries[i].text);
}

TEST(SourceReader, AnswersTheQueryExamples) {
    Document document;
    ASSERT_EQ(loadSource(document, exampleMenu), 0);
    EXPECT_EQ(document.getText("output"), "final.cfg");
    EXPECT_EQ(document.getNumber("output"), 0);
    EXPECT_EQ(document.getNumber("max_lines"), 400);
    EXPECT_EQ(document.getText("max_lines"), "");
    EXPECT_EQ(document.lastIndex("maps"), 1);
    EXPECT_EQ(document.getText("maps", 1), "base/duel2");
    document.setSection("base/arena1");
    EXPECT_EQ(document.lastIndex("points"), 1);
    EXPECT_EQ(document.getText("points", 1), "Bridge ; -50 10 30 180");
    EXPECT_EQ(document.getText("name"), "First arena");
    EXPECT_EQ(document.getText("na me"), "First arena");
    document.setSection("base/arena1.lights");
    EXPECT_EQ(document.getNumber("levels", 2), -300);
    document.setSection("  ");
    EXPECT_EQ(document.getText("greeting"), "  Hello\nworld ");
}

TEST(SourceReader, ReadsEachRuleWhereFaultsHide) {
    struct Case {
        const char* what;
        std::string source;
        std::vector<Row> rows;
    };
    const Case cases[] = {
        {"a list stays open across remarks, comments, blank lines and \"}\"",
         "{ a\n$() l = x\n& remark\n\xA7 remark\n// comment\n\n}\ny\n",
         {{"a.l(0)", T, "x", 0}, {"l(1)", T, "y", 0}}},
        {"a \"{\" line closes the list",
         "$() l = x\n{ s\ny\n$ v = 1\n",
         {{"l(0)", T, "x", 0}, {"s.v", T, "1", 0}}},
        {"a \"$()\" line without \"=\" restarts the open list at 0 with its own kind",
         "$() l = x\ny\n%()\n7\n",
         {{"l(0)", T, "x", 0}, {"l(1)", T, "y", 0}, {"l(0)", N, "", 7}}},
        {"a \"$()\" line without \"=\" opens nothing",
         "$() nothing\ny\n",
         {}},
        {"a block comment closes only at a line that is exactly \"*/\"",
         "/* one */\n$ hidden = 1\n  */  \n$ seen = 2\n*/\n$ after = 3\n",
         {{"seen", T, "2", 0}, {"after", T, "3", 0}}},
        {"\"/\" and blanks before \"*\" open a block comment",
         "/ \t* x\n$ hidden = 1\n*/\n/\n$ v = 2\n",
         {{"v", T, "2", 0}}},
        {"an empty section name at the top level is never closed by \"}\"",
         "{\n$ a = 1\n}\n}}\n$ b = 2\n}#\n$ c = 3\n",
         {{".a", T, "1", 0}, {".b", T, "2", 0}, {"c", T, "3", 0}}},
        {"several \"}\" on one line close as many sections, more close nothing",
         "{ a\n{ b\n$ x = 1\n}}\n$ y = 2\n{ c\n}}}\n$ z = 3\n",
         {{"a.b.x", T, "1", 0}, {"y", T, "2", 0}, {"z", T, "3", 0}}},
        {"one \"}\" closes the innermost section",
         "{ a\n{ b\n}\n$ x = 1\n",
         {{"a.x", T, "1", 0}}},
        {"number list items reuse the previous number when none can be read",
         "%() n = 4\nabc\n\"9\"\n1 000\n%() m = \"5\"\n",
         {{"n(0)", N, "", 4}, {"n(1)", N, "", 4}, {"n(2)", N, "", 4}, {"n(3)", N, "", 1000}, {"m(0)", N, "", 1000}}},
        {"a \"%()\" in quotes before any number list item gives 0, a plain \"%\" reads through quotes",
         "%() m = \"5\"\n% q = \"6\"\n% s = 1 000\n% e =\n% t = abc\n",
         {{"m(0)", N, "", 0}, {"q", N, "", 6}, {"s", N, "", 1}, {"e", N, "", 0}, {"t", N, "", 0}}},
        {"quotes: one outer pair goes, inner quotes stay",
         "$ a = \"  kept  \"\n$ b = \"\"\n$ c = \"\n$ d = say \"hi\" now\n$ e = \"x\" y\n",
         {{"a", T, "  kept  ", 0}, {"b", T, "", 0}, {"c", T, "", 0}, {"d", T, "say \"hi\" now", 0},
          {"e", T, "\"x\" y", 0}}},
        {"the value runs from the first \"=\", the name may be empty or hold blanks",
         "$ a = b = c\n$ = bare\n$ two words = x\n$ maps(3) = direct\n",
         {{"a", T, "b = c", 0}, {"", T, "bare", 0}, {"two words", T, "x", 0}, {"maps(3)", T, "direct", 0}}},
        {"the line-break token: text values and items, not keys or numbers; an empty CR= ends it",
         "# C R = ~~\n$ k~~ey = a~~b\n$() l = x~~y\nz~~\n%() n = 1~~2\n#CR=\n$ after = a~~b\n",
         {{"k~~ey", T, "a\nb", 0}, {"l(0)", T, "x\ny", 0}, {"l(1)", T, "z\n", 0}, {"n(0)", N, "", 1},
          {"after", T, "a~~b", 0}}},
        {"other directives are ignored and close the list",
         "$() l = x\n#include y\nz\n",
         {{"l(0)", T, "x", 0}}},
        {"a byte-order mark makes the first line an ignored continuation line",
         "\xEF\xBB\xBF$ output = a\n$ b = 1\n",
         {{"b", T, "1", 0}}},
        {"a carriage return inside a line is an ordinary character; the last line needs no line feed",
         "$ a = x\ry\n$ b = last",
         {{"a", T, "x\ry", 0}, {"b", T, "last", 0}}},
        {"a list continues under the path left by a \"}\"",
         "{ m\n$() points = a\n}\nb\n",
         {{"m.points(0)", T, "a", 0}, {"points(1)", T, "b", 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Document document;
        ASSERT_EQ(loadSource(document, c.source), 0);
        expectRows(document, c.rows);
    }
}

TEST(SourceReader, StopsAtTheCapacity) {
    std::string source = "$() points = p0\n";
    for (int i = 1; i < documentCapacity + 5; ++i) source += "p" + std::to_string(i) + "\n";
    source += "}#\n#CR=x\n";
    Document document;
    ASSERT_EQ(loadSource(document, source), 0);
    EXPECT_EQ(document.entryCount, documentCapacity);
    EXPECT_EQ(document.entries.back().key, "points(10999)");
    EXPECT_EQ(document.crToken, "");  // lines after the full table are not read
    EXPECT_EQ(document.lastIndex("points"), documentCapacity - 1);
}

TEST(SourceReader, ReportsWhatItCannotOpen) {
    Document document;
    EXPECT_EQ(document.load("/nonexistent/telvorin/source.txt"), 2);
    EXPECT_EQ(document.entryCount, 0);

    // A folder is no source file.
    TempFolder folder;
    Document fromFolder;
    EXPECT_EQ(fromFolder.load(folder.path()), 2);
    EXPECT_EQ(fromFolder.entryCount, 0);
}

TEST(SourceReader, CleansATokenWithTheTokenBefore) {
    Document document;
    ASSERT_EQ(loadSource(document, "#CR=ab\n# CR = \"xaby\"\n"), 0);
    EXPECT_EQ(document.crToken, "x\ny");
}

TEST(SourceReader, EndsCleanlyOnGarbage) {
    struct Case {
        const char* what;
        std::string source;
    };
    std::string binary;
    for (int i = 0; i < 70000; ++i) binary += static_cast<char>((i * 7919) % 256);
    std::string nested, closing;
    for (int i = 0; i < 20000; ++i) nested += "{ s\n$ v = 1\n";
    for (int i = 0; i < 20000; ++i) closing += "}\n";
    const Case cases[] = {
        {"binary", binary},
        {"a 2 MB line", "$ v = " + std::string(2 << 20, 'x') + "\n"},
        {"a 2 MB list item of braces", "$() l = a\n" + std::string(2 << 20, '}') + "\n"},
        {"NUL bytes", std::string("$ output = a\0b\n%\0= 1\n", 21)},
        {"20000 nested sections", nested},
        {"20000 closing lines", closing},
        {"overflowing numbers", "% a = 1e400\n%() l = -1e400\n1e999999999999\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Document document;
        EXPECT_EQ(loadSource(document, c.source), 0);
        EXPECT_LE(document.entryCount, documentCapacity);
    }
    Document nul;
    loadSource(nul, std::string("$ output = a\0b\n", 15));
    EXPECT_EQ(nul.getText("output"), std::string("a\0b", 3));
}
