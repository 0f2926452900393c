#ifndef ENGINE_ZE_H
#define ENGINE_ZE_H

#include <string>

// Where the game keeps its files, relative to the working directory, and a few fixed texts.
namespace ZE {

std::string dataPath();
std::string objectPath();
std::string soundPath();
std::string musicPath();
std::string stagePath(int n);
std::string configFile();
std::string version();
std::string errNoCoins();

}  // namespace ZE

#endif
