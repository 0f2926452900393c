// datagen OUT: writes the game's whole data tree into OUT/data/. The output is the same
// bytes on every run: fixed seeds, no clock.
#include "tools/datagen/Common.h"
#include "tools/datagen/Craft.h"
#include "tools/datagen/Fonts.h"
#include "tools/datagen/Music.h"
#include "tools/datagen/Pictures.h"
#include "tools/datagen/Preview.h"
#include "tools/datagen/Sheets.h"
#include "tools/datagen/Sounds.h"
#include "tools/datagen/Stages.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_primitives.h>
#include <allegro5/allegro_ttf.h>

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: datagen OUT   (writes OUT/data/)\n");
        return 1;
    }
    if (!al_init() || !al_init_image_addon() || !al_init_font_addon() || !al_init_ttf_addon() ||
        !al_init_primitives_addon())
        datagen::fail("cannot start Allegro and its add-ons");
    // No display: every bitmap is a memory bitmap.
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);

    const std::string data = std::string(argv[1]) + "/data/";
    datagen::makeDirectory(data);
    datagen::writeFonts(data);
    std::vector<ALLEGRO_BITMAP*> fields = datagen::writeStages(data);
    datagen::writeCraft(data);
    datagen::writeSheets(data, fields);
    datagen::writePictures(data, fields);
    datagen::writeSounds(data);
    datagen::writeMusic(data);
    for (ALLEGRO_BITMAP* field : fields)
        al_destroy_bitmap(field);
    datagen::writePreview(argv[1]);
    return 0;
}
