// Console-dump extraction on the real binary: the messages, the extract
// file beside the dump, and what happens when a file cannot be used.
#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

#include "extractor/extract_file.h"
#include "tests/process.h"

namespace {

const std::string modeLine = "\nThe input file is a condump... Extracting teleport marker points...\n";
const std::string extractionEnd = "Output : condump_extract.txt\nTerminating condump extraction process...\n\n";
const std::string closing = "Terminating program\n" + pauseText;

std::string transcript(const std::string& path, const std::string& messages) {
    return creditsText + "\nInput : " + path + "\n" + modeLine + messages + extractionEnd + closing;
}

}  // namespace

TEST(Extraction, WritesTheExampleDumpBesideTheDump) {
    TempFolder folder;
    mkdir((folder / "dumps").c_str(), 0777);
    writeFile(folder / "dumps/condump.txt",
              "$$$ Start\nTELEPORT MARKER : (1024 -512 64)\nPlayer: $$$  Bridge top\nsome other console output\n"
              "TELEPORT MARKER : (0 0 24)\n$$$Hall\n$$$ Hall again\n");
    const Outcome run = runIn(folder.path(), {"dumps/condump.txt"});
    EXPECT_EQ(run.out, transcript("dumps/condump.txt",
                                  "Naming instruction : 'Start'\nDetecting coordinates : '1024 -512 64 0'\n"
                                  "Naming instruction : 'Bridge top'\nDetecting coordinates : '0 0 24 0'\n"
                                  "Naming instruction : 'Hall'\nNaming instruction : 'Hall again'\n"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(readFile(folder / "dumps/condump_extract.txt"),
              "\tStart ; 0 0 0 0\n\tBridge top ; 1024 -512 64 0\n\tHall ; 0 0 24 0\n\tHall again ; 0 0 24 0\n");
    EXPECT_FALSE(pathExists(folder / "condump_extract.txt"));
}

TEST(Extraction, ReadsMarkersAndNamesAsTheGameWritesThem) {
    struct Case {
        const char* what;
        std::string dump;
        std::string messages;
        std::string extract;
    };
    const Case cases[] = {
        {"an empty dump", "", "", ""},
        {"the bare 19-character prefix is no marker", "TELEPORT MARKER : (\n$$$ a\n",
         "Naming instruction : 'a'\n", "\ta ; 0 0 0 0\n"},
        {"a 20-character marker line gives \" 0\"", "TELEPORT MARKER : ()\n$$$ a\n",
         "Detecting coordinates : ' 0'\nNaming instruction : 'a'\n", "\ta ;  0\n"},
        {"a marker line holding $$$ is only a marker", "TELEPORT MARKER : (1 $$$ 2)\n",
         "Detecting coordinates : '1 $$$ 2 0'\n", ""},
        {"a blank before the prefix, or lower case, is no marker", " TELEPORT MARKER : (1 2 3)\nteleport marker : (4)\n",
         "", ""},
        {"the last character goes whatever it is", "TELEPORT MARKER : (1 2 3) \n$$$x\n",
         "Detecting coordinates : '1 2 3) 0'\nNaming instruction : 'x'\n", "\tx ; 1 2 3) 0\n"},
        {"two names after one marker, two markers before one name",
         "TELEPORT MARKER : (1)\n$$$ a\n$$$ b\nTELEPORT MARKER : (2)\nTELEPORT MARKER : (3)\n$$$ c\n",
         "Detecting coordinates : '1 0'\nNaming instruction : 'a'\nNaming instruction : 'b'\n"
         "Detecting coordinates : '2 0'\nDetecting coordinates : '3 0'\nNaming instruction : 'c'\n",
         "\ta ; 1 0\n\tb ; 1 0\n\tc ; 3 0\n"},
        {"an empty name, and $$$ twice", "say $$$\nx $$$ \t two $$$ three \t\n",
         "Naming instruction : ''\nNaming instruction : 'two $$$ three'\n",
         "\t ; 0 0 0 0\n\ttwo $$$ three ; 0 0 0 0\n"},
        {"CR LF line ends, and a last line without one", "TELEPORT MARKER : (5 6 7)\r\n$$$ Roof\r\n$$$ Last",
         "Detecting coordinates : '5 6 7 0'\nNaming instruction : 'Roof'\nNaming instruction : 'Last'\n",
         "\tRoof ; 5 6 7 0\n\tLast ; 5 6 7 0\n"},
        {"names beginning with source-file signs are kept", "$$$ {odd}\n$$$ /x\n",
         "Naming instruction : '{odd}'\nNaming instruction : '/x'\n", "\t{odd} ; 0 0 0 0\n\t/x ; 0 0 0 0\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        writeFile(folder / "condump.txt", c.dump);
        const Outcome run = runIn(folder.path(), {"condump.txt"});
        EXPECT_EQ(run.out, transcript("condump.txt", c.messages));
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(readFile(folder / "condump_extract.txt"), c.extract);
    }
}

TEST(Extraction, ReplacesAnEarlierExtract) {
    TempFolder folder;
    writeFile(folder / "condump_extract.txt", "\told ; 1 1 1 0\n");
    writeFile(folder / "my_condump.txt", "$$$ new\n");
    EXPECT_EQ(runIn(folder.path(), {"my_condump.txt"}).status, 0);
    EXPECT_EQ(readFile(folder / "condump_extract.txt"), "\tnew ; 0 0 0 0\n");
}

TEST(Extraction, KeepsEveryNameOnePoint) {
    TempFolder folder;
    writeFile(folder / "condump.txt", "TELEPORT MARKER : (1 2 3)\n$$$ a;b ; c\n");  // the name on line 2
    const Outcome run = runIn(folder.path(), {"condump.txt"});
    EXPECT_EQ(run.out, transcript("condump.txt", "Detecting coordinates : '1 2 3 0'\nNaming instruction : 'a;b ; c'\n"));
    EXPECT_EQ(readFile(folder / "condump_extract.txt"), "\ta,b , c ; 1 2 3 0\n");
    EXPECT_EQ(run.err, "condump.txt:2: warning: the point name \"a;b ; c\" is written with commas for its \";\", "
                       "which would end the name in a source file\n");
}

TEST(ExtractionSafety, NeverLosesAnEarlierExtractOrAPoint) {
    TempFolder folder;
    mkdir((folder / "locked").c_str(), 0777);
    writeFile(folder / "locked/condump.txt", "$$$ kept on the console\n");
    chmod((folder / "locked/condump.txt").c_str(), 0444);
    chmod((folder / "locked").c_str(), 0555);
    writeFile(folder / "condump_extract.txt", "\tearlier ; 1 2 3 0\n");
    chmod((folder / "condump_extract.txt").c_str(), 0666);
    writeFile(folder / "condump.txt", "$$$ read only\n");
    chmod((folder / "condump.txt").c_str(), 0444);

    Invocation invocation;
    invocation.folder = folder.path();
    invocation.unprivileged = true;

    // A read-only dump is read; the extract file beside it is written.
    invocation.arguments = {"condump.txt"};
    const Outcome readOnly = runTelvorinBinary(invocation);
    EXPECT_EQ(readOnly.out, transcript("condump.txt", "Naming instruction : 'read only'\n"));
    EXPECT_EQ(readOnly.status, 0);
    EXPECT_EQ(readFile(folder / "condump_extract.txt"), "\tread only ; 0 0 0 0\n");

    // A dump that cannot be opened leaves the earlier extract as it was.
    invocation.arguments = {"missing_condump.txt"};
    const Outcome missing = runTelvorinBinary(invocation);
    EXPECT_EQ(missing.out, creditsText + "\nInput : missing_condump.txt\n" + modeLine +
                               "Error opening condump file...\nTerminating condump extraction process...\n\n" + closing);
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(readFile(folder / "condump_extract.txt"), "\tread only ; 0 0 0 0\n");

    // An extract that cannot be written is reported; the points are on the console.
    invocation.arguments = {"locked/condump.txt"};
    const Outcome locked = runTelvorinBinary(invocation);
    EXPECT_EQ(locked.out, creditsText + "\nInput : locked/condump.txt\n" + modeLine +
                              "Naming instruction : 'kept on the console'\n"
                              "ERROR : Cannot write the extract file locked/condump_extract.txt\n"
                              "Terminating condump extraction process...\n\n" + closing);
    EXPECT_EQ(locked.status, 1);
    EXPECT_FALSE(pathExists(folder / "locked/condump_extract.txt"));
}

TEST(ExtractFile, LiesInTheDumpsFolder) {
    EXPECT_EQ(extractFilePath("condump.txt"), "condump_extract.txt");
    EXPECT_EQ(extractFilePath("a/b/my_condump.txt"), "a/b/condump_extract.txt");
    EXPECT_EQ(extractFilePath("/condump.txt"), "condump_extract.txt");  // an empty folder is no folder
    EXPECT_EQ(pointLine("", "1 2 3 0"), "\t ; 1 2 3 0\n");
}

TEST(ExtractionSafety, StreamsTheDumpInConstantMemory) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer's allocator keeps memory of its own; the plain build measures this";
#endif
    // A marker and a naming instruction every 50 lines, in 4 MB and in 40 MB.
    std::string block;
    for (int n = 0; n < 50; ++n)
        block += n == 0 ? "TELEPORT MARKER : (1 2 3)\n" : n == 1 ? "Player: $$$ Spot\n" : "^3Server: some chat of the game\n";
    long peak[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        TempFolder folder;
        {
            std::ofstream dump(folder / "condump.txt", std::ios::binary);
            const std::size_t bytes = (i == 0 ? 4u : 40u) << 20;
            for (std::size_t written = 0; written < bytes; written += block.size()) dump << block;
        }
        const Outcome run = runIn(folder.path(), {"condump.txt"});
        EXPECT_EQ(run.status, 0);
        peak[i] = run.peakKib;
    }
    EXPECT_LT(peak[1] - peak[0], 1024) << peak[0] << " KiB against " << peak[1] << " KiB";
}

TEST(Extraction, ReadsLinesAcrossTheReadersBuffer) {
    // Lines of every length, markers and names among them, CR LF ends on
    // some, one line longer than the reader's buffer, some 3 MB in all:
    // every point comes out as a line-by-line reading gives it.
    std::string dump, messages, extract, coordinates = "0 0 0 0";
    for (int n = 0; n < 40000; ++n) {
        std::string line;
        if (n == 20000) {
            line = "$$$ " + std::string(700000, 'L');
        } else if (n % 7 == 0) {
            line = "TELEPORT MARKER : (" + std::to_string(n) + " " + std::to_string(-n) + " 5)";
            coordinates = std::to_string(n) + " " + std::to_string(-n) + " 5 0";
            messages += "Detecting coordinates : '" + coordinates + "'\n";
        } else if (n % 5 == 0) {
            line = "x: $$$ spot " + std::to_string(n);
        } else {
            line = std::string(static_cast<std::size_t>(n % 97), 'c') + " (chat) TELEPORT MARKER : (no";
        }
        if (line.find("$$$") != std::string::npos && line.rfind("TELEPORT", 0) != 0) {
            const std::string name = line.substr(line.find("$$$") + 4);
            messages += "Naming instruction : '" + name + "'\n";
            extract += "\t" + name + " ; " + coordinates + "\n";
        }
        dump += line + (n % 3 == 0 ? "\r\n" : "\n");
    }
    TempFolder folder;
    writeFile(folder / "condump.txt", dump);
    const Outcome run = runIn(folder.path(), {"condump.txt"});
    EXPECT_TRUE(run.out == transcript("condump.txt", messages)) << "the console differs";
    EXPECT_TRUE(readFile(folder / "condump_extract.txt") == extract) << "the extract differs";
}
