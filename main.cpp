#include "game/Game.h"

int main()
{
    Game game(2, true);
    game.initGame();
    game.runGame();
    return 0;
}
