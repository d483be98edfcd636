// Warnings on standard error about a source file and the written script:
// each at its line, and none of them changes anything else the run writes.
#include <gtest/gtest.h>

#include "tests/process.h"

namespace {

const std::string head = "$ output = tele.cfg\n$ key_next_map = F5\n$ key_next_point = F7\n$ key_go = F9\n";

// Lines 1 to 9.
const std::string clean = head +
                          "$() maps = m1\n"
                          "{ m1\n"
                          "$() points = A ; 1 2 3 0\n"
                          "B ; 4 5 6 0\n"
                          "}\n";

struct SourceRun {
    TempFolder folder;
    Outcome outcome;
    explicit SourceRun(const std::string& source) {
        writeFile(folder / "menu.txt", source);
        outcome = runIn(folder.path(), {"menu.txt"});
    }
};

}  // namespace

TEST(Diagnostics, WarnsAtTheLineAndChangesNothingElse) {
    struct Case {
        const char* what;
        std::string dirty;
        std::string clean;  // a source without warnings that gives the same run
        std::vector<std::string> warnings;
    };
    const Case cases[] = {
        {"a \"$\" line without \"=\"", clean + "$ note\n", clean, {"menu.txt:10: warning: this \"$\" line has no \"=\""}},
        {"a \"%()\" line without \"=\"", clean + "%() numbers\n", clean,
         {"menu.txt:10: warning: this \"%()\" line has no \"=\""}},
        {"a continuation line with no list open", clean + "$ note = 1\nstray\nstray too\n", clean + "$ note = 1\n",
         {"menu.txt:11: warning: this line is ignored, and the list items right after it: no list is open"}},
        {"a list item after a \"{\" line",
         head + "$() maps = m1\n{ m1\n$() points = A ; 1 2 3 0\n{ inner\nB ; 4 5 6 0\n}\n}\n",
         head + "$() maps = m1\n{ m1\n$() points = A ; 1 2 3 0\n{ inner\n}\n}\n",
         {"menu.txt:9: warning: this list item is ignored, and the items right after it: the list ended at the \"{\""}},
        {"a byte-order mark", "\xEF\xBB\xBF// menu\n" + clean, "// menu\n" + clean,
         {"menu.txt:1: warning: the file begins with a UTF-8 byte-order mark"}},
        {"a block comment never closed", clean + "\n/* notes\n$ x = 1\n", clean,
         {"menu.txt:11: warning: this block comment is never closed"}},
        {"a section still open", clean.substr(0, clean.size() - 2), clean,
         {"menu.txt:6: warning: sections are still open at the end of the file (the path is \"m1.\")"}},
        {"one \"}\" too many", clean + "}\n", clean,
         {"menu.txt:10: warning: more \"}\" than open sections: this one closes nothing"}},
        {"a text setting on a \"%\" line", clean + "% key_previous_map = 6\n", clean,
         {"menu.txt:10: warning: key_previous_map is a text setting, but this \"%\" line gives a number"}},
        {"a number setting on a \"$\" line", clean + "$ max_lines = 2\n", clean,
         {"menu.txt:10: warning: max_lines is a number setting, but this \"$\" line gives a text, so it stays 0"}},
        {"a key close to a setting", clean + "$ key_nxt_map = F6\n% max_line = 3\n", clean,
         {"menu.txt:10: warning: \"key_nxt_map\" is not a setting, so this line is not read: did you mean "
          "\"key_next_map\"?",
          "menu.txt:11: warning: \"max_line\" is not a setting, so this line is not read: did you mean \"max_lines\"?"}},
        {"a map without its section, and a section no map names",
         head + "$() maps = m1\n{ m11\n$ name = x\n}\n",
         head + "$() maps = m1\n{ m1\n$ unused = x\n}\n",
         {"menu.txt:5: warning: the map \"m1\" has no section \"{ m1\", so it has no name and no points: did you mean "
          "the section \"m11\"?",
          "menu.txt:6: warning: no map in the list \"maps\" names the section \"m11\""}},
        {"a list with a gap", clean + "{ m1\n$ points(3) = D ; 0 0 0 1\n}\n", clean,
         {"menu.txt:11: warning: the list \"m1.points\" has no item 2, so this item and the ones after it are never "
          "read"}},
        {"a point without \";\"", head + "$() maps = m1\n{ m1\n$() points = A\n}\n",
         head + "$() maps = m1\n{ m1\n$() points = A ; 0 0 0 0\n}\n",
         {"menu.txt:7: warning: this point has no \";\" between its label and its coordinates"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SourceRun dirty(c.dirty);
        const SourceRun reference(c.clean);
        EXPECT_EQ(reference.outcome.err, "");
        const std::vector<std::string> lines = splitLines(dirty.outcome.err);
        ASSERT_EQ(lines.size(), c.warnings.size()) << dirty.outcome.err;
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i].substr(0, c.warnings[i].size()), c.warnings[i]);
        EXPECT_EQ(dirty.outcome.out, reference.outcome.out);
        EXPECT_EQ(dirty.outcome.status, reference.outcome.status);
        EXPECT_EQ(readFile(dirty.folder / "tele.cfg"), readFile(reference.folder / "tele.cfg"));
    }
}

