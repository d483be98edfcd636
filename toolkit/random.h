// The process-wide pseudo-random generator that every Toolkit shares: a
// 32-bit state advanced by state * 214013 + 2531011, drawing 0 to 32767.
#pragma once

#include <cstdint>
#include <string>

/// The 36 characters random suffixes are drawn from.
inline const std::string randomAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

/// Sets the shared generator's state to `seed`.
void seedSharedRandom(std::uint32_t seed);

/// Advances the shared generator and returns bits 16 to 30 of its new
/// state: a number from 0 to 32767.
std::int32_t drawSharedRandom();
