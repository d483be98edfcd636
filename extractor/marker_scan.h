// The marker scan: picks the marker lines and the naming instructions out of
// a dump of the game console.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

class Console;
class LineReader;

/// The start of a marker line.
inline const std::string markerPrefix = "TELEPORT MARKER : (";
/// What marks a naming instruction.
inline const std::string namingTag = "$$$";

/// Receives one point: its name, its coordinates and the dump's line that
/// named it (from 1).
using PointSink =
    std::function<void(const std::string& name, const std::string& coordinates, std::int64_t line)>;

/// Reads `dump` to its end, line by line, writing "Detecting coordinates"
/// for each marker line and "Naming instruction" for each naming
/// instruction to `console`, and hands `sink` one point per naming
/// instruction, with the coordinates of the marker line seen last
/// (defaultCoordinates before the first), before the next line is read.
void scanConsoleDump(LineReader& dump, Console& console, const PointSink& sink);
