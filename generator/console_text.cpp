#include "generator/console_text.h"

#include "document/diagnostics.h"
#include "document/document.h"

bool isConsoleSafe(const std::string& text) {
    for (char c : text)
        if (c == '"' || c == ';' || c == '\r' || c == '\n') return false;
    return true;
}

std::string consoleSafe(const std::string& text) {
    if (isConsoleSafe(text)) return text;
    std::string safe = text;
    for (char& c : safe) {
        if (c == '"')
            c = '\'';
        else if (c == ';')
            c = ',';
        else if (c == '\r' || c == '\n')
            c = ' ';
    }
    return safe;
}

std::string consoleSafeName(const std::string& text) {
    std::string safe = consoleSafe(text);
    for (char& c : safe)
        if (c == ' ' || c == '\t') c = '_';
    return safe;
}

bool warnIfNotConsoleSafe(std::int32_t line, const std::string& text, const std::string& what,
                          Diagnostics& diagnostics, bool inName) {
    const std::string safe = inName ? consoleSafeName(text) : consoleSafe(text);
    if (safe == text) return false;
    diagnostics.warn(line, what + " is written into the script as \"" + safe +
                               "\": a double quote, \";\" or line break in it would run console commands in "
                               "the game" +
                               (inName ? ", and a blank would break the variable name" : ""));
    return true;
}

bool warnIfNotConsoleSafe(const DocumentEntry* entry, const std::string& what, Diagnostics& diagnostics,
                          bool inName) {
    return entry != nullptr && warnIfNotConsoleSafe(entry->line, entry->text, what, diagnostics, inName);
}
