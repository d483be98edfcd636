// Facts about paths and text files that differ from system to system.
#pragma once

#ifdef _WIN32
/// The character that separates folders in a path.
constexpr char folderSeparator = '\\';
/// How many bytes a line end takes in a file written in text mode.
constexpr unsigned lineEndBytes = 2;
#else
/// The character that separates folders in a path.
constexpr char folderSeparator = '/';
/// How many bytes a line end takes in a file written in text mode.
constexpr unsigned lineEndBytes = 1;
#endif
