// The marker scan: picks the marker lines and the naming instructions out of
// a dump of the game console.
#pragma once

#include <functional>
#include <string>

class LineReader;

/// The start of a marker line.
inline const std::string markerPrefix = "TELEPORT MARKER : (";
/// What marks a naming instruction.
inline const std::string namingTag = "$$$";

/// Receives one point: its name and its coordinates.
using PointSink = std::function<void(const std::string& name, const std::string& coordinates)>;

/// Reads `dump` to its end, line by line, writing "Detecting coordinates"
/// for each marker line and "Naming instruction" for each naming
/// instruction to standard output, and hands `sink` one point per naming
/// instruction, with the coordinates of the marker line seen last
/// (defaultCoordinates before the first), before the next line is read.
void scanConsoleDump(LineReader& dump, const PointSink& sink);
