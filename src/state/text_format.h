// Number texts shared by every screen.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cw {

// A whole number with "," between groups of three digits: 4,000,000.
std::string thousands(long long value);

// The lines of a text file's bytes, split at LF with a CR before it
// dropped; an LF at the very end starts no further line.
std::vector<std::string> textLines(std::string_view bytes);

}  // namespace cw
