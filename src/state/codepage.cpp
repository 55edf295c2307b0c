#include "state/codepage.h"

#include <array>

namespace cw {
namespace {

// Bytes 0x80..0x9F; the rest of the code page is Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool allAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

bool continuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// One character at s[i]; i moves past it. Malformed UTF-8 gives the
// code-page character of the single byte.
char32_t nextChar(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    std::size_t length = 0;
    char32_t c = 0;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
        c = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        c = b0 & 0x0F;
        if (b0 == 0xE0) low = 0xA0;   // no overlong forms
        if (b0 == 0xED) high = 0x9F;  // no surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        c = b0 & 0x07;
        if (b0 == 0xF0) low = 0x90;
        if (b0 == 0xF4) high = 0x8F;  // nothing past U+10FFFF
    }
    bool ok = length > 0 && i + length <= s.size();
    for (std::size_t k = 1; ok && k < length; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        ok = k == 1 ? (b >= low && b <= high) : continuation(b);
        c = (c << 6) | (b & 0x3F);
    }
    if (!ok) {
        ++i;
        return recordCharToUnicode(b0);
    }
    i += length;
    return c;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

char32_t recordCharToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    return byte;
}

int unicodeToRecordChar(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c) return static_cast<int>(0x80 + i);
    return -1;
}

std::u32string decodeText(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) out += nextChar(text, i);
    return out;
}

std::string encodeUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) appendUtf8(out, c);
    return out;
}

std::string validUtf8(std::string_view text) {
    if (allAscii(text)) return std::string(text);
    return encodeUtf8(decodeText(text));
}

std::string toRecordText(std::string_view text) {
    if (allAscii(text)) return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const int byte = unicodeToRecordChar(nextChar(text, i));
        out += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return out;
}

std::string fromRecordText(std::string_view bytes) {
    if (allAscii(bytes)) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (char b : bytes) appendUtf8(out, recordCharToUnicode(static_cast<unsigned char>(b)));
    return out;
}

int textLength(std::string_view text) {
    int n = 0;
    for (std::size_t i = 0; i < text.size(); ++n) nextChar(text, i);
    return n;
}

std::string cutText(std::string_view text, int maxChars) {
    std::size_t i = 0;
    bool clean = true;  // every character so far was well-formed and can be copied as it is
    for (int n = 0; n < maxChars && i < text.size(); ++n) {
        const std::size_t before = i;
        const char32_t c = nextChar(text, i);
        if (i - before == 1 && c >= 0x80) clean = false;
    }
    if (clean) return std::string(text.substr(0, i));
    return validUtf8(text.substr(0, i));
}

std::string trimEnd(std::string_view text) {
    std::size_t e = text.size();
    while (e > 0 && text[e - 1] == ' ') --e;
    return std::string(text.substr(0, e));
}

bool isControlChar(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

namespace {

// Where the first byte stands that is no part of a well-formed UTF-8
// sequence (overlong forms and surrogates included), or npos.
std::size_t firstStrayByte(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t n = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (b < 0x80) n = 0;
        else if (b >= 0xC2 && b <= 0xDF) n = 1;
        else if (b >= 0xE0 && b <= 0xEF) {
            n = 2;
            if (b == 0xE0) low = 0xA0;
            if (b == 0xED) high = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            n = 3;
            if (b == 0xF0) low = 0x90;
            if (b == 0xF4) high = 0x8F;
        } else {
            return i;
        }
        if (n > 0 && i + n >= text.size()) return i;  // cut short
        for (std::size_t k = 1; k <= n; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF)) return i;
        }
        i += n + 1;
    }
    return std::string_view::npos;
}

}  // namespace

std::string checkTypedName(std::string_view text, std::string_view what, int maxChars) {
    const std::string subject(what);
    // Typed text arrives as UTF-8; a stray byte would be written raw into a
    // file name or read as some other letter.
    if (const std::size_t at = firstStrayByte(text); at != std::string_view::npos) {
        static constexpr char kHex[] = "0123456789ABCDEF";
        const auto b = static_cast<unsigned char>(text[at]);
        return subject + " cannot contain the byte " + kHex[b >> 4] + kHex[b & 15] + " (it is not UTF-8 text)";
    }
    if (maxChars > 0 && textLength(text) > maxChars)
        return subject + " can have at most " + std::to_string(maxChars) + " characters";
    const std::u32string chars = decodeText(text);
    for (char32_t c : chars)
        if (isControlChar(c)) return subject + " cannot contain control characters";
    for (char32_t c : chars)
        if (unicodeToRecordChar(c) < 0)
            return subject + " cannot contain \"" + encodeUtf8(std::u32string(1, c)) +
                   "\" (the game keeps only Western European letters and signs)";
    return {};
}

}  // namespace cw
