// A model of the game's console, enough to run generated scripts in tests:
// how it splits script text into commands and words, and what the commands
// a teleport menu uses do.
#pragma once

#include <map>
#include <string>
#include <vector>

/// Runs script text as the game's console does and records what it did.
class GameConsole {
public:
    /// Scripts named by exec are read from `folder`.
    explicit GameConsole(std::string folder);

    /// Runs `text`: split into command lines at every line feed or carriage
    /// return, each cut after 1023 characters, then into commands at every
    /// ";" outside double quotes; "//" outside quotes comments out the rest
    /// of the line.
    void run(const std::string& text);

    /// Runs the file `name` of the script folder, as "exec NAME" does.
    void exec(const std::string& name);

    /// Presses `key`: runs the text bound to it, if any.
    void press(const std::string& key);

    /// Returns the value of the variable `name` (any letter case), or "".
    std::string variable(const std::string& name) const;

    /// What echo printed, one entry per echo.
    std::vector<std::string> echoes;
    /// The words of every amtele, joined by single spaces.
    std::vector<std::string> teleports;
    /// Every command run, as its first word, in order.
    std::vector<std::string> commands;
    /// Every variable set, by lower-case name.
    std::map<std::string, std::string> variables;
    /// What each key is bound to.
    std::map<std::string, std::string> binds;

private:
    void command(const std::string& text);

    std::string folder_;
    int depth_ = 0;
};
