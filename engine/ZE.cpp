#include "engine/ZE.h"

namespace ZE {

std::string dataPath() { return "data/"; }
std::string objectPath() { return dataPath() + "objects/"; }
std::string soundPath() { return dataPath() + "sounds/"; }
std::string musicPath() { return dataPath() + "musics/"; }
std::string stagePath(int n) { return dataPath() + "stages/" + std::to_string(n) + "/"; }
std::string configFile() { return "config.cfg"; }
std::string version() { return "0.42"; }
std::string errNoCoins() { return "INSUFFICENT COINS, YOU CAN NOT PURCHASE THE ITEM!"; }

}  // namespace ZE
