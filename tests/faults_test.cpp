// Every fault a user can meet, on the real binary: the message, the exit
// status, and every file as it was before the run (plus only what the run
// is meant to write).
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sys/stat.h>

#include "tests/process.h"

namespace {

const std::string keys = "$ key_next_map = F5\n$ key_next_point = F7\n$ key_go = F9\n";
const std::string menu = "$ output = tele.cfg\n" + keys + "% no_popup = 1\n$() maps = m\n{ m\n$() points = A ; 1 2 3 0\n}\n";
const std::string dump = "TELEPORT MARKER : (1 2 3)\n$$$ Roof\n";
const std::string anything = "\x01<any content>";
const std::string overwrite = "ERROR : The output file would overwrite the source file.";

// A menu of three points, one to a file: tele.cfg, tele.cfg_1, tele.cfg_2.
const std::string chained = menu.substr(0, menu.find("}")) + "B ; 0 0 0 0\nC ; 1 1 1 0\n}\n% max_lines = 1\n";
const std::map<std::string, std::string> chainedFiles = {
    {"tele.cfg", anything}, {"tele.cfg_1", anything}, {"tele.cfg_2", "// TRANSITION \n\n"}};

struct File {
    std::string name;     // ending in "/" for a folder
    std::string content;  // for a link: the file it links to
    mode_t mode = 0;      // 0: as made
    enum Kind { Plain, Symlink, Hardlink } kind = Plain;
};

struct Fault {
    const char* what;
    std::vector<File> before;
    std::vector<std::string> arguments;
    std::string message;  // a line the console shows
    int status;
    std::map<std::string, std::string> written;  // what the run writes: name and content (or `anything`)
    bool unprivileged = false;
    bool closedInput = false;
};

std::map<std::string, std::string> filesIn(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().string().substr(folder.size() + 1);
        if (entry.is_symlink())
            files[name] = "-> " + std::filesystem::read_symlink(entry.path()).string();
        else
            files[entry.is_directory() ? name + "/" : name] = entry.is_directory() ? "" : readFile(entry.path().string());
    }
    return files;
}

std::string source(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

}  // namespace

