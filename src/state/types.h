// Basic building blocks of the game tables: fixed-capacity strings and
// arrays addressed by the game's own (usually 1-based) index ranges.
// Both are plain bytes in memory, so a table made of them is its own file
// image and can be written or read with one call.
#pragma once

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

#include "state/codepage.h"

namespace cw {

using i32 = std::int32_t;
using u32 = std::uint32_t;
using u8 = std::uint8_t;
using bool8 = std::uint8_t;  // 0 false, 1 true; kept a byte so the layout is fixed

// A length-prefixed string of at most N single-byte characters (N + 1 bytes)
// in the save format's code page (Windows-1252). It takes and gives UTF-8
// text; assigning a longer text stores its first N characters.
template <int N>
struct pstr {
    static_assert(N > 0 && N < 256, "the length byte holds 0..255");
    u8 len;
    char chars[N];

    static constexpr int capacity = N;

    pstr& operator=(std::string_view s) {
        assign(s);
        return *this;
    }
    void assign(std::string_view s) {
        const bool ascii = std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        const std::string converted = ascii ? std::string() : toRecordText(s);
        const std::string_view bytes = ascii ? s : std::string_view(converted);
        const std::size_t n = std::min<std::size_t>(bytes.size(), N);
        std::memcpy(chars, bytes.data(), n);
        len = static_cast<u8>(n);
    }
    // A corrupt length byte (more than N) must never read past the field.
    int size() const { return std::min<int>(len, N); }
    // The record's own bytes, in the code page: for comparing with other
    // record bytes, never for showing.
    std::string_view view() const { return std::string_view(chars, static_cast<std::size_t>(size())); }
    // The text as UTF-8.
    std::string str() const { return fromRecordText(view()); }
    operator std::string() const { return str(); }
    bool empty() const { return size() == 0; }
    // A slot whose name is empty after trimming blanks is free.
    bool blank() const {
        for (char c : view())
            if (c != ' ') return false;
        return true;
    }
    void clear() { len = 0; }
    bool operator==(std::string_view s) const { return str() == s; }
};

// A fixed array addressed by the index range First..Last, as the game's
// tables are (players count from 1, years from 1977, and so on).
template <typename T, int First, int Last>
struct Arr {
    static_assert(Last >= First);
    static constexpr int first = First;
    static constexpr int last = Last;
    static constexpr int count = Last - First + 1;
    T items[count];

    T& operator[](int i) {
        assert(i >= First && i <= Last);
        return items[i - First];
    }
    const T& operator[](int i) const {
        assert(i >= First && i <= Last);
        return items[i - First];
    }
    static constexpr bool inRange(int i) { return i >= First && i <= Last; }
    T* begin() { return items; }
    T* end() { return items + count; }
    const T* begin() const { return items; }
    const T* end() const { return items + count; }
};

}  // namespace cw
