// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Synthesises the game's six sound effects as 16-bit mono PCM wave files.
// usage: sfxgen <output folder>
// The files are committed under assets/sounds/; run this again only to change
// a sound. The output is the same on every run.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int Rate = 22050;
constexpr double Pi = std::numbers::pi;

using Samples = std::vector<double>;

Samples Silence(double seconds) {
    return Samples(static_cast<size_t>(seconds * Rate), 0.0);
}

// Attack and release as raised-cosine ramps: a sound starts and ends at zero,
// so it never clicks, however it is cut off.
double Envelope(size_t i, size_t n, double attack, double release) {
    const double t = double(i) / Rate;
    const double left = double(n - i) / Rate;
    double e = 1.0;
    if (t < attack) {
        e *= 0.5 - 0.5 * std::cos(Pi * t / attack);
    }
    if (left < release) {
        e *= 0.5 - 0.5 * std::cos(Pi * left / release);
    }
    return e;
}

// A tone gliding from f0 to f1, with a few soft overtones; `decay` (per
// second) lets it fade like a struck object.
Samples Tone(double seconds, double f0, double f1, double decay, double overtones,
             double attack = 0.004, double release = 0.02) {
    Samples s = Silence(seconds);
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / Rate;
        const double f = f0 + (f1 - f0) * t / seconds;
        phase += 2 * Pi * f / Rate;
        const double wave = std::sin(phase) + overtones * 0.5 * std::sin(2 * phase) +
                            overtones * 0.25 * std::sin(3 * phase);
        s[i] = wave * std::exp(-decay * t) * Envelope(i, s.size(), attack, release);
    }
    return s;
}

// Soft filtered noise for the wooden part of a knock.
Samples Knock(double seconds, double decay) {
    Samples s = Silence(seconds);
    uint32_t seed = 12345;
    double low = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        seed = seed * 1664525u + 1013904223u;
        const double white = double(seed >> 8) / double(1u << 24) * 2 - 1;
        low += 0.18 * (white - low);
        s[i] = low * std::exp(-decay * double(i) / Rate) * Envelope(i, s.size(), 0.002, 0.02);
    }
    return s;
}

void Mix(Samples& into, const Samples& add, double gain, double at = 0) {
    const size_t start = static_cast<size_t>(at * Rate);
    if (into.size() < start + add.size()) {
        into.resize(start + add.size(), 0.0);
    }
    for (size_t i = 0; i < add.size(); ++i) {
        into[start + i] += gain * add[i];
    }
}

Samples PickUp() {
    Samples s;
    Mix(s, Tone(0.09, 520, 880, 12, 0.3), 0.45);
    return s;
}

Samples PutDown() {
    Samples s;
    Mix(s, Tone(0.14, 230, 180, 30, 0.6, 0.002, 0.03), 0.5);
    Mix(s, Knock(0.06, 60), 0.6);
    return s;
}

Samples Turn() {
    Samples s;
    Mix(s, Tone(0.045, 1250, 1400, 40, 0.2, 0.002, 0.015), 0.22);
    return s;
}

Samples Move() {
    Samples s;
    Mix(s, Tone(0.03, 900, 900, 60, 0.1, 0.002, 0.012), 0.16);
    return s;
}

// C, E, G and the high C, the last one held: a short happy jingle.
Samples Solved() {
    Samples s;
    const double notes[] = {523.25, 659.25, 783.99, 1046.5};
    for (int k = 0; k < 4; ++k) {
        const double length = k == 3 ? 0.36 : 0.13;
        Mix(s, Tone(length, notes[k], notes[k], k == 3 ? 4 : 8, 0.5, 0.006, 0.05), 0.3, 0.1 * k);
    }
    Mix(s, Tone(0.36, 523.25, 523.25, 4, 0.3, 0.01, 0.05), 0.12, 0.3);
    return s;
}

// Two low, falling notes: "no".
Samples Refused() {
    Samples s;
    Mix(s, Tone(0.1, 330, 310, 6, 0.8, 0.004, 0.02), 0.35);
    Mix(s, Tone(0.14, 250, 220, 6, 0.8, 0.004, 0.04), 0.35, 0.1);
    return s;
}

void Put16(std::ofstream& out, uint16_t v) {
    const char b[2] = {char(v & 0xFF), char(v >> 8)};
    out.write(b, 2);
}
void Put32(std::ofstream& out, uint32_t v) {
    Put16(out, uint16_t(v & 0xFFFF));
    Put16(out, uint16_t(v >> 16));
}

bool WriteWave(const std::string& path, const Samples& s) {
    std::ofstream out(path, std::ios::binary);
    const auto data = uint32_t(s.size() * 2);
    out.write("RIFF", 4);
    Put32(out, 36 + data);
    out.write("WAVEfmt ", 8);
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 1);  // mono
    Put32(out, Rate);
    Put32(out, Rate * 2);
    Put16(out, 2);
    Put16(out, 16);
    out.write("data", 4);
    Put32(out, data);
    for (double v : s) {
        const long q = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        Put16(out, uint16_t(int16_t(q)));
    }
    return bool(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: sfxgen <output folder>\n");
        return 2;
    }
    const std::string dir = argv[1];
    const struct {
        const char* name;
        Samples samples;
    } effects[] = {
        {"1-pickup.wav", PickUp()}, {"2-putdown.wav", PutDown()}, {"3-turn.wav", Turn()},
        {"4-move.wav", Move()},     {"5-solved.wav", Solved()},   {"6-refused.wav", Refused()},
    };
    for (const auto& e : effects) {
        if (!WriteWave(dir + "/" + e.name, e.samples)) {
            std::fprintf(stderr, "sfxgen: cannot write %s/%s\n", dir.c_str(), e.name);
            return 1;
        }
    }
    return 0;
}
