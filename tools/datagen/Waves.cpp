#include "tools/datagen/Waves.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace datagen {

namespace {

constexpr int kWaves = 10;
constexpr int kPool[4] = {25, 20, 15, 5};  // hunters, armadillos, bandits, cruisers
const char* const kLabels[4] = {"Hunter", "Armadillo", "Bandit", "Cruiser"};

struct Wave {
    int count[4];
    int shield[4];
};

int clampTo(int value, int hi)
{
    return std::max(0, std::min(hi, value));
}

// The campaign's three stages climb from a handful of hunters to nearly full pools; the
// later worlds start hard and each leans on a different craft.
Wave makeWave(int stage, int wave)
{
    float p;  // pressure 0..1
    if (stage <= 2)
        p = (10.0f * stage + wave) / 29.0f;
    else
        p = std::min(1.0f, 0.45f + 0.04f * (stage - 3) + 0.06f * wave);
    Wave w{};
    w.count[0] = clampTo(static_cast<int>(std::lround(4 + 21 * p)), kPool[0]);
    w.count[1] = clampTo(static_cast<int>(std::lround(20 * std::pow(p, 1.2f))), kPool[1]);
    w.count[2] = clampTo(static_cast<int>(std::lround(15 * std::pow(p, 1.4f))), kPool[2]);
    w.count[3] = clampTo(static_cast<int>(std::lround(5 * std::pow(p, 1.6f))), kPool[3]);
    if (stage == 0) {
        // A gentle start: hunters alone, then armadillos, bandits, and a cruiser at the end.
        if (wave < 2) w.count[1] = 0;
        else if (w.count[1] == 0) w.count[1] = 1;
        if (wave < 4) w.count[2] = 0;
        else if (w.count[2] == 0) w.count[2] = 1;
        w.count[3] = wave >= 7 ? std::max(1, w.count[3]) : 0;
    }
    if (stage > 2) {
        // Each later world favours one kind of craft over another.
        const int favoured = stage % 4;
        const int spared = (stage + 2) % 4;
        w.count[favoured] = clampTo(w.count[favoured] + kPool[favoured] / 4, kPool[favoured]);
        w.count[spared] = clampTo(w.count[spared] - kPool[spared] / 4, kPool[spared]);
    }
    w.shield[0] = p > 0.55f ? 1 : 0;
    w.shield[1] = p > 0.3f && (wave % 2 == 1 || p > 0.6f) ? 1 : 0;
    w.shield[2] = p > 0.4f ? 1 : 0;
    w.shield[3] = (stage > 0 || wave == 9) && w.count[3] > 0 ? 1 : 0;
    for (int t = 0; t < 4; ++t)
        if (w.count[t] == 0)
            w.shield[t] = 0;
    return w;
}

}  // namespace

std::string waveTable(int stage, const std::string& name)
{
    Wave waves[kWaves];
    for (int w = 0; w < kWaves; ++w)
        waves[w] = makeWave(stage, w);
    std::ostringstream out;
    out << 4 << ' ' << kWaves << ' ' << 2 << ' ' << name << '\n';
    for (int t = 0; t < 4; ++t) {
        out << kLabels[t];
        for (int w = 0; w < kWaves; ++w)
            out << "  " << waves[w].count[t] << ' ' << waves[w].shield[t];
        out << '\n';
    }
    return out.str();
}

}  // namespace datagen