TEST(Diagnostics, SaysWhereTheTableFilledUp) {
    std::string source = clean + "{ m1\n$() big = 0\n";
    for (int i = 1; i < 11000; ++i) source += "x\n";
    const SourceRun run(source);
    EXPECT_EQ(run.outcome.err, "menu.txt:11004: warning: the table is full (11000 entries): this line and every line "
                               "after it are not read; split the maps over several source files\n");
    EXPECT_EQ(run.outcome.status, 0);
}

TEST(Diagnostics, WarnsOfWhatTheGameConsoleCannotRun) {
    // One label too long for a console line.
    const SourceRun longLine(head + "$() maps = m1\n{ m1\n$() points = " + std::string(1100, 'L') + " ; 1 2 3 0\n}\n");
    EXPECT_EQ(longLine.outcome.err.substr(0, 75),
              "tele.cfg:20: warning: this line is longer than the 1023 characters the game");
    EXPECT_EQ(longLine.outcome.status, 0);

    // A script too large for the console's buffer, and the max_lines it suggests.
    std::string points = "$() points = P0 ; 100 200 300 0\n";
    for (int i = 1; i < 1500; ++i) points += "Point number " + std::to_string(i) + " ; 100 200 300 0\n";
    const SourceRun large(head + "$() maps = m1\n{ m1\n" + points + "}\n");
    const std::string start = "tele.cfg: warning: this script file is ";
    ASSERT_EQ(large.outcome.err.substr(0, start.size()), start) << large.outcome.err;
    const std::string::size_type at = large.outcome.err.find("set max_lines to ");
    ASSERT_NE(at, std::string::npos);
    const int suggested = std::stoi(large.outcome.err.substr(at + 17));
    EXPECT_GT(suggested, 100);
    const SourceRun split(head + "% max_lines = " + std::to_string(suggested) + "\n$() maps = m1\n{ m1\n" + points + "}\n");
    EXPECT_EQ(split.outcome.err, "");
    EXPECT_TRUE(pathExists(split.folder / "tele.cfg_1"));
}

TEST(CommandLine, AnswersHelpAndVersionAlone) {
    TempFolder folder;
    for (const char* flag : {"--help", "-h"}) {
        const Outcome help = runIn(folder.path(), {flag});
        EXPECT_EQ(help.out.substr(0, 23), "Usage: telvorin [FILE]\n");
        EXPECT_NE(help.out.find("Exit status"), std::string::npos);
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.err, "");
    }
    const Outcome version = runIn(folder.path(), {"--version"});
    EXPECT_EQ(version.out, "telvorin 1.0.0\n");
    EXPECT_EQ(version.status, 0);

    // Only an exact first argument counts.
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--helpme"}, std::vector<std::string>{"menu.txt", "--help"}}) {
        const Outcome run = runIn(folder.path(), arguments);
        EXPECT_EQ(run.out.substr(0, creditsText.size()), creditsText);
        EXPECT_NE(run.out.find("\nInput : " + arguments[0] + "\n"), std::string::npos);
        EXPECT_EQ(run.status, 1);
    }
}
