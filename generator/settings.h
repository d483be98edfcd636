// The thirteen generator settings, read from the top level of a source file.
#pragma once

#include <cstdint>
#include <string>

class Document;

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

/// The longest random suffix the generator accepts.
constexpr std::int32_t maxRandomSuffixLength = 64;

/// Returns the settings read from the top level of `document`: text
/// settings from "$" entries, number settings from "%" entries, each
/// absent one empty or 0.
GeneratorSettings readGeneratorSettings(const Document& document);

/// Writes the "Output file : " line, then checks the settings generation
/// needs. Returns true when it may go on; false after writing the first
/// failed check's "ERROR : " message.
bool checkGeneratorSettings(const GeneratorSettings& settings);
