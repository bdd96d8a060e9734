// Placeholder until the picture generators land.
#include "generators.hpp"

void generatePictures(const std::filesystem::path&) {}
