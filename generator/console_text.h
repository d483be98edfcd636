// Texts from a source file made safe to insert into a game script. The
// game's console ends a command at every ";" outside double quotes and at
// every line break, and a double quote opens or closes a quoted value, so an
// inserted text holding one of them could run commands of its own.
#pragma once

#include <cstdint>
#include <string>

class Diagnostics;
struct DocumentEntry;

/// Returns `text` with each double quote made an apostrophe, each ";" a
/// comma and each carriage return or line feed a space.
std::string consoleSafe(const std::string& text);

/// Returns true when consoleSafe leaves `text` as it is.
bool isConsoleSafe(const std::string& text);

/// Returns consoleSafe(`text`) with each blank (TAB, space) also made "_",
/// for a text that is part of a console variable's name.
std::string consoleSafeName(const std::string& text);

/// When `text` is changed by consoleSafe, or by consoleSafeName when
/// `inName` is true, warns about it at `line`, calling it `what`. Returns
/// true when it warned.
bool warnIfNotConsoleSafe(std::int32_t line, const std::string& text, const std::string& what,
                          Diagnostics& diagnostics, bool inName = false);

/// The same for the text of `entry`, when there is one.
bool warnIfNotConsoleSafe(const DocumentEntry* entry, const std::string& what, Diagnostics& diagnostics,
                          bool inName = false);
