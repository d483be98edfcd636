// Generated menus run in a model of the game's console: the keys step
// through maps and points as the player expects, across chained files, and
// no text from a source file runs a command of its own.
#include <gtest/gtest.h>

#include <set>

#include "tests/game_console.h"
#include "tests/process.h"

namespace {

const std::string menu =
    "$ output = tele.cfg\n"
    "$ key_next_map = F5\n$ key_previous_map = F6\n$ key_next_point = F7\n$ key_previous_point = F8\n"
    "$ key_go = F9\n"
    "$ global_echo_map_prefix = ^3\n$ global_echo_point_prefix = ^7\n% repeat_prefixes = 1\n"
    "% no_popup = 1\n% terminate = 1\n"
    "$() maps = base/arena1\nbase/duel2\n"
    "{ base/arena1\n$ name = First arena\n$ echo_point_prefix = ^2\n"
    "$() points = Spawn ; 100 200 30 90 0\nUpper bridge ; -50 10 30 180 0\n}\n"
    "{ base/duel2\n$ name = Duel\n$() points = Gate ; 1 2 3 0 0\nTower\n}\n";

// Presses `key` and returns the one echo it gives.
std::string echoOf(GameConsole& console, const std::string& key) {
    const std::size_t before = console.echoes.size();
    console.press(key);
    EXPECT_EQ(console.echoes.size(), before + 1) << key;
    return console.echoes.size() == before + 1 ? console.echoes.back() : std::string();
}

std::string teleportOf(GameConsole& console, const std::string& key) {
    const std::size_t before = console.teleports.size();
    console.press(key);
    EXPECT_EQ(console.teleports.size(), before + 1) << key;
    return console.teleports.size() == before + 1 ? console.teleports.back() : std::string();
}

struct Step {
    std::string key;
    std::string echo;      // what the key echoes; empty for the go key
    std::string teleport;  // where the go key teleports
};

void walk(GameConsole& console, const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        SCOPED_TRACE(step.key + " " + step.echo + step.teleport);
        if (step.teleport.empty())
            EXPECT_EQ(echoOf(console, step.key), step.echo);
        else
            EXPECT_EQ(teleportOf(console, step.key), step.teleport);
    }
}

// Generates `source` in a new folder and loads the first script file.
struct Menu {
    TempFolder folder;
    GameConsole console{folder.path()};
    explicit Menu(const std::string& source) {
        writeFile(folder / "menu.txt", source);
        const Outcome run = runIn(folder.path(), {"menu.txt"});
        EXPECT_EQ(run.status, 0) << run.out;
        console.exec("tele.cfg");
    }
};

const std::set<std::string> menuCommands = {"seta", "set", "bind", "vstr", "echo", "exec", "say", "amtele"};

}  // namespace

TEST(MenuWalk, StepsThroughMapsAndPointsWithWrapAround) {
    Menu menuRun(menu);
    GameConsole& console = menuRun.console;
    EXPECT_TRUE(console.echoes.empty());
    walk(console, {
                      {"F5", "^3First ^3arena", ""},
                      {"F7", "^7^2Spawn", ""},
                      {"F9", "", "100 200 30 90 0"},
                      {"F7", "^7^2Upper ^7^2bridge", ""},
                      {"F9", "", "-50 10 30 180 0"},
                      {"F7", "^7^2Spawn", ""},
                      {"F8", "^7^2Upper ^7^2bridge", ""},
                      {"F5", "^3Duel", ""},
                      {"F9", "", "-50 10 30 180 0"},  // the go key keeps the point last selected
                      {"F8", "^7Tower", ""},
                      {"F9", "", "0 0 0 0"},
                      {"F7", "^7Gate", ""},
                      {"F9", "", "1 2 3 0 0"},
                      {"F5", "^3First ^3arena", ""},
                      {"F6", "^3Duel", ""},
                      {"F6", "^3First ^3arena", ""},
                      {"F8", "^7^2Upper ^7^2bridge", ""},
                  });
}

TEST(MenuWalk, TheFirstPreviousMapKeySelectsTheLastMap) {
    Menu menuRun(menu);
    walk(menuRun.console, {{"F6", "^3Duel", ""}, {"F7", "^7Gate", ""}, {"F7", "^7Tower", ""}, {"F7", "^7Gate", ""}});
}

TEST(MenuWalk, RunsAChainedMenuWithRandomSuffixesAcrossItsFiles) {
    std::string source = menu;
    source.insert(0, "% max_lines = 2\n% random_suffix_length = 5\n");
    Menu menuRun(source);
    EXPECT_TRUE(pathExists(menuRun.folder / "tele.cfg_2"));
    std::set<std::string> names;
    for (const auto& [name, value] : menuRun.console.variables) names.insert(name);
    EXPECT_EQ(names.size(), 2u + 2u + 4u);  // next and previous map, two map variables, four points
    for (const std::string& name : names) EXPECT_EQ(name[0], '*') << name;
    walk(menuRun.console, {
                              {"F5", "^3First ^3arena", ""},
                              {"F8", "^7^2Upper ^7^2bridge", ""},
                              {"F9", "", "-50 10 30 180 0"},
                              {"F5", "^3Duel", ""},
                              {"F7", "^7Gate", ""},
                              {"F7", "^7Tower", ""},
                              {"F9", "", "0 0 0 0"},
                              {"F5", "^3First ^3arena", ""},
                          });
}

TEST(MenuWalk, HostileNamesRunNoCommandOfTheirOwn) {
    const std::string hostile =
        "$ output = tele.cfg\n"
        "$ key_next_map = F5\n$ key_previous_map = F6\n$ key_next_point = F7\n$ key_previous_point = F8\n"
        "$ key_go = F9\";quit;\"\n"
        "$ global_echo_map_prefix = ^3\";set y 2;\"\n"
        "% no_popup = 1\n% terminate = 1\n#CR = ||\n"
        "$() maps = evil\";quit;\" map\n"
        "{ evil\";quit;\" map\n"
        "$ name = Duel\";set x 1;\"||quit\n"
        "$ echo_point_prefix = ^1\";quit;\"\n"
        "$() points = \";set x 1;\" ; 1 2 3 0\n"
        "Gate\"\";set x 1;\" ; 4 5 6 0\n"
        "Tower ; 7 8 9 0;quit\n"
        "}\n";
    Menu menuRun(hostile);
    GameConsole& console = menuRun.console;
    const std::string go = "F9',quit,'";
    for (const char* key : {"F5", "F7"}) console.press(key);
    console.press(go);
    console.press("F7");
    console.press(go);
    console.press("F7");
    console.press(go);
    for (const char* key : {"F8", "F6", "F5"}) console.press(key);
    for (const std::string& command : console.commands) EXPECT_EQ(menuCommands.count(command), 1u) << command;
    for (const auto& [name, value] : console.variables) EXPECT_EQ(name[0], '*') << name << " = " << value;
    EXPECT_EQ(console.variable("x"), "");
    EXPECT_EQ(console.variable("y"), "");
    EXPECT_EQ(console.teleports,
              (std::vector<std::string>{"set x 1,' , 1 2 3 0", "set x 1,' , 4 5 6 0", "7 8 9 0,quit"}));
    EXPECT_EQ(console.echoes.front(), "^3',set y 2,'Duel',set x 1,' quit");
}
