#include "tools/datagen/Sounds.h"

#include "tools/datagen/Synth.h"

namespace datagen {

namespace {

// Basic cannon: a short thump with a falling tone and a burst of filtered noise.
std::vector<float> basicShot()
{
    std::vector<float> s = silence(0.28f);
    Phase body;
    Filter f;
    Noise n(1);
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = seconds(i);
        f.run(n.next(), 2400 - 6000 * t);
        s[i] = 0.8f * body.sine(190 * std::exp(-t * 14) + 55) * envelope(t, 0.002f, 0.07f) +
               0.7f * f.low * envelope(t, 0.001f, 0.05f);
    }
    finish(s);
    return s;
}

// Fast cannon: a dry, high snap.
std::vector<float> fastShot()
{
    std::vector<float> s = silence(0.12f);
    Phase body;
    Filter f;
    Noise n(2);
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = seconds(i);
        f.run(n.next(), 5000);
        s[i] = 0.6f * body.triangle(520 * std::exp(-t * 20) + 160) * envelope(t, 0.001f, 0.03f) +
               0.6f * f.high * envelope(t, 0.0005f, 0.015f);
    }
    finish(s, 0.8f);
    return s;
}

// Laser: a bright falling sweep with a buzzing edge.
std::vector<float> laserShot()
{
    std::vector<float> s = silence(0.22f);
    Phase a, b, wobble;
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = seconds(i);
        const float freq = 2200 * std::exp(-t * 11) + 260 + 40 * wobble.sine(45);
        s[i] = (0.6f * a.square(freq, 0.3f) + 0.4f * b.sine(freq * 1.5f)) * envelope(t, 0.002f, 0.08f);
    }
    finish(s, 0.7f);
    return s;
}

// Triple cannon: three quick cracks.
std::vector<float> tripleShot()
{
    std::vector<float> s = silence(0.26f);
    for (int k = 0; k < 3; ++k) {
        Phase body;
        Filter f;
        Noise n(10 + k);
        const float start = 0.045f * k;
        for (size_t i = static_cast<size_t>(start * kSampleRate); i < s.size(); ++i) {
            const float t = seconds(i) - start;
            f.run(n.next(), 3500);
            s[i] += (0.5f * body.sine(300 * std::exp(-t * 25) + 90) * envelope(t, 0.001f, 0.035f) +
                     0.5f * f.band * envelope(t, 0.0005f, 0.025f)) * (1.0f - 0.2f * k);
        }
    }
    finish(s, 0.85f);
    return s;
}

// Plasma: a warbling, rising electric whoop.
std::vector<float> plasmaShot()
{
    std::vector<float> s = silence(0.3f);
    Phase carrier, modulator;
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = seconds(i);
        const float freq = 320 + 900 * t;
        const float mod = modulator.sine(freq * 2.01f) * 3.0f * envelope(t, 0.01f, 0.1f);
        carrier.phase += mod / kSampleRate * 40;
        s[i] = carrier.sine(freq) * envelope(t, 0.01f, 0.09f);
    }
    finish(s, 0.75f);
    return s;
}

// Flame thrower: a roaring, crackling hiss.
std::vector<float> flameShot()
{
    std::vector<float> s = silence(0.35f);
    Filter f;
    Noise n(5), crackle(6);
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = seconds(i);
        f.run(n.next(), 900 + 500 * std::sin(t * 40), 1.5f);
        const float pop = crackle.random.unit() > 0.996f ? crackle.next() : 0.0f;
        s[i] = (0.8f * f.band + 0.5f * f.low + pop) * envelope(t, 0.02f, 0.12f);
    }
    finish(s, 0.7f);
    return s;
}

// Shell cannon: a heavy boom and the clank of the breech.
std::vector<float> shellShot()
{
    std::vector<float> s = silence(0.6f);
    Phase body, clank1, clank2;
    Filter f;
    Noise n(7);
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = seconds(i);
        f.run(n.next(), 900 * std::exp(-t * 5) + 150);
        const float tc = t - 0.32f;
        s[i] = 0.9f * body.sine(110 * std::exp(-t * 8) + 38) * envelope(t, 0.003f, 0.16f) +
               0.9f * f.low * envelope(t, 0.001f, 0.12f) +
               0.25f * (clank1.sine(1320) + clank2.sine(2110)) * envelope(tc, 0.001f, 0.04f);
    }
    finish(s);
    return s;
}

// Hull hit: a metallic clang of inharmonic partials over a click.
std::vector<float> metalHit()
{
    std::vector<float> s = silence(0.45f);
    const float partials[5] = {412, 957, 1493, 2218, 3140};
    Phase p[5];
    Noise n(8);
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = seconds(i);
        float v = 0;
        for (int k = 0; k < 5; ++k)
            v += p[k].sine(partials[k]) * envelope(t, 0.001f, 0.16f / (1 + 0.5f * k)) / (1 + 0.3f * k);
        s[i] = v + 0.6f * n.next() * envelope(t, 0.0005f, 0.006f);
    }
    finish(s, 0.8f);
    return s;
}

// Shield hit: an electric crackle that rings and shimmers away.
std::vector<float> shieldHit()
{
    std::vector<float> s = silence(0.4f);
    Phase ring, shimmer;
    Filter f;
    Noise n(9);
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = seconds(i);
        f.run(n.next(), 3000 * std::exp(-t * 6) + 400, 3.0f);
        s[i] = 0.5f * f.band * envelope(t, 0.001f, 0.08f) +
               0.45f * ring.sine(880 + 60 * shimmer.sine(30)) * envelope(t, 0.005f, 0.12f);
    }
    finish(s, 0.75f);
    return s;
}

// The menus' click: a short bright tick.
std::vector<float> click()
{
    std::vector<float> s = silence(0.05f);
    Phase tone;
    Noise n(10);
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = seconds(i);
        s[i] = 0.7f * tone.sine(1900) * envelope(t, 0.0005f, 0.008f) + 0.3f * n.next() * envelope(t, 0.0002f, 0.002f);
    }
    finish(s, 0.6f);
    return s;
}

}  // namespace

void writeSounds(const std::string& dataDir)
{
    const std::string dir = dataDir + "sounds/";
    makeDirectory(dir);
    std::vector<float> (*const shots[7])() = {basicShot, fastShot, laserShot, tripleShot,
                                              plasmaShot, flameShot, shellShot};
    for (int w = 0; w < 7; ++w)
        writeOgg(dir + "cannon" + std::to_string(w) + ".ogg", shots[w]());
    writeOgg(dir + "metal_hit.ogg", metalHit());
    writeOgg(dir + "shield_hit.ogg", shieldHit());
    writeOgg(dir + "menu.ogg", click());
}

}  // namespace datagen
