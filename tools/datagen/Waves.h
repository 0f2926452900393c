#ifndef TOOLS_DATAGEN_WAVES_H
#define TOOLS_DATAGEN_WAVES_H

#include <string>

namespace datagen {

// The text of a stage's "data.dat": four craft types (Hunter, Armadillo, Bandit, Cruiser),
// ten waves, two numbers per wave (craft, shield flag), the stage's name on the first line.
std::string waveTable(int stage, const std::string& name);

}  // namespace datagen

#endif
