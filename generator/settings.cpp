#include "generator/settings.h"

#include <iostream>

#include "document/document.h"
#include "toolkit/numbers.h"

GeneratorSettings readGeneratorSettings(const Document& document) {
    GeneratorSettings settings;
    settings.output = document.getText("output");
    settings.no_popup = truncateToInt32(document.getNumber("no_popup"));
    settings.terminate = truncateToInt32(document.getNumber("terminate"));
    settings.key_next_map = document.getText("key_next_map");
    settings.key_previous_map = document.getText("key_previous_map");
    settings.key_next_point = document.getText("key_next_point");
    settings.key_previous_point = document.getText("key_previous_point");
    settings.key_go = document.getText("key_go");
    settings.global_echo_map_prefix = document.getText("global_echo_map_prefix");
    settings.global_echo_point_prefix = document.getText("global_echo_point_prefix");
    settings.random_suffix_length = truncateToInt32(document.getNumber("random_suffix_length"));
    settings.repeat_prefixes = truncateToInt32(document.getNumber("repeat_prefixes"));
    // The low 32 bits: a negative count becomes one that is never reached.
    settings.max_lines = static_cast<std::uint32_t>(
        static_cast<std::uint64_t>(truncateToInt64(document.getNumber("max_lines"))));
    return settings;
}

bool checkGeneratorSettings(const GeneratorSettings& settings) {
    std::cout << "\nOutput file : " << settings.output << "\n" << std::flush;
    const char* failure = nullptr;
    if (settings.output.empty())
        failure = "ERROR : The file you indicated does not seem adequate.\n";
    else if (settings.key_next_map.empty())
        failure = "ERROR : No next map key has been defined ! It doesn't make any sense.\n";
    else if (settings.key_next_point.empty())
        failure = "ERROR : No next point key has been defined ! It doesn't make any sense.\n";
    else if (settings.key_go.empty())
        failure = "ERROR : No teleportation key (key_go) has been defined ! It doesn't make any sense.";
    else if (settings.random_suffix_length < 0 || settings.random_suffix_length > maxRandomSuffixLength)
        failure = "ERROR : random_suffix_length must lie between 0 and 64.\n";
    if (failure == nullptr) return true;
    std::cout << failure;
    return false;
}
