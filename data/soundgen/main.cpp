// cw_soundgen: composes and renders the game's music and sound effects.
//
// Everything is synthesised here from a fixed seed per piece, so every build
// writes the same files and nothing is taken from anywhere else. The files
// are mono 22,050 Hz 16-bit PCM WAV, which Qt's sound effects play directly.
//
//   cw_soundgen --out DIR                      writes every tune and effect
//   cw_soundgen --check FILE [--min-seconds S] checks one file's format,
//                                              length and that it is not silent
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2 * kPi;

using Buffer = std::vector<float>;

// The same small generator on every platform: a composition must not change
// with the standard library.
struct Rng {
    std::uint64_t s;
    explicit Rng(std::uint64_t seed) : s(seed * 2654435761u + 0x9E3779B97F4A7C15ull) {}
    std::uint32_t next() {
        s ^= s << 13;
        s ^= s >> 7;
        s ^= s << 17;
        return static_cast<std::uint32_t>(s >> 11);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }
    double unit() { return (next() & 0xFFFFFF) / double(0x1000000); }
    double noise() { return unit() * 2 - 1; }
};

double midiFreq(double note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

// ---------------------------------------------------------------- voices

enum class Voice {
    Pulse25,   // chip lead
    Pulse12,   // chip arpeggio
    Triangle,  // chip bass
    FmPiano,   // 1990s electric piano
    FmBell,    // 1990s bell lead
    SawBass,   // 1990s bass, filtered
    SawPad,    // 1990s/2000s pad, detuned and filtered
    SoftPad,   // 2000s pad of sines
    Pluck,     // 2000s plucked lead
    SubBass,   // 2000s sine bass
    Brass,     // fanfares
    Square,    // effects
    Sine,      // effects
};

struct Envelope {
    double attack, decay, sustain, release;
};

Envelope envelopeOf(Voice v) {
    switch (v) {
        case Voice::Pulse25: return {0.005, 0.08, 0.7, 0.03};
        case Voice::Pulse12: return {0.002, 0.05, 0.5, 0.02};
        case Voice::Triangle: return {0.003, 0.05, 0.9, 0.02};
        case Voice::FmPiano: return {0.004, 0.6, 0.25, 0.15};
        case Voice::FmBell: return {0.002, 0.9, 0.1, 0.3};
        case Voice::SawBass: return {0.005, 0.2, 0.6, 0.05};
        case Voice::SawPad: return {0.25, 0.5, 0.7, 0.5};
        case Voice::SoftPad: return {0.6, 0.8, 0.75, 0.9};
        case Voice::Pluck: return {0.003, 0.35, 0.0, 0.1};
        case Voice::SubBass: return {0.01, 0.2, 0.8, 0.08};
        case Voice::Brass: return {0.04, 0.15, 0.8, 0.12};
        case Voice::Square: return {0.002, 0.05, 0.8, 0.02};
        case Voice::Sine: return {0.002, 0.1, 0.6, 0.05};
    }
    return {0.01, 0.1, 0.7, 0.05};
}

double envelopeAt(const Envelope& e, double t, double held) {
    double level;
    if (t < e.attack)
        level = t / e.attack;
    else if (t < e.attack + e.decay)
        level = 1 - (1 - e.sustain) * (t - e.attack) / e.decay;
    else
        level = e.sustain;
    if (t > held) {
        const double r = (t - held) / e.release;
        if (r >= 1) return 0;
        // The level the note had when it was let go fades to nothing.
        double atHold = held < e.attack ? held / e.attack
                        : held < e.attack + e.decay ? 1 - (1 - e.sustain) * (held - e.attack) / e.decay
                                                    : e.sustain;
        level = atHold * (1 - r);
    }
    return level;
}

double pulse(double phase, double duty) { return phase - std::floor(phase) < duty ? 1.0 : -1.0; }
double saw(double phase) { return 2 * (phase - std::floor(phase)) - 1; }
double tri(double phase) {
    const double f = phase - std::floor(phase);
    return f < 0.5 ? 4 * f - 1 : 3 - 4 * f;
}

// Adds one note to the buffer. `seconds` is how long the key is held; the
// release rings on after it.
void addNote(Buffer& buf, double start, double seconds, double note, Voice v, double amp, double vibrato = 0) {
    const Envelope e = envelopeOf(v);
    const double f = midiFreq(note);
    const auto first = static_cast<std::size_t>(start * kRate);
    const auto count = static_cast<std::size_t>((seconds + e.release) * kRate);
    double lp = 0;  // one-pole low-pass state of the filtered voices
    double lp2 = 0;
    for (std::size_t i = 0; i < count && first + i < buf.size(); ++i) {
        const double t = double(i) / kRate;
        const double env = envelopeAt(e, t, seconds);
        if (env <= 0 && t > seconds) break;
        const double vib = vibrato > 0 && t > 0.15 ? 1 + vibrato * std::sin(kTwoPi * 5.5 * t) : 1;
        const double ph = f * vib * t;
        double s = 0;
        switch (v) {
            case Voice::Pulse25: s = pulse(ph, 0.25) * 0.6; break;
            case Voice::Pulse12: s = pulse(ph, 0.125) * 0.5; break;
            case Voice::Triangle: s = tri(ph); break;
            case Voice::FmPiano: {
                const double index = 1.8 * std::exp(-t * 6);
                s = std::sin(kTwoPi * ph + index * std::sin(kTwoPi * ph));
                break;
            }
            case Voice::FmBell: {
                const double index = 3.0 * std::exp(-t * 3);
                s = std::sin(kTwoPi * ph + index * std::sin(kTwoPi * ph * 3.5));
                break;
            }
            case Voice::SawBass: {
                const double raw = saw(ph);
                lp += (raw - lp) * 0.12;
                s = lp * 1.4;
                break;
            }
            case Voice::SawPad: {
                const double raw = (saw(ph) + saw(ph * 1.006) + saw(ph * 0.995)) / 3;
                lp += (raw - lp) * 0.08;
                lp2 += (lp - lp2) * 0.08;
                s = lp2 * 1.6;
                break;
            }
            case Voice::SoftPad:
                s = (std::sin(kTwoPi * ph) + 0.5 * std::sin(kTwoPi * ph * 1.004) + 0.25 * std::sin(kTwoPi * ph * 2)) /
                    1.6;
                break;
            case Voice::Pluck:
                s = (std::sin(kTwoPi * ph) + 0.4 * std::sin(kTwoPi * 2 * ph) * std::exp(-t * 8) +
                     0.2 * std::sin(kTwoPi * 3 * ph) * std::exp(-t * 14));
                break;
            case Voice::SubBass: s = std::sin(kTwoPi * ph) + 0.15 * std::sin(kTwoPi * 2 * ph); break;
            case Voice::Brass: {
                const double raw = saw(ph) * 0.7 + pulse(ph, 0.4) * 0.3;
                const double open = 0.06 + 0.25 * std::min(1.0, t / 0.08);
                lp += (raw - lp) * open;
                s = lp;
                break;
            }
            case Voice::Square: s = pulse(ph, 0.5) * 0.5; break;
            case Voice::Sine: s = std::sin(kTwoPi * ph); break;
        }
        buf[first + i] += static_cast<float>(s * env * amp);
    }
}

enum class Drum { Kick, Snare, Hat, OpenHat, ChipKick, ChipSnare, ChipHat, Clap };

void addDrum(Buffer& buf, double start, Drum d, double amp, Rng& rng) {
    const auto first = static_cast<std::size_t>(start * kRate);
    double length = 0.2;
    switch (d) {
        case Drum::Kick: length = 0.35; break;
        case Drum::Snare: length = 0.22; break;
        case Drum::Hat: length = 0.05; break;
        case Drum::OpenHat: length = 0.2; break;
        case Drum::ChipKick: length = 0.12; break;
        case Drum::ChipSnare: length = 0.12; break;
        case Drum::ChipHat: length = 0.03; break;
        case Drum::Clap: length = 0.18; break;
    }
    const auto count = static_cast<std::size_t>(length * kRate);
    double phase = 0;
    double hp = 0, prev = 0;
    double held = 0;  // the chip noise repeats a value for a few samples, as the old chips did
    for (std::size_t i = 0; i < count && first + i < buf.size(); ++i) {
        const double t = double(i) / kRate;
        double s = 0;
        const double n = rng.noise();
        // A one-pole high-pass keeps the hats bright.
        hp = 0.85 * (hp + n - prev);
        prev = n;
        switch (d) {
            case Drum::Kick: {
                const double f = 45 + 110 * std::exp(-t * 30);
                phase += f / kRate;
                s = std::sin(kTwoPi * phase) * std::exp(-t * 9);
                break;
            }
            case Drum::Snare: {
                phase += 190.0 / kRate;
                s = 0.4 * std::sin(kTwoPi * phase) * std::exp(-t * 25) + 0.7 * n * std::exp(-t * 16);
                break;
            }
            case Drum::Hat: s = hp * std::exp(-t * 70) * 0.6; break;
            case Drum::OpenHat: s = hp * std::exp(-t * 14) * 0.5; break;
            case Drum::ChipKick: {
                const double f = 60 + 200 * std::exp(-t * 40);
                phase += f / kRate;
                s = tri(phase) * std::exp(-t * 18);
                break;
            }
            case Drum::ChipSnare:
            case Drum::ChipHat: {
                if (i % 4 == 0) held = n;
                s = held * std::exp(-t * (d == Drum::ChipHat ? 90 : 22)) * 0.6;
                break;
            }
            case Drum::Clap: {
                const double bursts = t < 0.03 ? (std::fmod(t, 0.01) < 0.004 ? 1 : 0.3) : 1;
                s = hp * bursts * std::exp(-t * 18) * 0.8;
                break;
            }
        }
        buf[first + i] += static_cast<float>(s * amp);
    }
}

// ---------------------------------------------------------------- composition

// A tune's recipe: its era's voices and the numbers that make it its own.
struct TuneStyle {
    enum Era { Chip, Nineties, TwoThousands } era;
    std::uint64_t seed;
    double bpm;
    int root;                  // MIDI note of the key
    bool minor;
    std::array<int, 4> progA;  // scale degrees 0..6 of the verse's chords
    std::array<int, 4> progB;  // and of the bridge's
};

constexpr std::array<int, 7> kMajor = {0, 2, 4, 5, 7, 9, 11};
constexpr std::array<int, 7> kMinor = {0, 2, 3, 5, 7, 8, 10};

struct Composer {
    const TuneStyle& st;
    Rng rng;
    explicit Composer(const TuneStyle& s) : st(s), rng(s.seed) {}

    int scaleNote(int degree) const {
        const auto& sc = st.minor ? kMinor : kMajor;
        const int octave = degree >= 0 ? degree / 7 : (degree - 6) / 7;
        const int d = degree - octave * 7;
        return st.root + 12 * octave + sc[static_cast<std::size_t>(d)];
    }
    // The chord's three degrees on top of `degree`.
    std::array<int, 3> chord(int degree) const { return {degree, degree + 2, degree + 4}; }

    // A two-bar rhythm of sixteenth steps: (start, length) pairs.
    std::vector<std::pair<int, int>> rhythm(double density) {
        std::vector<std::pair<int, int>> r;
        int pos = 0;
        while (pos < 32) {
            int len;
            const double u = rng.unit();
            if (u < density * 0.5)
                len = 1;
            else if (u < density)
                len = 2;
            else if (u < density + 0.25)
                len = 4;
            else
                len = 6;
            if (pos % 2 == 1) len = 1;
            len = std::min(len, 32 - pos);
            // Rests keep the line breathing.
            if (rng.unit() > 0.12 || pos == 0) r.emplace_back(pos, len);
            pos += len;
        }
        return r;
    }

    // A melody over a progression of four chords, one bar each, repeated
    // once (eight bars): scale degrees per note of the rhythm.
    std::vector<std::array<int, 3>> melody(const std::array<int, 4>& prog, double density) {
        std::vector<std::array<int, 3>> notes;  // start step, length, degree
        const auto motif = rhythm(density);
        int last = 7 + prog[0];
        for (int half = 0; half < 4; ++half) {
            for (const auto& [start, len] : motif) {
                const int step = half * 32 + start;
                const int bar = (step / 16) % 4;
                const auto ch = chord(prog[static_cast<std::size_t>(bar)]);
                int degree;
                if (start % 4 == 0) {
                    // On the beat: the chord tone nearest the line.
                    int best = 0, bestDist = 99;
                    for (int oct = 0; oct <= 2; ++oct)
                        for (int c : ch) {
                            const int cand = c + 7 * oct;
                            const int dist = std::abs(cand - last) + (rng.below(3) == 0 ? 1 : 0);
                            if (dist < bestDist) {
                                bestDist = dist;
                                best = cand;
                            }
                        }
                    degree = best;
                } else {
                    degree = last + (rng.below(2) ? 1 : -1) * (1 + rng.below(2));
                }
                degree = std::clamp(degree, 4, 16);
                // The last half answers the first: it ends on the root.
                if (half == 3 && step + len >= 124) degree = 7;
                notes.push_back({step, len, degree});
                last = degree;
            }
        }
        return notes;
    }
};

Buffer composeTune(const TuneStyle& st) {
    Composer c(st);
    const double beat = 60.0 / st.bpm;
    const double step = beat / 4;
    const double barLen = beat * 4;
    // Verse A, A', bridge B, A, and round again until the tune passes a minute.
    const int sectionBars = 8;
    const std::array<char, 4> form = {'A', 'A', 'B', 'A'};
    int sections = 0;
    while (sections * sectionBars * barLen < 62.0) ++sections;
    const int bars = sections * sectionBars;
    const double total = bars * barLen + 2.0;
    Buffer buf(static_cast<std::size_t>(total * kRate), 0.0f);

    const double density = st.era == TuneStyle::Chip ? 0.55 : st.era == TuneStyle::Nineties ? 0.45 : 0.3;
    const auto melA = c.melody(st.progA, density);
    const auto melB = c.melody(st.progB, density * 0.8);
    const auto melA2 = c.melody(st.progA, density);

    Voice lead = Voice::Pulse25, bassV = Voice::Triangle, padV = Voice::Pulse12;
    if (st.era == TuneStyle::Nineties) {
        lead = c.rng.below(2) ? Voice::FmBell : Voice::FmPiano;
        bassV = Voice::SawBass;
        padV = Voice::SawPad;
    } else if (st.era == TuneStyle::TwoThousands) {
        lead = Voice::Pluck;
        bassV = Voice::SubBass;
        padV = Voice::SoftPad;
    }

    int bar = 0;
    for (int section = 0; section < sections; ++section) {
        {
            const auto part = static_cast<std::size_t>(section) % form.size();
            const bool bridge = form[part] == 'B';
            const auto& prog = bridge ? st.progB : st.progA;
            const auto& mel = bridge ? melB : (part == 1 ? melA2 : melA);
            const double t0 = bar * barLen;
            const bool intro = section == 0;
            // Melody; the first four bars of the tune are left to the band.
            for (const auto& n : mel) {
                if (intro && n[0] < 64) continue;
                const double at = t0 + n[0] * step;
                const double len = n[1] * step * 0.9;
                const int note = c.scaleNote(n[2]) + (st.era == TuneStyle::Chip ? 12 : 0);
                const double amp = st.era == TuneStyle::Chip ? 0.16 : 0.22;
                addNote(buf, at, len, note, lead, amp, st.era == TuneStyle::Chip ? 0.006 : 0.0);
                // The 2000s lead has an echo a dotted eighth later.
                if (st.era == TuneStyle::TwoThousands) addNote(buf, at + 3 * step, len, note, lead, amp * 0.35);
            }
            for (int b = 0; b < sectionBars; ++b) {
                const double tb = t0 + b * barLen;
                const int degree = prog[static_cast<std::size_t>(b % 4)];
                const auto ch = c.chord(degree);
                const int bassNote = c.scaleNote(degree) - 24;
                // Bass.
                if (st.era == TuneStyle::Chip) {
                    for (int e = 0; e < 8; ++e)
                        addNote(buf, tb + e * 2 * step, 1.6 * step, bassNote + (e % 2 ? 12 : 0), bassV, 0.28);
                } else if (st.era == TuneStyle::Nineties) {
                    const std::array<int, 8> pat = {1, 0, 1, 1, 0, 1, 0, 1};
                    for (int e = 0; e < 8; ++e)
                        if (pat[static_cast<std::size_t>(e)])
                            addNote(buf, tb + e * 2 * step, 1.7 * step, bassNote + (e == 3 ? 7 : 0), bassV, 0.3);
                } else {
                    addNote(buf, tb, 6 * step, bassNote, bassV, 0.32);
                    addNote(buf, tb + 8 * step, 6 * step, bassNote, bassV, 0.32);
                    addNote(buf, tb + 14 * step, 1.5 * step, bassNote + 7, bassV, 0.2);
                }
                // Harmony.
                if (st.era == TuneStyle::Chip) {
                    // The fast arpeggio that stood in for chords on three-voice chips.
                    for (int s16 = 0; s16 < 16; ++s16) {
                        const int n = c.scaleNote(ch[static_cast<std::size_t>(s16 % 3)]);
                        addNote(buf, tb + s16 * step, step * 0.8, n, padV, bridge ? 0.09 : 0.07);
                    }
                } else {
                    for (int n : ch) addNote(buf, tb, barLen * 0.95, c.scaleNote(n), padV, 0.09);
                    if (st.era == TuneStyle::TwoThousands && !intro)
                        for (int s8 = 0; s8 < 8; ++s8)
                            addNote(buf, tb + s8 * 2 * step, step, c.scaleNote(ch[static_cast<std::size_t>(s8 % 3)]) + 12,
                                    Voice::Pluck, 0.05);
                }
                // Drums.
                for (int s16 = 0; s16 < 16; ++s16) {
                    const double at = tb + s16 * step;
                    if (st.era == TuneStyle::Chip) {
                        if (s16 == 0 || s16 == 8 || s16 == 10) addDrum(buf, at, Drum::ChipKick, 0.5, c.rng);
                        if (s16 == 4 || s16 == 12) addDrum(buf, at, Drum::ChipSnare, 0.35, c.rng);
                        if (s16 % 2 == 0) addDrum(buf, at, Drum::ChipHat, 0.18, c.rng);
                    } else if (st.era == TuneStyle::Nineties) {
                        if (s16 == 0 || s16 == 6 || s16 == 10) addDrum(buf, at, Drum::Kick, 0.55, c.rng);
                        if (s16 == 4 || s16 == 12) addDrum(buf, at, Drum::Snare, 0.4, c.rng);
                        if (s16 % 2 == 0) addDrum(buf, at, Drum::Hat, 0.25, c.rng);
                    } else if (!intro) {
                        if (s16 % 4 == 0) addDrum(buf, at, Drum::Kick, 0.5, c.rng);
                        if (s16 == 4 || s16 == 12) addDrum(buf, at, Drum::Clap, 0.3, c.rng);
                        if (s16 % 4 == 2) addDrum(buf, at, Drum::OpenHat, 0.18, c.rng);
                        else if (s16 % 2 == 1) addDrum(buf, at, Drum::Hat, 0.12, c.rng);
                    }
                }
            }
            bar += sectionBars;
        }
    }
    // The last bar fades, so the loop's next tune does not start on a cliff.
    const auto fadeFrom = static_cast<std::size_t>((total - barLen - 2.0) * kRate);
    for (std::size_t i = fadeFrom; i < buf.size(); ++i)
        buf[i] *= static_cast<float>(std::max(0.0, 1.0 - double(i - fadeFrom) / double(buf.size() - fadeFrom)));
    return buf;
}

// ---------------------------------------------------------------- effects

Buffer silence(double seconds) { return Buffer(static_cast<std::size_t>(seconds * kRate), 0.0f); }

// A name's own seed (FNV-1a), the same everywhere.
std::uint64_t seedOf(const std::string& name) {
    std::uint64_t h = 1469598103934665603ull;
    for (char ch : name) h = (h ^ static_cast<unsigned char>(ch)) * 1099511628211ull;
    return h & 0xFFFFFF;
}

Buffer effect(const std::string& name) {
    Rng rng(seedOf(name));
    Buffer b;
    if (name == "letter") {
        b = silence(0.9);
        addNote(b, 0.0, 0.15, 88, Voice::FmBell, 0.5);
        addNote(b, 0.14, 0.3, 93, Voice::FmBell, 0.5);
    } else if (name == "game-finished") {
        b = silence(1.6);
        const std::array<int, 4> up = {72, 76, 79, 84};
        for (std::size_t i = 0; i < up.size(); ++i) addNote(b, 0.12 * double(i), 0.1, up[i], Voice::Pulse25, 0.45);
        addNote(b, 0.5, 0.6, 84, Voice::Pulse25, 0.45, 0.008);
        addNote(b, 0.5, 0.6, 76, Voice::Triangle, 0.35);
    } else if (name == "code-bug") {
        b = silence(0.8);
        for (int i = 0; i < 10; ++i) addNote(b, 0.06 * i, 0.05, 70 - i * 2 + rng.below(7), Voice::Square, 0.4);
        addDrum(b, 0.62, Drum::ChipSnare, 0.5, rng);
    } else if (name == "hire") {
        b = silence(0.8);
        addNote(b, 0.0, 0.12, 79, Voice::Pluck, 0.5);
        addNote(b, 0.13, 0.35, 86, Voice::Pluck, 0.5);
    } else if (name == "release") {
        b = silence(1.8);
        const std::array<int, 3> triad = {67, 71, 74};
        for (int n : triad) {
            addNote(b, 0.0, 0.12, n, Voice::Brass, 0.25);
            addNote(b, 0.18, 0.12, n, Voice::Brass, 0.25);
            addNote(b, 0.36, 0.9, n + 5, Voice::Brass, 0.25);
        }
        addDrum(b, 0.36, Drum::Kick, 0.5, rng);
    } else if (name == "cash-negative") {
        b = silence(1.8);
        addNote(b, 0.0, 0.3, 62, Voice::Brass, 0.45);
        addNote(b, 0.35, 0.3, 61, Voice::Brass, 0.45);
        addNote(b, 0.7, 0.8, 60, Voice::Brass, 0.45, 0.02);
    } else if (name == "awards") {
        b = silence(3.4);
        for (int i = 0; i < 28; ++i) addDrum(b, 0.035 * i, Drum::Snare, 0.15 + 0.01 * i, rng);
        const std::array<int, 4> chordNotes = {60, 64, 67, 72};
        for (int n : chordNotes) {
            addNote(b, 1.0, 0.15, n, Voice::Brass, 0.2);
            addNote(b, 1.2, 1.4, n + 2, Voice::Brass, 0.2);
        }
        addDrum(b, 1.2, Drum::Kick, 0.6, rng);
        // Applause: many short claps at random, swelling and fading.
        for (int i = 0; i < 90; ++i) {
            const double at = 1.3 + rng.unit() * 1.9;
            addDrum(b, at, Drum::Clap, 0.12 * std::sin(kPi * (at - 1.3) / 2.0), rng);
        }
    } else if (name == "game-end") {
        b = silence(5.0);
        const std::array<std::array<int, 3>, 3> cadence = {{{65, 69, 72}, {67, 71, 74}, {60, 64, 67}}};
        for (std::size_t c = 0; c < cadence.size(); ++c)
            for (int n : cadence[c]) addNote(b, 1.1 * double(c), c == 2 ? 2.2 : 1.0, n, Voice::SawPad, 0.25);
        addNote(b, 2.2, 2.0, 72, Voice::FmBell, 0.3);
        addNote(b, 2.2, 2.4, 36, Voice::SubBass, 0.35);
    } else if (name == "click") {
        b = silence(0.06);
        for (std::size_t i = 0; i < b.size(); ++i) {
            const double t = double(i) / kRate;
            b[i] = static_cast<float>(0.5 * std::sin(kTwoPi * 1800 * t) * std::exp(-t * 120));
        }
    }
    return b;
}

// ---------------------------------------------------------------- files

void putU32(std::string& s, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void putU16(std::string& s, std::uint16_t v) {
    s.push_back(static_cast<char>(v & 0xFF));
    s.push_back(static_cast<char>(v >> 8));
}

bool writeWav(const std::filesystem::path& path, const Buffer& in) {
    // Loudness: every file peaks at the same level, so no cue drowns the music.
    float peak = 0;
    for (float v : in) peak = std::max(peak, std::fabs(v));
    const double gain = peak > 0 ? 0.85 / peak : 1.0;
    std::string data;
    data.reserve(in.size() * 2);
    for (float v : in) {
        const double x = std::clamp(v * gain, -1.0, 1.0);
        putU16(data, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(x * 32767))));
    }
    std::string out = "RIFF";
    putU32(out, static_cast<std::uint32_t>(36 + data.size()));
    out += "WAVEfmt ";
    putU32(out, 16);
    putU16(out, 1);  // PCM
    putU16(out, 1);  // mono
    putU32(out, kRate);
    putU32(out, kRate * 2);
    putU16(out, 2);
    putU16(out, 16);
    out += "data";
    putU32(out, static_cast<std::uint32_t>(data.size()));
    out += data;
    // Written beside and renamed, so a stopped build never leaves half a file.
    const auto tmp = std::filesystem::path(path.string() + ".tmp");
    {
        std::ofstream f(tmp, std::ios::binary);
        if (!f.write(out.data(), static_cast<std::streamsize>(out.size()))) return false;
    }
    std::error_code ec;
    std::filesystem::rename(tmp, path, ec);
    return !ec;
}

