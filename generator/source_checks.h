// Warnings about a loaded source file that the script would otherwise show
// only in the game: settings that are not read, maps without a section,
// lists with a gap, points without coordinates.
#pragma once

#include <cstddef>
#include <string>

class Diagnostics;
class Document;

/// Returns the number of single-byte insertions, deletions and
/// substitutions that turn `a` into `b`.
std::size_t editDistance(const std::string& a, const std::string& b);

/// Adds to `diagnostics` a warning for every setting written with the wrong
/// kind of line or with a name close to a setting's, every map without a
/// section and top-level section no map names, every list item after a gap and every
/// point without ";".
void checkSource(const Document& document, Diagnostics& diagnostics);
