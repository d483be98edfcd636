// End-to-end tests of a run's spine: the input path, the mode, the closing
// steps and the exit status, on the real binary.
#include <gtest/gtest.h>

#include "tests/process.h"

namespace {

const std::string missingSource =
    "\nOutput file : \nERROR : The file you indicated does not seem adequate.\n";
const std::string missingDump =
    "\nThe input file is a condump... Extracting teleport marker points...\n"
    "Error opening condump file...\nTerminating condump extraction process...\n\n";
const std::string closing = "Terminating program\n" + pauseText;

}  // namespace

TEST(Run, TellsAConsoleDumpByTheLastElevenCharacters) {
    struct Case {
        std::string path;
        bool dump;
    };
    const Case cases[] = {
        {"condump.txt", true},          {"C:\\dumps\\mycondump.txt", true}, {"dir/condump.txt", true},
        {"Condump.txt", false},         {"CONDUMP.TXT", false},             {"condump.txt.bak", false},
        {"dump.txt", false},            {"ondump.txt", false},              {"condump.tx", false},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const Outcome run = runIn(folder.path(), {c.path});
        EXPECT_EQ(run.out, creditsText + "\nInput : " + c.path + "\n" + (c.dump ? missingDump : missingSource) + closing)
            << c.path;
        EXPECT_EQ(run.status, 1) << c.path;
        EXPECT_EQ(run.err, "") << c.path;
    }
}

TEST(Run, TakesTheFirstWordAtThePrompt) {
    struct Case {
        const char* what;
        std::string input;
        bool closedInput;
        std::string expected;
    };
    const Case cases[] = {
        {"blanks, then two words", "  first second\n", false, missingSource},
        {"a dump name, then more", "\t\n mycondump.txt tail", false, missingDump},
        {"a quote is part of the path", "\"condump.txt\"\n", false, missingSource},
        {"end of input", "", false, missingSource},
        {"only white space", " \n\t\n", false, missingSource},
        {"no standard input at all", "", true, missingSource},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        Invocation invocation;
        invocation.folder = folder.path();
        invocation.input = c.input;
        invocation.closedInput = c.closedInput;
        const Outcome run = runTelvorinBinary(invocation);
        EXPECT_EQ(run.out, creditsText + "Enter source file : " + c.expected + closing) << c.what;
        EXPECT_EQ(run.status, 1) << c.what;
    }
}

TEST(Run, IgnoresEveryArgumentAfterTheFirst) {
    TempFolder folder;
    const Outcome run = runIn(folder.path(), {"none.txt", "condump.txt", "x"}, "typed.txt\n");
    EXPECT_EQ(run.out, creditsText + "\nInput : none.txt\n" + missingSource + closing);
}

TEST(Run, PausesUnlessTheSourceSaysTerminate) {
    struct Case {
        std::string source;
        std::string tail;
    };
    const Case cases[] = {
        {"% terminate = 1\n", "Terminating program\n"},
        {"% terminate = 0.5\n", closing},
        {"$ terminate = 1\n", closing},  // a text entry is no number setting
        {"% terminate = -2\n", "Terminating program\n"},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        writeFile(folder / "menu.txt", c.source);
        const Outcome run = runIn(folder.path(), {"menu.txt"});
        EXPECT_EQ(run.out, creditsText + "\nInput : menu.txt\n" + missingSource + c.tail) << c.source;
        EXPECT_EQ(run.status, 1);
    }
}
