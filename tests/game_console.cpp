#include "tests/game_console.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "tests/process.h"

namespace {

constexpr std::size_t lineLimit = 1023;
constexpr int maxDepth = 64;

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return text;
}

// Splits a command into words at blanks; a word that starts with a double
// quote runs to the next one, without the quotes.
std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> result;
    std::string::size_type i = 0;
    while (i < text.size()) {
        if (text[i] == ' ' || text[i] == '\t') {
            ++i;
            continue;
        }
        if (text[i] == '"') {
            const std::string::size_type end = text.find('"', i + 1);
            result.push_back(text.substr(i + 1, end == std::string::npos ? std::string::npos : end - i - 1));
            i = end == std::string::npos ? text.size() : end + 1;
            continue;
        }
        std::string::size_type end = i;
        while (end < text.size() && text[end] != ' ' && text[end] != '\t') ++end;
        result.push_back(text.substr(i, end - i));
        i = end;
    }
    return result;
}

std::string joined(const std::vector<std::string>& all, std::size_t from) {
    std::string text;
    for (std::size_t i = from; i < all.size(); ++i) text += (i > from ? " " : "") + all[i];
    return text;
}

}  // namespace

GameConsole::GameConsole(std::string folder) : folder_(std::move(folder)) {}

void GameConsole::run(const std::string& text) {
    if (++depth_ > maxDepth) throw std::runtime_error("scripts run one another without end");
    std::string::size_type start = 0;
    while (start <= text.size()) {
        std::string::size_type end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, std::min(end - start, lineLimit));
        bool quoted = false;
        std::string current;
        for (std::string::size_type i = 0; i < line.size(); ++i) {
            const char c = line[i];
            if (c == '"') quoted = !quoted;
            if (!quoted && c == '/' && i + 1 < line.size() && line[i + 1] == '/') break;
            if (!quoted && c == ';') {
                command(current);
                current.clear();
                continue;
            }
            current += c;
        }
        command(current);
        start = end + 1;
    }
    --depth_;
}

void GameConsole::exec(const std::string& name) {
    const std::string text = readFile(folder_ + "/" + name);
    if (text == "<missing>") throw std::runtime_error("exec of a missing file: " + name);
    run(text);
}

void GameConsole::press(const std::string& key) {
    const auto bound = binds.find(lower(key));
    if (bound != binds.end()) run(bound->second);
}

std::string GameConsole::variable(const std::string& name) const {
    const auto found = variables.find(lower(name));
    return found == variables.end() ? std::string() : found->second;
}

void GameConsole::command(const std::string& text) {
    const std::vector<std::string> all = words(text);
    if (all.empty()) return;
    const std::string name = lower(all[0]);
    commands.push_back(name);
    if ((name == "set" || name == "seta") && all.size() >= 2)
        variables[lower(all[1])] = joined(all, 2);
    else if (name == "bind" && all.size() >= 2)
        binds[lower(all[1])] = joined(all, 2);
    else if (name == "vstr" && all.size() >= 2)
        run(variable(all[1]));
    else if (name == "echo")
        echoes.push_back(joined(all, 1));
    else if (name == "exec" && all.size() >= 2)
        exec(all[1]);
    else if (name == "amtele")
        teleports.push_back(joined(all, 1));
}
