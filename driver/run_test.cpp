// End-to-end tests of a run's spine: the input path, the mode, the closing
// steps and the exit status, on the real binary.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>

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

TEST(Run, OpensTheWrittenFileWithOneArgumentAndNoShell) {
    TempFolder bin;
    // A stand-in opener that records how it was called.
    writeFile(bin / "xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" >> \"$RECORD\"\n");
    chmod((bin / "xdg-open").c_str(), 0755);
    const char* path = std::getenv("PATH");
    TempFolder folder;
    const std::string output = "a & b; touch pwned 'q\" $(x).cfg";
    writeFile(folder / "menu.txt", "$ output = " + output +
                                       "\n$ key_next_map = F5\n$ key_next_point = F7\n$ key_go = F9\n");
    writeFile(folder / "condump.txt", "$$$ x\n");

    Invocation invocation;
    invocation.folder = folder.path();
    invocation.environment = {{"PATH", bin.path() + ":" + (path ? path : "/usr/bin:/bin")},
                              {"RECORD", folder / "record"},
                              {"DISPLAY", ":0"}};
    invocation.arguments = {"menu.txt"};
    EXPECT_EQ(runTelvorinBinary(invocation).status, 0);
    invocation.arguments = {"condump.txt"};
    EXPECT_EQ(runTelvorinBinary(invocation).status, 0);
    EXPECT_EQ(readFile(folder / "record"), "1\n" + output + "\n1\ncondump_extract.txt\n");
    EXPECT_FALSE(pathExists(folder / "pwned"));
    EXPECT_TRUE(pathExists(folder / output));

    // Without a display nothing is opened; no_popup keeps the script closed.
    invocation.environment.pop_back();
    EXPECT_EQ(runTelvorinBinary(invocation).status, 0);
    writeFile(folder / "menu.txt", readFile(folder / "menu.txt") + "% no_popup = 1\n");
    invocation.environment.push_back({"DISPLAY", ":0"});
    invocation.arguments = {"menu.txt"};
    const Outcome quiet = runTelvorinBinary(invocation);
    EXPECT_EQ(quiet.status, 0);
    EXPECT_EQ(quiet.out.find("Displaying output"), std::string::npos);
    EXPECT_EQ(readFile(folder / "record"), "1\n" + output + "\n1\ncondump_extract.txt\n");
}
