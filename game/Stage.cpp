#include "game/Stage.h"

#include "engine/ZE_Display.h"
#include "engine/ZE_Map.h"
#include "engine/ZE_TextReader.h"
#include "engine/ZE_Util.h"

#include <vector>

namespace {

// The most craft of each kind the game keeps (hunters, armadillos, bandits, cruisers).
constexpr int kPoolSize[] = {25, 20, 15, 5};
constexpr int kKinds = 4;
constexpr int kMinWaves = 10;

}  // namespace

Stage::Stage(std::string dir, ZE_Display* display) : ZE_Bitmap(dir + "bg.png", display, nullptr)
{
    layer0 = new ZE_Map(dir + "l0.png", display, 2);
    layer1 = new ZE_Map(dir + "l1.png", display, 1);
    layerH = new ZE_Map(dir + "lh.png", display, 1);
    for (ZE_Map* layer : {layer0, layer1, layerH}) {
        layer->setScrollXP(&scrollX);
        layer->setScrollYP(&scrollY);
    }
    loadStageData(dir + "data.dat");
    scrollX = 0;
    scrollY = 0;
    // A picture one pixel wide stretched over the screen; it never scrolls.
    scaleX = static_cast<float>(display->getWidth());
}

void Stage::loadStageData(std::string path)
{
    ZE_TextReader reader(path);
    ALLEGRO_DISPLAY* box = display ? display->getDisplay() : nullptr;
    if (!reader.isOpen())
        ZE_Util::fatalError(box, "File '" + path + "' not found!");
    const std::string malformed = "File '" + path + "' is malformed!";

    // The accessors read a wave's pair at 2 x wave, so the stride must be 2.
    int types = 0, count = 0, stride = 0;
    if (!reader.integer(types) || !reader.integer(count) || !reader.integer(stride) ||
        types < kKinds || count < kMinWaves || stride != 2)
        ZE_Util::fatalError(box, malformed);
    // The name is the rest of the third number's line, with its leading blank.
    const std::string name = reader.restOfLine();

    // Everything is read and checked before anything is allocated, so a count in the header
    // that the file does not back up cannot make a huge table.
    std::vector<int> numbers;
    std::string label;
    for (int type = 0; type < types; ++type) {
        if (!reader.word(label))
            ZE_Util::fatalError(box, malformed);
        for (int w = 0; w < count; ++w) {
            int craft = 0, shield = 0;
            if (!reader.integer(craft) || !reader.integer(shield) || craft < 0 ||
                (type < kKinds && craft > kPoolSize[type]))
                ZE_Util::fatalError(box, malformed);
            numbers.push_back(craft);
            numbers.push_back(shield);
        }
    }

    enemyTypes = types;
    waves = count;
    waveStride = stride;
    stageName = name;
    enemyTable = new int*[enemyTypes];
    size_t next = 0;
    for (int type = 0; type < enemyTypes; ++type) {
        enemyTable[type] = new int[static_cast<size_t>(waves) * waveStride];
        for (int w = 0; w < waves; ++w) {
            enemyTable[type][waveStride * w] = numbers[next++];
            enemyTable[type][waveStride * w + 1] = numbers[next++];
        }
    }
}

void Stage::run()
{
    if (!enable)
        return;
    if (scrollX < 0)
        scrollX = 0;
    const float maxX = static_cast<float>(layer1->getMapWidth() - display->getWidth());
    if (scrollX > maxX)
        scrollX = maxX;
    if (scrollY < 0)
        scrollY = 0;
    const float maxY = static_cast<float>(layer1->getMapHeight() - ZE_Bitmap::getHeight());
    if (scrollY > maxY)
        scrollY = maxY;
}

void Stage::draw()
{
    if (enable)
        ZE_Bitmap::draw();
}

void Stage::drawLayer0()
{
    if (enable)
        layer0->draw();
}

void Stage::drawLayer1()
{
    if (enable)
        layer1->draw();
}

void Stage::drawLayerH()
{
    if (enable)
        layerH->draw();
}

void Stage::debug()
{
    layer1->debug();
}

ZE_Map* Stage::layerFor(int layer) const
{
    switch (layer) {
    case 0:
        return layer0;
    case 1:
        return layer1;
    case 2:
        return layerH;
    default:
        return nullptr;
    }
}

int Stage::getMapWidth(int layer) const
{
    const ZE_Map* map = layerFor(layer);
    return map ? map->getMapWidth() : 0;
}

int Stage::getMapHeight(int layer) const
{
    const ZE_Map* map = layerFor(layer);
    return map ? map->getMapHeight() : 0;
}

bool Stage::getEnableLayer(int layer) const
{
    const ZE_Map* map = layerFor(layer);
    return map ? map->getEnable() : false;
}

void Stage::setEnableLayer(int layer, bool value)
{
    if (ZE_Map* map = layerFor(layer))
        map->setEnable(value);
}

int Stage::getTotalEnemies(int wave) const
{
    int total = 0;
    for (int type = 0; type < kKinds; ++type)
        total += getEnemiesNumber(type, wave);
    return total;
}
