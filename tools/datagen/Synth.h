#ifndef TOOLS_DATAGEN_SYNTH_H
#define TOOLS_DATAGEN_SYNTH_H

#include "tools/datagen/Common.h"
#include "tools/datagen/Ogg.h"

#include <algorithm>
#include <cmath>
#include <vector>

// Small building blocks for synthesised sound: oscillators with a running phase, envelopes,
// filters and a reproducible noise source.
namespace datagen {

constexpr float kTau = 6.2831853f;

inline float seconds(size_t i)
{
    return static_cast<float>(i) / kSampleRate;
}

// Attack then exponential decay; 0 before 0.
inline float envelope(float t, float attack, float decay)
{
    if (t < 0)
        return 0;
    if (t < attack)
        return t / attack;
    return std::exp(-(t - attack) / decay);
}

// Oscillator whose frequency may change every sample.
struct Phase {
    float phase = 0;
    float step(float frequency)
    {
        phase += frequency / kSampleRate;
        phase -= std::floor(phase);
        return phase;
    }
    float sine(float f) { return std::sin(kTau * step(f)); }
    float saw(float f) { return 2 * step(f) - 1; }
    float square(float f, float width = 0.5f) { return step(f) < width ? 1.0f : -1.0f; }
    float triangle(float f) { const float p = step(f); return 4 * std::fabs(p - 0.5f) - 1; }
};

// Resonant two-pole filter (state variable): low, band and high outputs.
struct Filter {
    float low = 0, band = 0;
    float high = 0;
    void run(float input, float cutoff, float resonance = 0.7f)
    {
        const float f = 2 * std::sin(3.14159265f * std::min(cutoff, 11000.0f) / kSampleRate);
        const float q = 1.0f / std::max(0.5f, resonance);
        low += f * band;
        high = input - low - q * band;
        band += f * high;
    }
};

struct Noise {
    Random random;
    explicit Noise(uint32_t seed) : random(seed) {}
    float next() { return random.unit() * 2 - 1; }
};

inline std::vector<float> silence(float duration)
{
    return std::vector<float>(static_cast<size_t>(duration * kSampleRate), 0.0f);
}

// Scales to the given peak and fades the last milliseconds out (no click at the end).
inline void finish(std::vector<float>& s, float peak = 0.9f)
{
    float top = 1e-6f;
    for (float v : s)
        top = std::max(top, std::fabs(v));
    const size_t fade = std::min(s.size(), static_cast<size_t>(0.01f * kSampleRate));
    for (size_t i = 0; i < s.size(); ++i) {
        s[i] *= peak / top;
        if (i + fade >= s.size())
            s[i] *= static_cast<float>(s.size() - i) / fade;
    }
}

}  // namespace datagen

#endif
