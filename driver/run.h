// The course of one run of Telvorin, from the credits to the pause.
#pragma once

#include <string>
#include <vector>

/// The end of every console-dump file name.
inline const std::string consoleDumpSuffix = "condump.txt";

/// Returns true when `path` names a console dump: when it ends with
/// consoleDumpSuffix, case-sensitive.
bool isConsoleDump(const std::string& path);

/// Runs the program on its command-line `arguments` (without the program's
/// own name). Returns the exit status: 0 when the run did its job, 1 when it
/// reported an error or could not write its file.
int runTelvorin(const std::vector<std::string>& arguments);