std::uint32_t getU32(const std::string& s, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(s[at + static_cast<std::size_t>(i)]);
    return v;
}
std::uint16_t getU16(const std::string& s, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(s[at]) | (static_cast<unsigned char>(s[at + 1]) << 8));
}

// Empty when the file is a mono 22,050 Hz 16-bit PCM WAV of at least
// `minSeconds` that can be heard; otherwise why not.
std::string checkWav(const std::string& path, double minSeconds) {
    std::ifstream f(path, std::ios::binary);
    if (!f) return "cannot open " + path;
    const std::string s((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (s.size() < 44 || s.compare(0, 4, "RIFF") != 0 || s.compare(8, 4, "WAVE") != 0) return "not a RIFF WAVE file";
    if (getU32(s, 4) != s.size() - 8) return "the RIFF size does not match the file";
    if (s.compare(12, 4, "fmt ") != 0 || getU32(s, 16) != 16) return "no 16-byte fmt chunk first";
    if (getU16(s, 20) != 1) return "not PCM";
    if (getU16(s, 22) != 1) return "not mono";
    if (getU32(s, 24) != kRate) return "not 22050 Hz";
    if (getU16(s, 34) != 16 || getU16(s, 32) != 2 || getU32(s, 28) != kRate * 2) return "not 16-bit";
    if (s.compare(36, 4, "data") != 0) return "no data chunk after fmt";
    const std::uint32_t bytes = getU32(s, 40);
    if (bytes != s.size() - 44 || bytes % 2 != 0) return "the data size does not match the file";
    const double seconds = bytes / 2.0 / kRate;
    if (seconds < minSeconds) return "too short: " + std::to_string(seconds) + " s";
    int peak = 0;
    double sum = 0;
    for (std::size_t i = 44; i + 1 < s.size(); i += 2) {
        const int v = static_cast<std::int16_t>(getU16(s, i));
        peak = std::max(peak, std::abs(v));
        sum += double(v) * v;
    }
    const double rms = std::sqrt(sum / std::max<std::uint32_t>(1, bytes / 2));
    if (peak < 3000 || rms < 150) return "silent (peak " + std::to_string(peak) + ")";
    return {};
}

const std::array<TuneStyle, 6> kTunes = {{
    {TuneStyle::Chip, 1981, 140, 57, true, {0, 5, 3, 4}, {3, 4, 0, 0}},
    {TuneStyle::Chip, 1986, 150, 60, false, {0, 4, 5, 3}, {5, 3, 1, 4}},
    {TuneStyle::Nineties, 1992, 112, 62, true, {0, 6, 5, 4}, {3, 0, 3, 4}},
    {TuneStyle::Nineties, 1997, 104, 55, false, {0, 3, 5, 4}, {1, 4, 0, 5}},
    {TuneStyle::TwoThousands, 2001, 96, 57, true, {0, 5, 2, 6}, {3, 5, 0, 4}},
    {TuneStyle::TwoThousands, 2004, 124, 60, false, {5, 3, 0, 4}, {3, 4, 5, 5}},
}};

const std::array<const char*, 9> kEffects = {"letter",        "game-finished", "code-bug", "hire",  "release",
                                             "cash-negative", "awards",        "game-end", "click"};

std::string tuneFile(const TuneStyle& t, int n) {
    const char* era = t.era == TuneStyle::Chip ? "1980s" : t.era == TuneStyle::Nineties ? "1990s" : "2000s";
    return std::string("music-") + era + "-" + std::to_string(n) + ".wav";
}

int usage() {
    std::cerr << "usage: cw_soundgen --out DIR | --check FILE [--min-seconds S]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() >= 2 && args[0] == "--check") {
        double minSeconds = 0;
        if (args.size() == 4 && args[2] == "--min-seconds") minSeconds = std::atof(args[3].c_str());
        else if (args.size() != 2) return usage();
        const std::string why = checkWav(args[1], minSeconds);
        if (!why.empty()) {
            std::cerr << args[1] << ": " << why << '\n';
            return 1;
        }
        return 0;
    }
    if (args.size() != 2 || args[0] != "--out") return usage();
    const std::filesystem::path out = args[1];
    std::error_code ec;
    std::filesystem::create_directories(out, ec);
    int perEra[3] = {0, 0, 0};
    for (const TuneStyle& t : kTunes) {
        const int n = ++perEra[t.era];
        if (!writeWav(out / tuneFile(t, n), composeTune(t))) {
            std::cerr << "cannot write " << (out / tuneFile(t, n)).string() << '\n';
            return 1;
        }
    }
    for (const char* name : kEffects) {
        if (!writeWav(out / (std::string(name) + ".wav"), effect(name))) {
            std::cerr << "cannot write " << name << ".wav\n";
            return 1;
        }
    }
    return 0;
}
