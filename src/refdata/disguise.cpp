#include "refdata/disguise.h"

namespace cw {
namespace {

// Positions below are 1-based as in the rules; at(p) is the character at p,
// and "the pair at p" is the characters at p-1 and p. Every rule works on
// the text as earlier rules at the same position left it.
struct Text {
    std::string s;
    int length() const { return static_cast<int>(s.size()); }
    char& at(int p) { return s[static_cast<std::size_t>(p - 1)]; }
    char at(int p) const { return s[static_cast<std::size_t>(p - 1)]; }
    bool pair(int p, char a, char b) const { return p >= 2 && p <= length() && at(p - 1) == a && at(p) == b; }
    void insertAt(int p, char c) { s.insert(static_cast<std::size_t>(p - 1), 1, c); }
};

void stage1(Text& t) {
    for (int p = 1; p <= t.length(); ++p) {
        char& c = t.at(p);
        if (c == 'V') c = 'W';
        if (c == 'v') c = 'w';
        if (c == 'C') c = 'K';
        if (c == 'c') {
            c = 'k';
            if (p < t.length() && (t.at(p + 1) == 'e' || t.at(p + 1) == 'i')) c = 's';
        }
        if (c == 'W') c = 'V';
        if (c == 'w') c = 'v';
    }
    for (int p = 3; p <= t.length(); ++p)
        if (t.pair(p, 'P', 'h')) t.at(p - 1) = 'F';
}

void stage2(Text& t) {
    for (int p = 3; p <= t.length(); ++p) {
        if (t.pair(p, 'g', ' ')) t.at(p - 1) = '\'';
        if (t.pair(p, 'g', ':')) t.at(p - 1) = '\'';
        if (t.pair(p, 's', ' ')) t.at(p - 1) = 'z';
        if (t.pair(p, 's', 'h')) t.at(p) = 's';
        if (t.pair(p, 'c', 'k')) t.at(p) = 'c';
        if (t.pair(p, 't', 'h')) t.at(p) = 'o';
    }
}

void stage3(Text& t) {
    for (int p = 1; p <= t.length(); ++p) {
        char& c = t.at(p);
        if (c == 'K') c = 'C';
        if (c == 'k') c = 'c';
        if (c == 'X') c = 'k';
        if (c == 'x') c = 'k';
        if (c == 'Z') c = 'S';
        if (c == 'z') c = 's';
    }
}

void stage4(Text& t) {
    for (int p = 1; p <= t.length(); ++p) {
        if (t.at(p) == 'c') t.at(p) = 's';
        if (t.at(p) == 'S') t.at(p) = 'Z';
        if (t.at(p) == 'o') {
            t.insertAt(p, 'h');
            return;
        }
        if (p < 3) continue;
        if (t.pair(p, 'm', 'y')) t.at(p) = 'i';
        if (t.pair(p, 'i', 'e')) {
            t.at(p - 1) = 'y';
            t.at(p) = '\'';
        }
        if (t.at(p) == t.at(p - 1)) {
            t.at(p - 1) = t.at(p - 2);
            return;
        }
        if (t.at(p - 2) == '.' && t.at(p) == '.') t.at(p) = ':';
    }
}

void stage5(Text& t) {
    const int end = t.length();
    for (int p = 2; p <= end && p <= t.length(); ++p) {
        if (t.pair(p, 'e', ' ')) t.at(p - 1) = '\'';
        char& c = t.at(p);
        // In this order a 9 passes through 0 and ends as 1.
        static const char kFrom[] = {'9', '8', '7', '6', '5', '4', '3', '2', '1', '0'};
        static const char kTo[] = {'0', '9', '8', '7', '6', '5', '4', '3', '2', '1'};
        for (int k = 0; k < 10; ++k)
            if (c == kFrom[k]) c = kTo[k];
        if (c == 'T') c = 'D';
        if (c == 't') c = 'd';
        if (c == 'I') c = 'E';
        if (c == 'i') c = 'e';
        const char now = t.at(p);
        if (now == 'g' || now == 'G' || now == 'b' || now == 'B' || now == 'd' || now == 'D') t.insertAt(p + 1, 'e');
        if (t.at(p) == 'y' || t.at(p) == 'Y') {
            t.at(p) = 'i';
            t.insertAt(p + 1, 'e');
        }
        if (t.at(p) == 'e' && p == t.length()) t.insertAt(p, '\'');
        if (t.at(p) == 'a' || t.at(p) == 'A') t.insertAt(p + 1, 'h');
    }
}

}  // namespace

std::string disguiseName(const std::string& title, bool* changed) {
    Text t{title};
    stage1(t);
    if (t.s == title) stage2(t);
    if (t.s == title) stage3(t);
    if (t.s == title) stage4(t);
    if (t.s == title) stage5(t);
    if (changed) *changed = t.s != title;
    return t.s;
}

}  // namespace cw
