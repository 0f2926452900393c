#include "tools/datagen/Music.h"

#include "tools/datagen/Synth.h"

namespace datagen {

namespace {

// 100 beats a minute, sixteen steps a bar, in A minor with the raised seventh of the desert
// scales: sixteen bars of intro, theme, answer and theme again.
constexpr float kStep = 0.15f;
constexpr int kBars = 16;
constexpr int kStepsPerBar = 16;

float pitch(int midi)
{
    return 440.0f * std::pow(2.0f, (midi - 69) / 12.0f);
}

struct Note {
    int bar, step, length, midi;
};

// Chords, one per bar, as root and the other two notes (MIDI numbers).
const int kChords[kBars][3] = {
    {57, 60, 64}, {57, 60, 64}, {53, 57, 60}, {52, 56, 59},   // Am Am F E
    {57, 60, 64}, {50, 53, 57}, {53, 57, 60}, {52, 56, 59},   // Am Dm F E
    {53, 57, 60}, {50, 53, 57}, {57, 60, 64}, {52, 56, 59},   // F Dm Am E
    {57, 60, 64}, {50, 53, 57}, {52, 56, 59}, {57, 60, 64}};  // Am Dm E Am

const std::vector<Note>& melody()
{
    static const std::vector<Note> notes = [] {
        const std::vector<Note> theme = {
            {0, 0, 4, 76}, {0, 4, 2, 77}, {0, 6, 2, 76}, {0, 8, 4, 74}, {0, 12, 4, 72},
            {1, 0, 6, 71}, {1, 6, 2, 72}, {1, 8, 4, 69}, {1, 12, 4, 68},
            {2, 0, 4, 69}, {2, 4, 2, 72}, {2, 6, 2, 74}, {2, 8, 4, 76}, {2, 12, 2, 77}, {2, 14, 2, 80},
            {3, 0, 12, 76}};
        const std::vector<Note> answer = {
            {0, 0, 2, 81}, {0, 2, 2, 80}, {0, 4, 4, 77}, {0, 8, 2, 76}, {0, 10, 2, 77}, {0, 12, 4, 76},
            {1, 0, 4, 74}, {1, 4, 4, 77}, {1, 8, 8, 69},
            {2, 0, 2, 76}, {2, 2, 2, 74}, {2, 4, 2, 72}, {2, 6, 2, 71}, {2, 8, 4, 72}, {2, 12, 4, 74},
            {3, 0, 12, 76}, {3, 12, 4, 68}};
        std::vector<Note> all;
        for (Note n : theme) { n.bar += 4; all.push_back(n); }
        for (Note n : answer) { n.bar += 8; all.push_back(n); }
        for (Note n : theme) {
            n.bar += 12;
            if (n.bar == 15) n = {15, 0, 16, 69};  // the theme comes home to A
            all.push_back(n);
        }
        return all;
    }();
    return notes;
}

size_t at(int bar, int step)
{
    return static_cast<size_t>((bar * kStepsPerBar + step) * kStep * kSampleRate);
}

void lead(std::vector<float>& out, const Note& n)
{
    Phase a, b, vibrato;
    Filter f;
    const size_t start = at(n.bar, n.step);
    const float length = n.length * kStep;
    const size_t end = std::min(out.size(), start + static_cast<size_t>((length + 0.3f) * kSampleRate));
    for (size_t i = start; i < end; ++i) {
        const float t = seconds(i - start);
        const float depth = std::min(1.0f, t / 0.4f) * 0.006f;
        const float freq = pitch(n.midi) * (1 + depth * vibrato.sine(5.5f));
        f.run(0.6f * a.square(freq, 0.35f) + 0.4f * b.saw(freq * 1.003f), 2600, 1.0f);
        const float gate = t < length ? 1.0f : std::exp(-(t - length) / 0.08f);
        out[i] += 0.16f * f.low * std::min(1.0f, t / 0.015f) * gate * (0.8f + 0.2f * std::exp(-t * 3));
    }
}

void pad(std::vector<float>& out, int bar)
{
    const size_t start = at(bar, 0);
    const float length = kStepsPerBar * kStep;
    for (int k = 0; k < 3; ++k) {
        Phase p[2];
        Filter f;
        const float freq = pitch(kChords[bar][k]);
        const size_t end = std::min(out.size(), start + static_cast<size_t>((length + 0.4f) * kSampleRate));
        for (size_t i = start; i < end; ++i) {
            const float t = seconds(i - start);
            f.run(p[0].saw(freq * 0.997f) + p[1].saw(freq * 1.004f), 900 + 300 * std::sin(t * 1.2f));
            const float e = std::min(1.0f, t / 0.35f) * (t < length ? 1.0f : std::exp(-(t - length) / 0.15f));
            out[i] += 0.045f * f.low * e;
        }
    }
}

void bass(std::vector<float>& out, int bar)
{
    const int root = kChords[bar][0] - 12;
    const int pattern[5][2] = {{0, 0}, {6, 0}, {8, 7}, {12, 0}, {14, 12}};  // step, interval
    for (const auto& p : pattern) {
        Phase osc;
        Filter f;
        const size_t start = at(bar, p[0]);
        const size_t end = std::min(out.size(), start + static_cast<size_t>(0.45f * kSampleRate));
        const float freq = pitch(root + p[1]);
        for (size_t i = start; i < end; ++i) {
            const float t = seconds(i - start);
            f.run(osc.saw(freq), 250 + 1400 * std::exp(-t * 18), 1.2f);
            out[i] += 0.3f * f.low * envelope(t, 0.004f, 0.18f);
        }
    }
}

void drums(std::vector<float>& out, int bar, Noise& noise)
{
    for (int step = 0; step < kStepsPerBar; ++step) {
        const size_t start = at(bar, step);
        const bool kick = step == 0 || step == 8 || (step == 10 && bar % 2 == 1);
        const bool tek = step == 4 || step == 12 || step == 7 || (step == 15 && bar % 4 == 3);
        Phase body;
        Filter f;
        const size_t end = std::min(out.size(), start + static_cast<size_t>(0.3f * kSampleRate));
        for (size_t i = start; i < end; ++i) {
            const float t = seconds(i - start);
            const float n = noise.next();
            float v = 0;
            if (kick)  // a deep frame drum
                v += 0.55f * body.sine(140 * std::exp(-t * 22) + 48) * envelope(t, 0.002f, 0.12f);
            f.run(n, tek ? 1800.0f : 7000.0f, tek ? 2.0f : 0.8f);
            if (tek)  // the rim of a hand drum
                v += 0.3f * f.band * envelope(t, 0.001f, 0.05f);
            else if (bar >= 4)  // a shaker on the other steps
                v += 0.05f * f.high * envelope(t, 0.002f, 0.02f) * (step % 2 ? 0.6f : 1.0f);
            out[i] += v;
        }
    }
}

}  // namespace

void writeMusic(const std::string& dataDir)
{
    const std::string dir = dataDir + "musics/";
    makeDirectory(dir);
    std::vector<float> tune = silence(kBars * kStepsPerBar * kStep + 1.5f);
    Noise noise(2024);
    for (int bar = 0; bar < kBars; ++bar) {
        pad(tune, bar);
        bass(tune, bar);
        drums(tune, bar, noise);
    }
    for (const Note& n : melody())
        lead(tune, n);
    // A little echo gives the lead some space.
    const size_t delay = static_cast<size_t>(3 * kStep * kSampleRate);
    for (size_t i = delay; i < tune.size(); ++i)
        tune[i] += 0.25f * tune[i - delay];
    finish(tune, 0.85f);
    writeOgg(dir + "menu.ogg", tune);
}

}  // namespace datagen
