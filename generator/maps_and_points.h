// The map and point variables of a script: one console variable per map
// and one per point, with wrap-around, echo prefixes and teleports.
#pragma once

#include <cstdint>
#include <string>

class Console;
class Diagnostics;
class Document;
class ScriptOutput;
class Toolkit;
struct ControlNames;
struct Menu;
struct GeneratorSettings;

/// A point value split into its label and its coordinates.
struct PointValue {
    std::string pointLabel;
    std::string pointCoordinates;
};

/// Returns the text before the first ";" of `value` as the label and the
/// text after it as the coordinates, both trimmed; without ";", the whole
/// value trimmed and defaultCoordinates.
PointValue splitPointValue(const std::string& value);

/// Returns `text` with `prefix` put after each of its spaces when
/// `repeat` is true, else `text` unchanged.
std::string repeatAfterSpaces(const std::string& text, const std::string& prefix, bool repeat);

/// Writes the map variable line of each map of `menu` and the point
/// variable line of each of its points, reporting each on `console`, and
/// warns of texts that had to be made console-safe (at their lines in
/// `document`). Returns false once a script file cannot be written (the
/// error is already reported).
bool writeMapsAndPoints(const Menu& menu, const Document& document, const GeneratorSettings& settings,
                        const ControlNames& names, Toolkit& toolkit, ScriptOutput& output, Console& console,
                        Diagnostics& diagnostics);
