#ifndef TOOLS_DATAGEN_OGG_H
#define TOOLS_DATAGEN_OGG_H

#include <string>
#include <vector>

namespace datagen {

constexpr int kSampleRate = 44100;

// Encodes mono samples (-1..1) at 44100 Hz as Ogg Vorbis. The stream's serial number is
// fixed, so the same samples give the same file.
void writeOgg(const std::string& path, const std::vector<float>& samples);

}  // namespace datagen

#endif
