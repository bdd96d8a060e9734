// Generates everything under data/: same bytes on every run, every file written whole or not at all.
#include "atomic_file.hpp"
#include "generators.hpp"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: assetgen DATA_DIRECTORY" << std::endl;
        return 2;
    }
    try {
        const std::filesystem::path dataDirectory = argv[1];
        generatePictures(dataDirectory);
        generateSounds(dataDirectory);
    } catch (const std::exception& error) {
        std::cerr << "assetgen: " << error.what() << std::endl;
        return 1;
    }
    return 0;
}
