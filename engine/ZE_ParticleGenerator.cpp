#include "engine/ZE_ParticleGenerator.h"

#include "engine/ZE_Actions.h"
#include "engine/ZE_Hold.h"
#include "engine/ZE_Sprite.h"
#include "engine/ZE_Util.h"

ZE_ParticleGenerator::ZE_ParticleGenerator(std::string path, ZE_Display* display, int count,
                                           ZE_Sprite* shareFrom)
    : totalParticles(count), particles(new ZE_Sprite*[count > 0 ? count : 0])
{
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            particles[i] = new ZE_Sprite("", display, 0, 0, particles[0], 1);
        else if (shareFrom)
            particles[i] = new ZE_Sprite("", display, 0, 0, shareFrom, 1);
        else
            particles[i] = new ZE_Sprite(path, display, 0, 0, nullptr, 1);
    }
    reset();
}

void ZE_ParticleGenerator::start(float x, float y, int generateTime, int emissions)
{
    status = GENERATING;
    this->generateTime = generateTime;
    emissionsLeft = emissions;
    sourceX = x;
    sourceY = y;
}

void ZE_ParticleGenerator::setSource(float x, float y)
{
    sourceX = x;
    sourceY = y;
}

void ZE_ParticleGenerator::setGenerateTime(int t)
{
    generateTime = t;
    generateCounter = 0;
    ready = true;
}

void ZE_ParticleGenerator::setParticleATime(int n)
{
    particleATime = n;
}

void ZE_ParticleGenerator::setStartScale(float sx, float sy)
{
    startScaleX = sx;
    startScaleY = sy;
}

void ZE_ParticleGenerator::setScaleStep(float sx, float sy)
{
    scaleStepX = sx;
    scaleStepY = sy;
}

void ZE_ParticleGenerator::setStartSpeed(float sx, float sy)
{
    startSpeedX = sx;
    startSpeedY = sy;
}

void ZE_ParticleGenerator::setAcceleration(float ax, float ay)
{
    accelerationX = ax;
    accelerationY = ay;
}

void ZE_ParticleGenerator::setScrollXYP(float* sx, float* sy)
{
    for (int i = 0; i < totalParticles; ++i) {
        particles[i]->setScrollXP(sx);
        particles[i]->setScrollYP(sy);
    }
}

void ZE_ParticleGenerator::run()
{
    for (int i = 0; i < totalParticles; ++i) {
        ZE_Sprite* p = particles[i];
        p->ZE_Sprite::run();
        if (!p->getEnable())
            continue;
        if (p->getLife() == 0)
            p->setAlpha(static_cast<unsigned char>(p->getAlpha() - alphaStep));
        if (p->getAlpha() == 0)
            p->setEnable(false);
        if (p->getLife() > 0)
            p->setLife(p->getLife() - 1);
        p->setScaleX(p->getScaleX() + scaleStepX);
        p->setScaleY(p->getScaleY() + scaleStepY);
    }
    if (status != GENERATING)
        return;
    if (!ready) {
        ++generateCounter;
        if (generateCounter == generateTime)
            ready = true;
        if (!ready)
            return;
    }
    ready = false;
    generateCounter = 0;
    int emitted = 0;
    for (int i = 0; i < totalParticles; ++i) {
        ZE_Sprite* p = particles[i];
        if (p->getEnable())
            continue;
        if (randomEnable) {
            // Two draws per axis: a spread of +-0.01 x the start speed, triangular around 0.
            const float rx = ZE_Util::random(100) / 10000.0f - ZE_Util::random(100) / 10000.0f;
            const float ry = ZE_Util::random(100) / 10000.0f - ZE_Util::random(100) / 10000.0f;
            p->setSpeedX(rx * startSpeedX);
            p->setSpeedY(ry * startSpeedY);
        } else {
            p->setSpeedX(startSpeedX);
            p->setSpeedY(startSpeedY);
        }
        p->setAccelerationX(accelerationX);
        p->setAccelerationY(accelerationY);
        p->setCurrentFrame(currentFrame);
        p->setX(sourceX);
        p->setY(sourceY);
        p->setEnable(true);
        p->setAlpha(startAlpha);
        p->setLife(startLife);
        p->setScaleX(startScaleX);
        p->setScaleY(startScaleY);
        ++emitted;
        if (particleATime > 0 && emitted == particleATime)
            break;
    }
    if (emissionsLeft == 1)
        status = 0;
    if (emissionsLeft > 0)
        --emissionsLeft;
}

void ZE_ParticleGenerator::draw()
{
    // All particles show frames of one sheet: one batch.
    ZE_Hold hold;
    for (int i = 0; i < totalParticles; ++i)
        particles[i]->ZE_Sprite::draw();
}

void ZE_ParticleGenerator::reset()
{
    ready = true;
    randomEnable = false;
    sourceX = sourceY = 0;
    startScaleX = startScaleY = 1.0f;
    accelerationX = accelerationY = 0;
    startSpeedX = startSpeedY = 0;
    startAlpha = 255;
    alphaStep = 1;
    scaleStepX = scaleStepY = 0;
    startLife = 10;
    currentFrame = 0;
    generateCounter = 0;
    generateTime = 2;
    emissionsLeft = 0;
    particleATime = 1;
    status = 0;
    for (int i = 0; i < totalParticles; ++i) {
        ZE_Sprite* p = particles[i];
        p->ZE_Sprite::reset();
        p->setEnable(false);
        p->setCenterX(static_cast<float>(p->getWidth() / 2));
        p->setCenterY(static_cast<float>(p->getHeight() / 2));
    }
}

int ZE_ParticleGenerator::countLive() const
{
    int live = 0;
    for (int i = 0; i < totalParticles; ++i)
        if (particles[i]->getEnable())
            ++live;
    return live;
}
