// Placeholder until the sound generators land.
#include "generators.hpp"

void generateSounds(const std::filesystem::path&) {}