TEST(Faults, EachEndsWithItsMessageAndLosesNothing) {
    std::string nested = "$ output = tele.cfg\n" + keys + "% no_popup = 1\n";
    for (int i = 0; i < 20000; ++i) nested += "{ s\n";
    std::string many = menu;
    for (int i = 0; i < 11005; ++i) many += "$ e = " + std::to_string(i) + "\n";
    std::string binary;
    for (int i = 0; i < 5000; ++i) binary += static_cast<char>((i * 131) % 256);

    const Fault faults[] = {
        {"a read-only source file is read", {{"menu.txt", menu, 0444}}, {"menu.txt"}, "Terminating program", 0,
         {{"tele.cfg", anything}}, true},
        {"a read-only console dump is read", {{"condump.txt", dump, 0444}}, {"condump.txt"},
         "Output : condump_extract.txt", 0, {{"condump_extract.txt", "\tRoof ; 1 2 3 0\n"}}, true},
        {"output naming the source", {{"menu.txt", source(menu, "tele.cfg", "menu.txt")}}, {"menu.txt"},
         "ERROR : The output file would overwrite the source file.", 1, {}},
        {"output naming the source another way", {{"menu.txt", source(menu, "tele.cfg", "./x/../menu.txt")}, {"x/", ""}},
         {"menu.txt"}, "ERROR : The output file would overwrite the source file.", 1, {}},
        // The run below writes tele.cfg, tele.cfg_1 and tele.cfg_2: every one
        // of them is checked against the source, whatever exists already.
        {"the source as the first follow-on file", {{"tele.cfg_1", chained}}, {"tele.cfg_1"}, overwrite, 1, {}},
        {"the source as the last follow-on file, the one before it missing", {{"tele.cfg_2", chained}},
         {"tele.cfg_2"}, overwrite, 1, {}},
        {"the source as the last follow-on file", {{"tele.cfg_1", "old"}, {"tele.cfg_2", chained}}, {"tele.cfg_2"},
         overwrite, 1, {}},
        {"the source one past the last follow-on file is left alone", {{"tele.cfg_3", chained}}, {"tele.cfg_3"},
         "Terminating program", 0, chainedFiles},
        {"a follow-on file that is a symbolic link to the source",
         {{"menu.txt", chained}, {"tele.cfg_2", "menu.txt", 0, File::Symlink}}, {"menu.txt"}, overwrite, 1, {}},
        {"a follow-on file that is a hard link to the source",
         {{"menu.txt", chained}, {"tele.cfg_1", "menu.txt", 0, File::Hardlink}}, {"menu.txt"}, overwrite, 1, {}},
        {"a dump that is a symbolic link to its extract file",
         {{"condump_extract.txt", dump}, {"condump.txt", "condump_extract.txt", 0, File::Symlink}}, {"condump.txt"},
         "ERROR : The extract file would overwrite the console dump.", 1, {}},
        {"a dump that is a hard link to its extract file",
         {{"condump_extract.txt", dump}, {"my_condump.txt", "condump_extract.txt", 0, File::Hardlink}},
         {"my_condump.txt"}, "ERROR : The extract file would overwrite the console dump.", 1, {}},
        {"an unwritable output folder", {{"menu.txt", source(menu, "tele.cfg", "out/tele.cfg")}, {"out/", "", 0555}},
         {"menu.txt"}, "ERROR : Cannot write the script file out/tele.cfg", 1, {}, true},
        {"an unwritable extract folder", {{"in/", "", 0555}, {"in/condump.txt", dump}}, {"in/condump.txt"},
         "ERROR : Cannot write the extract file in/condump_extract.txt", 1, {}, true},
        {"a dump that cannot be opened, with an earlier extract", {{"condump_extract.txt", "\tearlier ; 1 2 3 0\n"}},
         {"condump.txt"}, "Error opening condump file...", 1, {}},
        {"a folder as the source", {{"menu/", ""}}, {"menu"},
         "ERROR : The file you indicated does not seem adequate.", 1, {}},
        {"a folder as the dump", {{"condump.txt/", ""}}, {"condump.txt"}, "Error opening condump file...", 1, {}},
        {"a binary file", {{"menu.bin", binary}}, {"menu.bin"}, "ERROR : The file you indicated does not seem adequate.",
         1, {}},
        {"a 2 MB line", {{"menu.txt", source(menu, "A ; 1", std::string(2 << 20, 'A') + " ; 1")}}, {"menu.txt"},
         "Terminating program", 0, {{"tele.cfg", anything}}},
        {"NUL bytes in a value", {{"menu.txt", source(menu, "A ; 1", std::string("A\0B ; 1", 7))}}, {"menu.txt"},
         "Terminating program", 0, {{"tele.cfg", anything}}},
        {"NUL bytes in output", {{"menu.txt", source(menu, "tele.cfg", std::string("menu.txt\0x", 10))}}, {"menu.txt"},
         std::string("ERROR : Cannot write the script file menu.txt\0x", 47), 1, {}},
        {"20000 nested sections", {{"menu.txt", nested}}, {"menu.txt"}, "Terminating program", 0,
         {{"tele.cfg", anything}}},
        {"more than 11000 entries", {{"menu.txt", many}}, {"menu.txt"}, "Terminating program", 0,
         {{"tele.cfg", anything}}},
        {"random_suffix_length -1", {{"menu.txt", menu + "% random_suffix_length = -1\n"}}, {"menu.txt"},
         "ERROR : random_suffix_length must lie between 0 and 64.", 1, {}},
        {"random_suffix_length 1000", {{"menu.txt", menu + "% random_suffix_length = 1000\n"}}, {"menu.txt"},
         "ERROR : random_suffix_length must lie between 0 and 64.", 1, {}},
        {"standard input closed at the prompt", {}, {}, "ERROR : The file you indicated does not seem adequate.", 1, {},
         false, true},
        {"standard input closed at the pause", {{"menu.txt", menu}}, {"menu.txt"}, "Press any key to continue . . . ",
         0, {{"tele.cfg", anything}}, false, true},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.what);
        TempFolder folder;
        for (const File& file : fault.before) {
            if (file.name.back() == '/')
                mkdir((folder / file.name).c_str(), 0777);
            else if (file.kind == File::Symlink)
                std::filesystem::create_symlink(file.content, folder / file.name);
            else if (file.kind == File::Hardlink)
                std::filesystem::create_hard_link(folder / file.content, folder / file.name);
            else
                writeFile(folder / file.name, file.content);
        }
        for (auto it = fault.before.rbegin(); it != fault.before.rend(); ++it)
            if (it->mode != 0) chmod((folder / it->name).c_str(), it->mode);
        const std::map<std::string, std::string> before = filesIn(folder.path());

        Invocation invocation;
        invocation.folder = folder.path();
        invocation.arguments = fault.arguments;
        invocation.unprivileged = fault.unprivileged;
        invocation.closedInput = fault.closedInput;
        const Outcome run = runTelvorinBinary(invocation);

        EXPECT_NE(run.out.find("\n" + fault.message), std::string::npos) << run.out;
        EXPECT_EQ(run.status, fault.status);
        std::map<std::string, std::string> expected = before;
        for (const auto& [name, content] : fault.written) expected[name] = content;
        std::map<std::string, std::string> after = filesIn(folder.path());
        for (auto& [name, content] : after)
            if (expected.count(name) != 0 && expected[name] == anything) content = anything;
        EXPECT_EQ(after, expected);
    }
}

TEST(Faults, AConsoleThatGoesAwayCostsNoFile) {
    // Enough points that the messages fill a pipe many times over, spread
    // over several files.
    std::string big = source(menu, "A ; 1 2 3 0\n", "") + "% max_lines = 500\n";
    std::string points;
    for (int i = 0; i < 3000; ++i) points += "Point " + std::to_string(i) + " ; " + std::to_string(i) + " 2 3 0\n";
    big.insert(big.find("$() points = ") + 13, points);
    std::map<std::string, std::string> files[2];
    for (int closed = 0; closed < 2; ++closed) {
        SCOPED_TRACE(closed ? "closed output" : "normal output");
        TempFolder folder;
        writeFile(folder / "menu.txt", big);
        writeFile(folder / "tele.cfg", "an earlier script");
        Invocation invocation;
        invocation.folder = folder.path();
        invocation.arguments = {"menu.txt"};
        invocation.closedOutput = closed == 1;
        const Outcome run = runTelvorinBinary(invocation);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        files[closed] = filesIn(folder.path());
    }
    EXPECT_EQ(files[0].size(), 8u);  // the source and seven script files
    EXPECT_TRUE(files[0] == files[1]) << "the files differ";
}
