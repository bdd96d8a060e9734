// Generates everything under data/: same bytes on every run, every file written whole or not at all.
// With --sheet FILE it writes one picture showing every generated picture instead; with --terrain or --sky
// it writes one map picture for players.
#include "atomic_file.hpp"
#include "contact_sheet.hpp"
#include "generators.hpp"
#include "map_command.hpp"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (isMapCommand(arguments)) {
        return runMapCommand(arguments);
    }
    const std::string usage =
        "usage: assetgen DATA_DIRECTORY | assetgen --sheet FILE | " + std::string(mapUsage);
    if (argc == 2 && (arguments[0] == "--help" || arguments[0] == "-h")) {
        std::cout << usage << '\n' << mapFolderHelp() << std::endl;
        return 0;
    }
    const bool sheet = argc == 3 && arguments[0] == "--sheet";
    // An option it does not know is a mistake, not the name of a folder to fill.
    if ((argc != 2 || arguments[0].starts_with("-")) && !sheet) {
        std::cerr << usage << std::endl;
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
