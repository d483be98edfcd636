// The generator's one entry point: from a loaded source file and its
// settings to the script files, planned before anything is written.
#pragma once

#include <string>
#include <vector>

#include "generator/script_output.h"

class Console;
class Diagnostics;
class Document;
class Toolkit;
struct GeneratorSettings;
struct Menu;

/// Returns the paths of the script files a run writes for `menu` with
/// `settings`, in the order they are written: `output`, then each
/// follow-on file. Writes nothing.
std::vector<std::string> plannedScriptFiles(const Menu& menu, const GeneratorSettings& settings);

/// Writes the script of `document` with `settings` (already checked): the
/// head, then the map and point lines, over as many files as the line limit
/// asks. First plans the files; when one of them is the source file at
/// `sourcePath`, writes "ERROR : The output file would overwrite the source
/// file." and nothing else. Progress messages go to `console`, warnings
/// about texts to `diagnostics` (not flushed). With ScriptOutput::Mode::
/// Measure nothing is written and `files` only tells what would be. Returns
/// false after an error (already reported); `files`, when given, receives
/// the files written (or measured).
bool writeScript(Document& document, const GeneratorSettings& settings, const std::string& sourcePath,
                 Toolkit& toolkit, Console& console, Diagnostics& diagnostics,
                 ScriptOutput::Mode mode = ScriptOutput::Mode::Write, std::vector<ScriptFile>* files = nullptr);
