// Draws a play frame's worth of the world and reports milliseconds per frame: a background
// stretched over the screen, three tile layers (far at parallax 2, main, front), 2500 turning,
// scaled and faded sprites of one sheet and 10 particle generators of 50. The sprites are drawn
// as one held run; each layer and generator holds its own run. Run under an X server (Xvfb).
//
//   bench [frames]              synthetic tile layers (every tile drawn), in a temporary dir
//   bench frames STAGE_DIR      the background and layers of a stage directory (ends in "/")
#include "engine/ZE_Display.h"
#include "engine/ZE_Hold.h"
#include "engine/ZE_Map.h"
#include "engine/ZE_ParticleGenerator.h"
#include "engine/ZE_Sprite.h"
#include "game/Stage.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_primitives.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

void savePicture(const std::string& path, int w, int h, int columns, int rows)
{
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    ALLEGRO_BITMAP* picture = al_create_bitmap(w, h);
    al_set_target_bitmap(picture);
    al_clear_to_color(al_map_rgba(0, 0, 0, 0));
    const float cw = static_cast<float>(w) / columns, ch = static_cast<float>(h) / rows;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            al_draw_filled_circle((c + 0.5f) * cw, (r + 0.5f) * ch, cw * 0.45f,
                                  al_map_rgb(40 + 7 * c, 90 + 20 * r, 200));
    al_save_bitmap(path.c_str(), picture);
    al_destroy_bitmap(picture);
    al_set_new_bitmap_flags(0);
}

void writeText(const std::string& path, const std::string& text)
{
    std::ofstream(path) << text;
}

// A layer of 32 x 32 tiles, columns x rows cells, tile numbers cycling over 16 tiles.
void writeLayer(const std::string& dir, const std::string& name, int columns, int rows)
{
    savePicture(dir + name + ".png", 128, 128, 4, 4);
    std::string text = std::to_string(rows) + " rows " + std::to_string(columns) +
                       " columns 32 w 32 h 4 tr 4 tc 16 tiles cells\n";
    for (int k = 0; k < rows * columns; ++k)
        text += std::to_string((k * 7) % 16) + ((k + 1) % columns ? " " : "\n");
    writeText(dir + name + ".map", text);
}

}  // namespace

