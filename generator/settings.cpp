#include "generator/settings.h"

#include "toolkit/console.h"
#include "toolkit/numbers.h"

namespace {

SettingField text(const char* key, std::string GeneratorSettings::*field) {
    return {key, EntryKind::Text, field, nullptr, nullptr};
}

SettingField number(const char* key, std::int32_t GeneratorSettings::*field) {
    return {key, EntryKind::Number, nullptr, field, nullptr};
}

}  // namespace

const std::array<SettingField, 13> settingFields = {
    text("output", &GeneratorSettings::output),
    number("no_popup", &GeneratorSettings::no_popup),
    number("terminate", &GeneratorSettings::terminate),
    text("key_next_map", &GeneratorSettings::key_next_map),
    text("key_previous_map", &GeneratorSettings::key_previous_map),
    text("key_next_point", &GeneratorSettings::key_next_point),
    text("key_previous_point", &GeneratorSettings::key_previous_point),
    text("key_go", &GeneratorSettings::key_go),
    text("global_echo_map_prefix", &GeneratorSettings::global_echo_map_prefix),
    text("global_echo_point_prefix", &GeneratorSettings::global_echo_point_prefix),
    number("random_suffix_length", &GeneratorSettings::random_suffix_length),
    number("repeat_prefixes", &GeneratorSettings::repeat_prefixes),
    {"max_lines", EntryKind::Number, nullptr, nullptr, &GeneratorSettings::max_lines},
};

GeneratorSettings readGeneratorSettings(const Document& document) {
    GeneratorSettings settings;
    for (const SettingField& field : settingFields) {
        if (field.text != nullptr) {
            settings.*field.text = document.getText(field.key);
        } else if (field.number != nullptr) {
            settings.*field.number = truncateToInt32(document.getNumber(field.key));
        } else {
            // The low 32 bits: a negative count becomes one that is never reached.
            settings.*field.count = static_cast<std::uint32_t>(
                static_cast<std::uint64_t>(truncateToInt64(document.getNumber(field.key))));
        }
    }
    return settings;
}

bool checkGeneratorSettings(const GeneratorSettings& settings, Console& console) {
    console.message("\nOutput file : " + settings.output + "\n");
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
    console.out() << failure;  // as it stands: the last one has no line feed
    return false;
}
