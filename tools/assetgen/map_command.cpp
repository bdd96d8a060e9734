#include "map_command.hpp"

#include "atomic_file.hpp"
#include "backgrounds.hpp"
#include "png_writer.hpp"
#include "terrains.hpp"

#include "app/u_program_path.hpp"
#include "resources/u_data_files.hpp"
#include "resources/u_game_folders.hpp"

#include <unistd.h>

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <optional>
#include <stdexcept>

namespace {
// From the window's size to the largest terrain the game loads.
constexpr int minWidth = 800;
constexpr int minHeight = 600;
constexpr int badArgumentStatus = 2;

// Raised for anything the player typed wrong; the message is the one line they see.
class TArgumentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TMapRequest {
    std::optional<TTerrainKind> terrain; // one of the two is set
    std::optional<TSkyKind> sky;
    std::uint32_t seed = 0;
    int width = 0;
    int height = 0;
    std::filesystem::path file;
};

std::optional<long long> parseNumber(const std::string& text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || last != end) {
        return std::nullopt;
    }
    return value;
}

std::uint32_t parseSeed(const std::string& text) {
    const std::optional<long long> seed = parseNumber(text);
    if (!seed || *seed < 0 || *seed > 0xFFFFFFFFLL) {
        throw TArgumentError("the seed must be a whole number from 0 to 4294967295, not \"" + text + "\"");
    }
    return static_cast<std::uint32_t>(*seed);
}

void parseSize(const std::string& text, TMapRequest& request) {
    const std::size_t cross = text.find('x');
    const std::optional<long long> width =
        cross == std::string::npos ? std::nullopt : parseNumber(text.substr(0, cross));
    const std::optional<long long> height =
        cross == std::string::npos ? std::nullopt : parseNumber(text.substr(cross + 1));
    if (!width || !height || *width < minWidth || *width > mapMaxWidth || *height < minHeight ||
        *height > mapMaxHeight) {
        throw TArgumentError("the size must be WIDTHxHEIGHT from " + std::to_string(minWidth) + "x" +
                             std::to_string(minHeight) + " to " + std::to_string(mapMaxWidth) + "x" +
                             std::to_string(mapMaxHeight) + ", not \"" + text + "\"");
    }
    request.width = static_cast<int>(*width);
    request.height = static_cast<int>(*height);
}

TMapRequest parseRequest(const std::vector<std::string>& arguments) {
    if (arguments.size() != 7 || arguments[2] != "--seed" || arguments[4] != "--size") {
        throw TArgumentError(std::string("usage: ") + mapUsage);
    }
    TMapRequest request;
    const std::string& style = arguments[1];
    if (arguments[0] == "--terrain") {
        request.terrain = terrainKindNamed(style);
        if (!request.terrain) {
            throw TArgumentError("unknown terrain style \"" + style + "\": choose " + terrainStyleChoices());
        }
    } else {
        request.sky = skyKindNamed(style);
        if (!request.sky) {
            throw TArgumentError("unknown sky style \"" + style + "\": choose " + skyStyleChoices());
        }
    }
    request.seed = parseSeed(arguments[3]);
    parseSize(arguments[5], request);
    request.file = arguments[6];
    return request;
}

// The game this generator comes with lies beside it (as a link to the game's folder, in a player's install).
std::filesystem::path companionGameDirectory() {
    const std::filesystem::path own = executableDirectory(nullptr);
    std::error_code status;
    const std::filesystem::path game = std::filesystem::canonical(own / "morvatek", status);
    return status ? own : game.parent_path();
}

// A file named without a folder goes there; its folder is made when missing.
std::filesystem::path inOwnMapFolder(const std::filesystem::path& file) {
    const std::filesystem::path folder = ownMapFolder();
    std::string error;
    if (!createPlayerFolder(folder.string(), error)) {
        throw TArgumentError("cannot write " + (folder / file).string() + ": " + error);
    }
    return folder / file;
}

// The picture encoded as it is drawn, a row at a time, so that the largest maps are never held whole.
std::vector<std::uint8_t> pictureBytes(const TMapRequest& request) {
    TPngRowWriter png(request.width, request.height,
                      request.terrain ? TPngKind::PngAlpha : TPngKind::PngOpaque);
    const TRowSink toPng = [&png](int, const TColour* row) { png.writeRow(row); };
    if (request.terrain) {
        paintTerrainPicture(*request.terrain, request.seed, request.width, request.height, toPng);
    } else {
        paintSkyPicture(*request.sky, request.width, request.height, request.seed, toPng);
    }
    return png.finish();
}

// Checked before the drawing, so that a typing mistake does not cost seconds of work.
void checkWritable(const std::filesystem::path& file) {
    const std::filesystem::path directory = file.has_parent_path() ? file.parent_path() : ".";
    if (file.filename().empty() || std::filesystem::is_directory(file) ||
        !std::filesystem::is_directory(directory) || ::access(directory.c_str(), W_OK) != 0) {
        throw TArgumentError("cannot write " + file.string());
    }
}
} // namespace

std::filesystem::path ownMapFolder() {
    const std::filesystem::path game = companionGameDirectory();
    const TGameFolders folders = chooseGameFolders(game.string(), systemDataDirectory(), processEnvironment);
    // A relative folder lies in the game's own; an absolute one replaces it.
    return game / folders.ownMapDirectory;
}

std::string mapFolderHelp() {
    return "A FILE without a folder goes to " + ownMapFolder().string() +
           ", where the game offers your own maps.";
}

bool isMapCommand(const std::vector<std::string>& arguments) {
    return !arguments.empty() && (arguments[0] == "--terrain" || arguments[0] == "--sky");
}

int runMapCommand(const std::vector<std::string>& arguments) {
    try {
        TMapRequest request = parseRequest(arguments);
        const bool bareName = !request.file.has_parent_path();
        if (bareName) {
            request.file = inOwnMapFolder(request.file);
        }
        checkWritable(request.file);
        writeFileAtomically(request.file, pictureBytes(request));
        if (bareName) {
            std::cout << "Wrote " << request.file.string() << std::endl;
        }
    } catch (const std::exception& error) {
        std::cerr << "assetgen: " << error.what() << std::endl;
        return badArgumentStatus;
    }
    return 0;
}
