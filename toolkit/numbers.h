// Conversions between numbers and text, and the text hash that seeds the
// random generator.
#pragma once

#include <cstdint>
#include <string>

/// Returns `number` in decimal, with a leading "-" when negative.
std::string toText(std::int32_t number);

/// Returns `number` in decimal.
std::string toText(std::uint32_t number);

/// Appends toText(`number`) to `text`, without a text of its own.
void appendText(std::string& text, std::int64_t number);

/// Reads a decimal floating-point number from the start of `text` (after
/// white space: optional sign, digits with an optional point, optional
/// exponent) into `target`. Leaves `target` unchanged when `text` holds no
/// number there or the number overflows; the rest of the text is ignored.
void toNumber(const std::string& text, double& target);

/// Returns `x` rounded to the nearest integer, halves away from zero;
/// values beyond the 32-bit range give its nearest end.
std::int32_t roundHalfAway(double x);

/// Returns the sum over the positions i of i * i * (the byte at i, signed),
/// in wrapping 32-bit arithmetic; 0 for texts shorter than two bytes.
std::int32_t textHash(const std::string& text);

/// Returns `x` truncated toward zero and saturated to the 32-bit range.
std::int32_t truncateToInt32(double x);

/// Returns `x` truncated toward zero and saturated to the 64-bit range.
std::int64_t truncateToInt64(double x);
