// The thirteen generator settings, read from the top level of a source file.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "document/document.h"

class Console;

/// The generator settings; each field is named after its source-file key.
struct GeneratorSettings {
    std::string output;
    std::int32_t no_popup = 0;
    std::int32_t terminate = 0;
    std::string key_next_map;
    std::string key_previous_map;
    std::string key_next_point;
    std::string key_previous_point;
    std::string key_go;
    std::string global_echo_map_prefix;
    std::string global_echo_point_prefix;
    std::int32_t random_suffix_length = 0;
    std::int32_t repeat_prefixes = 0;
    std::uint32_t max_lines = 0;
};

/// One setting: its source-file key, the kind of line that gives it, and
/// the field it fills (one of the three members, the others null).
struct SettingField {
    const char* key;
    EntryKind kind;
    std::string GeneratorSettings::*text;
    std::int32_t GeneratorSettings::*number;
    std::uint32_t GeneratorSettings::*count;  ///< a number kept as its low 32 bits
};

/// The thirteen settings, in the order of GeneratorSettings.
extern const std::array<SettingField, 13> settingFields;

/// The longest random suffix the generator accepts.
constexpr std::int32_t maxRandomSuffixLength = 64;

/// Returns the settings read from the top level of `document`: text
/// settings from "$" entries, number settings from "%" entries, each
/// absent one empty or 0.
GeneratorSettings readGeneratorSettings(const Document& document);

/// Writes the "Output file : " line, then checks the settings generation
/// needs. Returns true when it may go on; false after writing the first
/// failed check's "ERROR : " message.
bool checkGeneratorSettings(const GeneratorSettings& settings, Console& console);
