#include "document/diagnostics.h"

#include <algorithm>
#include <iostream>
#include <utility>

Diagnostics::Diagnostics(std::string path, std::ostream& out) : path_(std::move(path)), out_(out) {}

void Diagnostics::warn(std::int32_t line, const std::string& message) {
    warnings_.push_back({line, message});
}

void Diagnostics::flush() {
    std::stable_sort(warnings_.begin(), warnings_.end(),
                     [](const Warning& a, const Warning& b) { return a.line < b.line; });
    if (warnings_.empty()) return;
    std::cout.flush();  // so that the warnings stand after the messages before them
    for (const Warning& warning : warnings_)
        out_ << path_ << ':' << warning.line << ": warning: " << warning.message << '\n';
    out_.flush();
    warnings_.clear();
}