int main(int argc, char** argv)
{
    const int frames = argc > 1 ? std::atoi(argv[1]) : 300;
    if (!al_init() || !al_init_image_addon() || !al_init_primitives_addon()) {
        std::fprintf(stderr, "Allegro did not start\n");
        return 1;
    }
    char pattern[] = "/tmp/twinguard-bench-XXXXXX";
    const std::string dir = std::string(mkdtemp(pattern)) + "/";
    savePicture(dir + "ships.png", 256, 128, 8, 4);
    writeText(dir + "ships.dat", "4 rows 8 columns 32 width 32 height\n");
    savePicture(dir + "sparks.png", 64, 16, 4, 1);
    writeText(dir + "sparks.dat", "1 rows 4 columns 16 width 16 height\n");
    savePicture(dir + "bg.png", 1, 768, 1, 1);
    writeLayer(dir, "l0", 40, 24);
    writeLayer(dir, "l1", 80, 24);
    writeLayer(dir, "lh", 80, 24);

    al_set_new_display_flags(ALLEGRO_WINDOWED);
    ZE_Display display(1024, 768, false);

    ZE_Bitmap background(dir + "bg.png", &display, nullptr);
    background.setScaleX(1024);
    float scrollX = 300, scrollY = 0;
    ZE_Map far(dir + "l0.png", &display, 2), main(dir + "l1.png", &display, 1),
        front(dir + "lh.png", &display, 1);
    for (ZE_Map* layer : {&far, &main, &front}) {
        layer->setScrollXP(&scrollX);
        layer->setScrollYP(&scrollY);
    }
    // The front layer mostly shows a few tiles over the craft; keep it faint.
    front.setAlpha(96);

    const int spriteCount = 2500;
    ZE_Sprite first(dir + "ships.png", &display, 0, 0, nullptr, 1);
    std::vector<ZE_Sprite*> sprites;
    for (int i = 0; i < spriteCount; ++i) {
        ZE_Sprite* s = new ZE_Sprite("", &display, 300 + (i * 37) % 1024, (i * 53) % 700,
                                     &first, 1);
        s->setScrollXP(&scrollX);
        s->setScrollYP(&scrollY);
        s->setCenterX(16);
        s->setCenterY(16);
        s->setCurrentFrame(i % 32);
        s->setAlpha(static_cast<unsigned char>(128 + i % 128));
        s->setScaleX(0.75f + (i % 5) * 0.1f);
        s->setScaleY(0.75f + (i % 5) * 0.1f);
        s->setSpeedX(((i % 7) - 3) * 0.5f);
        s->setSpeedY(((i % 5) - 2) * 0.5f);
        sprites.push_back(s);
    }
    ZE_Sprite sparks(dir + "sparks.png", &display, 0, 0, nullptr, 1);
    std::vector<ZE_ParticleGenerator*> generators;
    for (int g = 0; g < 10; ++g) {
        ZE_ParticleGenerator* gen = new ZE_ParticleGenerator("", &display, 50, &sparks);
        gen->setScrollXYP(&scrollX, &scrollY);
        gen->setStartLife(20);
        gen->setAlphaStep(5);
        gen->setParticleATime(3);
        gen->setRandomEnable(true);
        gen->setStartSpeed(150, 150);
        gen->setScaleStep(0.01f, 0.01f);
        gen->start(400 + 90 * g, 300, 1, 0);
        generators.push_back(gen);
    }

    Stage* stage = argc > 2 ? new Stage(argv[2], &display) : nullptr;
    if (stage) {
        stage->setScrollX(static_cast<float>((stage->getMapWidth(1) - 1024) / 2));
        stage->setScrollY(0);
        stage->run();
        scrollX = stage->getScrollX();
        scrollY = stage->getScrollY();
    }

    // BENCH_PARTS: which parts to draw (b background, t tile layers, s sprites, p particles).
    const char* partsEnv = std::getenv("BENCH_PARTS");
    const std::string parts = partsEnv ? partsEnv : "btsp";
    const bool drawBackground = parts.find('b') != std::string::npos;
    const bool drawTiles = parts.find('t') != std::string::npos;
    const bool drawSprites = parts.find('s') != std::string::npos;
    const bool drawParticles = parts.find('p') != std::string::npos;
    double held = 0, unheld = 0;
    for (int pass = 0; pass < 2; ++pass) {
        const bool hold = pass == 0;
        const double start = al_get_time();
        for (int f = 0; f < frames; ++f) {
            al_clear_to_color(al_map_rgb(0, 0, 0));
            if (drawBackground)
                stage ? stage->draw() : background.draw();
            if (drawTiles) {
                if (stage) {
                    stage->drawLayer0();
                    stage->drawLayer1();
                } else {
                    far.draw();
                    main.draw();
                }
            }
            if (drawSprites) {
                ZE_Hold run;  // one batch: every sprite is a region of the same sheet
                if (!hold)
                    run.release();
                for (ZE_Sprite* s : sprites) {
                    s->run();
                    s->draw();
                }
            }
            if (drawParticles)
                for (ZE_ParticleGenerator* gen : generators) {
                    gen->run();
                    gen->draw();
                }
            if (drawTiles)
                stage ? stage->drawLayerH() : front.draw();
            al_flip_display();
        }
        (hold ? held : unheld) = (al_get_time() - start) * 1000.0 / frames;
    }
    std::printf("world frame (%s, %s): 3 tile layers, %d sprites + %d particles\n",
                parts.c_str(), stage ? argv[2] : "synthetic layers", spriteCount, 10 * 50);
    std::printf("held sprite run:   %.2f ms/frame\n", held);
    std::printf("unheld sprite run: %.2f ms/frame\n", unheld);
    std::filesystem::remove_all(dir);
    return 0;
}
