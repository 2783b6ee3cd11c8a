#include "assets/Assets.h"

#include <algorithm>
#include <cmath>

namespace sassorbi {

namespace {

constexpr int kRate = 22050;

void PutLittleEndian(Bytes& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void PutTag(Bytes& out, const char* tag) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(tag[i]));
}

// 16-bit mono PCM in a canonical 44-byte RIFF header; samples in [-1, 1].
Bytes Wav(const std::vector<double>& samples) {
    const uint32_t data_size = static_cast<uint32_t>(samples.size() * 2);
    Bytes out;
    PutTag(out, "RIFF");
    PutLittleEndian(out, 36 + data_size, 4);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutLittleEndian(out, 16, 4);
    PutLittleEndian(out, 1, 2);  // PCM
    PutLittleEndian(out, 1, 2);  // mono
    PutLittleEndian(out, kRate, 4);
    PutLittleEndian(out, kRate * 2, 4);
    PutLittleEndian(out, 2, 2);
    PutLittleEndian(out, 16, 2);
    PutTag(out, "data");
    PutLittleEndian(out, data_size, 4);
    for (double s : samples) {
        const double clamped = std::clamp(s, -1.0, 1.0);
        PutLittleEndian(out, static_cast<uint16_t>(static_cast<int16_t>(clamped * 32000)), 2);
    }
    return out;
}

// Short fades at both ends keep the player from clicking.
double Edges(int i, int count, int fade) {
    return std::min({1.0, static_cast<double>(i) / fade, static_cast<double>(count - i) / fade});
}

}  // namespace

Bytes SynthDing() {
    // A struck bell: a fifth above the fundamental and an octave, decaying fast.
    const int count = kRate / 4;
    std::vector<double> samples(count);
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double tone = 0.55 * std::sin(2 * M_PI * 1568 * t) +
                            0.3 * std::sin(2 * M_PI * 2349 * t) * std::exp(-t * 6) +
                            0.2 * std::sin(2 * M_PI * 3136 * t) * std::exp(-t * 14);
        samples[i] = 0.8 * tone * std::exp(-t * 11) * Edges(i, count, 40);
    }
    return Wav(samples);
}

Bytes SynthUrlo() {
    // A wailing fall from high to low with vibrato, ending in a noisy thud.
    const int count = kRate;
    std::vector<double> samples(count);
    Rng rng(77);
    double phase = 0;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double pitch =
            950 * std::pow(0.16, std::min(t / 0.75, 1.0)) * (1 + 0.04 * std::sin(2 * M_PI * 7 * t));
        phase += 2 * M_PI * pitch / kRate;
        // A few harmonics give the cry a voice-like edge.
        const double cry = std::sin(phase) + 0.45 * std::sin(2 * phase) + 0.2 * std::sin(3 * phase);
        const double cry_level = t < 0.75 ? 0.45 : 0.45 * std::exp(-(t - 0.75) * 25);
        const double crash = t < 0.7 ? 0 : rng.Uniform(-1, 1) * std::exp(-(t - 0.7) * 9);
        const double thump = t < 0.7 ? 0 : std::sin(2 * M_PI * 60 * t) * std::exp(-(t - 0.7) * 7);
        samples[i] = (cry_level * cry + 0.45 * crash + 0.5 * thump) * Edges(i, count, 200);
    }
    return Wav(samples);
}

Bytes SynthBeep() {
    // A soft square wave at 880 Hz.
    const int count = kRate / 10;
    std::vector<double> samples(count);
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double square = std::sin(2 * M_PI * 880 * t) + std::sin(2 * M_PI * 2640 * t) / 3 +
                              std::sin(2 * M_PI * 4400 * t) / 5;
        samples[i] = 0.45 * square * Edges(i, count, 220);
    }
    return Wav(samples);
}

}  // namespace sassorbi
