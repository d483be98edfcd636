// The extract file: the points of a console dump, one source-file list item
// each, written beside the dump.
#pragma once

#include <string>

class Console;

/// The name of the extract file.
inline const std::string extractFileName = "condump_extract.txt";

/// Returns the path of the extract file for the console dump at
/// `inputPath`: extractFileName in the dump's folder.
std::string extractFilePath(const std::string& inputPath);

/// Returns the point line for a point: TAB, name, " ; ", coordinates, line
/// feed, with each ";" of the name made a comma so that it reads back as
/// one point.
std::string pointLine(const std::string& name, const std::string& coordinates);

/// Extracts the points of the console dump at `inputPath` into the extract
/// file, reporting on `console`, and opens the file in the desktop shell.
/// Returns false when the dump cannot be opened or the extract file is the
/// dump itself (no file is then changed), or when the extract file cannot
/// be written.
bool extractConsoleDump(const std::string& inputPath, Console& console);
