// Who made Telvorin, as its credits and its scripts name them.
#pragma once

#include <string>

/// The author's web address.
inline const std::string authorWeb = "telvorin.example.org";
/// A second web address, beside the first in the banner of every script.
inline const std::string secondWeb = "vek.example.net";
/// The author's e-mail address.
inline const std::string authorMail = "zorvik.vek@example.org";
