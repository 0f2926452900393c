#ifndef ENGINE_ZE_PARTICLEGENERATOR_H
#define ENGINE_ZE_PARTICLEGENERATOR_H

#include <string>

class ZE_Display;
class ZE_Sprite;

// Smoke, sparks and debris: a fixed pool of particle sprites showing frames of one sheet. While
// running it sets a few idle particles loose from its source point every generateTime frames;
// each then moves by the sprite physics, grows, counts down its life and fades out.
class ZE_ParticleGenerator {
public:
    // count particles; particle 0 loads path (or shares shareFrom), the rest share particle 0.
    ZE_ParticleGenerator(std::string path, ZE_Display* display, int count, ZE_Sprite* shareFrom);

    ZE_ParticleGenerator(const ZE_ParticleGenerator&) = delete;
    ZE_ParticleGenerator& operator=(const ZE_ParticleGenerator&) = delete;

    // Runs: emits at the next run() if ready, then every generateTime frames, emissions times
    // (0 or less: until reset). ready and generateCounter are left as they are.
    void start(float x, float y, int generateTime, int emissions);
    void setSource(float x, float y);
    // Also makes the next run() of a running generator emit at once.
    void setGenerateTime(int t);
    void setParticleATime(int n);
    void setStartLife(int value) { startLife = value; }
    void setStartAlpha(unsigned char value) { startAlpha = value; }
    void setAlphaStep(unsigned char value) { alphaStep = value; }
    void setStartScale(float sx, float sy);
    void setScaleStep(float sx, float sy);
    void setStartSpeed(float sx, float sy);
    void setAcceleration(float ax, float ay);
    void setCurrentFrame(int frame) { currentFrame = frame; }
    void setRandomEnable(bool value) { randomEnable = value; }
    void setScrollXYP(float* sx, float* sy);

    void run();
    // Every particle in index order, as one held run (they share one sheet).
    void draw();
    void reset();

    int getStatus() const { return status; }
    bool isReady() const { return ready; }
    int getEmissionsLeft() const { return emissionsLeft; }
    int getGenerateTime() const { return generateTime; }
    int getTotalParticles() const { return totalParticles; }
    ZE_Sprite* getParticle(int index) const { return particles[index]; }
    int countLive() const;

private:
    bool ready;
    bool randomEnable;
    float sourceX;
    float sourceY;
    float startScaleX;
    float startScaleY;
    float accelerationX;
    float accelerationY;
    float startSpeedX;
    float startSpeedY;
    unsigned char startAlpha;
    unsigned char alphaStep;
    float scaleStepX;
    float scaleStepY;
    int startLife;
    int currentFrame;
    int totalParticles;
    int generateCounter;
    int generateTime;
    int emissionsLeft;
    int particleATime;
    int status;
    ZE_Sprite** particles;
};

#endif
