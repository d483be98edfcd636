// Questions about files that every system answers the same way.
#pragma once

#include <string>

/// Returns true when `a` and `b` name one and the same existing file,
/// however each path is spelled (links included).
bool isSameFile(const std::string& a, const std::string& b);

/// Returns true when something exists at `path`.
bool fileExists(const std::string& path);
