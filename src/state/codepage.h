// Texts inside the game records are single bytes of the Windows-1252 code
// page, as the save files hold them; everywhere else (screens, transcript,
// typed text, the program's own files) text is UTF-8. The conversion happens
// where a text enters or leaves a record, so a name keeps its letters, is
// measured and cut in characters, and takes one byte a letter in the save.
#pragma once

#include <string>
#include <string_view>

namespace cw {

// The Unicode character of a record byte. Every byte has one, so any record
// read from a file survives the way out to a text and back unchanged; the
// five bytes the code page leaves undefined stand for the control
// characters of the same number.
char32_t recordCharToUnicode(unsigned char byte);
// The record byte of a character, or -1 when the code page cannot hold it.
int unicodeToRecordChar(char32_t c);

// The characters of a UTF-8 text. A byte that is not part of a well-formed
// UTF-8 sequence is taken as the Windows-1252 character it would be, so a
// file written in the code page reads the same as one written in UTF-8.
std::u32string decodeText(std::string_view text);
std::string encodeUtf8(std::u32string_view text);
// The text as well-formed UTF-8 (see decodeText for stray bytes).
std::string validUtf8(std::string_view text);

// A UTF-8 text as record bytes; a character the code page cannot hold
// becomes "?" (names typed by the player are checked before they get here).
std::string toRecordText(std::string_view text);
// Record bytes as UTF-8.
std::string fromRecordText(std::string_view bytes);

// Length and cut in characters, not bytes.
int textLength(std::string_view text);
std::string cutText(std::string_view text, int maxChars);
// Without the blanks at its end.
std::string trimEnd(std::string_view text);

// True for the characters a typed name may not hold: bytes below 32 and DEL.
bool isControlChar(char32_t c);

// Why a typed name cannot go into a record, or an empty text when it can.
// `what` starts the message ("The company name"); a maxChars of 0 sets no
// limit. Refused are: text that is not UTF-8, more than maxChars characters,
// control characters, and characters outside the code page.
std::string checkTypedName(std::string_view text, std::string_view what, int maxChars);

}  // namespace cw
