// The high-score file of the game folder.
#pragma once

#include <string>
#include <string_view>

namespace cw {

// "hs.tmp": each digit of the highest score stored as one byte, the digit
// minus 10 (mod 256). Decoding takes the first line without surrounding
// blanks; anything that does not read as a score gives 0.
int decodeHighScore(std::string_view firstLine);
std::string encodeHighScore(int score);
// The highest score so far; 0 without a readable "hs.tmp".
int readHighScore(const std::string& folder);

}  // namespace cw
