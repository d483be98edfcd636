// The head of the first script file: the banner, the say line, and the
// binds block that gives the player's keys their actions.
#pragma once

#include <cstdint>
#include <string>

class Console;
class Diagnostics;
class Document;
class Toolkit;
class ScriptOutput;
struct GeneratorSettings;

/// The 551-byte comment banner every first script file begins with.
extern const std::string headerBanner;

/// The say line that follows the banner, with its two line feeds.
extern const std::string sayLine;

/// The six control variable names of a run, each with its random suffix.
struct ControlNames {
    std::string mapSelect;
    std::string nextMap;
    std::string prevMap;
    std::string gotoMap;
    std::string prevPoint;
    std::string nextPoint;
};

/// Returns the six names, drawing their suffixes of `suffixLength`
/// characters from randomAlphabet in the order of the fields.
ControlNames makeControlNames(Toolkit& toolkit, std::uint32_t suffixLength);

/// Returns the binds block for the settings' keys, the names and the index
/// of the last map, ending with an empty line.
std::string bindsBlock(const GeneratorSettings& settings, const ControlNames& names,
                       std::int32_t lastMapIndex);

/// Creates the first script file and writes the banner, the say line and
/// the binds block for maps up to `lastMapIndex`, with the control names it
/// draws into `names`; then sets the line count to initialLineCount. Warns
/// through `diagnostics` of key names that had to be made console-safe.
/// Returns false when the file cannot be written (the error is already
/// reported).
bool writeScriptHead(ScriptOutput& output, const GeneratorSettings& settings, const Document& document,
                     std::int32_t lastMapIndex, Toolkit& toolkit, Console& console, Diagnostics& diagnostics,
                     ControlNames& names);
