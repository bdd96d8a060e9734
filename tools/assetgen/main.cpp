// Generates everything under data/: same bytes on every run, every file written whole or not at all.
// With --sheet FILE it writes one picture showing every generated picture instead.
#include "atomic_file.hpp"
#include "contact_sheet.hpp"
#include "generators.hpp"

#include <exception>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    const bool sheet = argc == 3 && std::string(argv[1]) == "--sheet";
    if (argc != 2 && !sheet) {
        std::cerr << "usage: assetgen DATA_DIRECTORY | assetgen --sheet FILE" << std::endl;
        return 2;
    }
    try {
        if (sheet) {
            writeContactSheet(argv[2]);
            return 0;
        }
        const std::filesystem::path dataDirectory = argv[1];
        generatePictures(dataDirectory);
        generateSounds(dataDirectory);
    } catch (const std::exception& error) {
        std::cerr << "assetgen: " << error.what() << std::endl;
        return 1;
    }
    return 0;
}
