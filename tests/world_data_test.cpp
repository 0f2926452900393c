// The generated game data passes the loaders' checks: every sheet with its description file
// and all twelve stage directories load.
#include "engine/ZE_Sprite.h"
#include "game/Stage.h"

#include "world_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

TEST(WorldData, EverySheetOfTheGameLoads)
{
    world::display();
    const fs::path objects = fs::path(DATA_DIR) / "objects";
    ASSERT_TRUE(fs::is_directory(objects)) << objects;
    int sheets = 0;
    for (const auto& entry : fs::recursive_directory_iterator(objects)) {
        if (entry.path().extension() != ".dat")
            continue;
        fs::path png = entry.path();
        png.replace_extension(".png");
        ASSERT_TRUE(fs::exists(png)) << png;
        ZE_Sprite sprite(png.string(), world::display(), 0, 0, nullptr, 1);
        EXPECT_GT(sprite.getRows() * sprite.getColumns(), 0) << png;
        ++sheets;
    }
    EXPECT_GE(sheets, 7) << "the game's sheets: particles, cannons, shields, lights, ...";
}

TEST(WorldData, AllTwelveStagesLoad)
{
    world::display();
    for (int i = 0; i < 12; ++i) {
        const std::string dir = std::string(DATA_DIR) + "/stages/" + std::to_string(i) + "/";
        Stage stage(dir, world::display());
        EXPECT_EQ(stage.getEnemyTypes(), 4) << dir;
        EXPECT_GE(stage.getWaves(), 10) << dir;
        EXPECT_GE(stage.getMapWidth(1), 1024) << dir;
        EXPECT_GT(stage.getTotalEnemies(0), 0) << dir;
        EXPECT_FALSE(stage.getStageName().empty()) << dir;
    }
}
