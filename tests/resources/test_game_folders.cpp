#include "menus/u_data_maps.hpp"
#include "resources/u_diagnostics.hpp"
#include "resources/u_game_folders.hpp"
#include "resources/u_image_loader.hpp"
#include "resources/u_resource_paths.hpp"
#include "support/png_files.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

TEnvironment environmentOf(std::map<std::string, std::string> variables) {
    return [variables = std::move(variables)](const std::string& name) {
        const auto found = variables.find(name);
        return found == variables.end() ? std::string() : found->second;
    };
}

// A game folder without data/ beside the executable, and the system data folder it then uses.
struct TSystemInstall {
    TTempDir root;
    std::string gameDirectory = (root / "games").string();
    std::string systemData = (root / "share" / "data").string();

    TSystemInstall() {
        fs::create_directories(gameDirectory);
        fs::create_directories(systemData);
    }
};

} // namespace

TEST(GameFolders, TheLayoutFollowsTheDataBesideTheExecutable) {
    const TSystemInstall install;
    const TEnvironment home = environmentOf({{"HOME", "/home/p"}});

    const TGameFolders system = chooseGameFolders(install.gameDirectory, install.systemData, home);
    EXPECT_EQ(system.layout, TLayout::LayoutSystem);
    EXPECT_EQ(system.dataDirectory, install.systemData);
    EXPECT_EQ(system.configFile, "/home/p/.config/morvatek/config.txt");
    EXPECT_TRUE(system.createsConfigFolder);
    EXPECT_EQ(system.mapDirectories(),
              (std::vector<std::string>{install.systemData + "/maps", "/home/p/.local/share/morvatek/maps"}));

    // With data/ beside it, or with no system data folder to fall back on, everything stays beside the
    // executable, in relative paths.
    fs::create_directory(fs::path(install.gameDirectory) / "data");
    const std::string missing = (install.root / "nowhere").string();
    for (const auto& [gameDirectory, systemData] :
         std::vector<std::pair<std::string, std::string>>{{install.gameDirectory, install.systemData},
                                                          {(install.root / "share").string(), missing},
                                                          {(install.root / "share").string(), ""}}) {
        const TGameFolders portable = chooseGameFolders(gameDirectory, systemData, home);
        EXPECT_EQ(portable.layout, TLayout::LayoutPortable) << gameDirectory << " " << systemData;
        EXPECT_EQ(portable.dataDirectory, "data");
        EXPECT_EQ(portable.configFile, "config.txt");
        EXPECT_FALSE(portable.createsConfigFolder);
        EXPECT_EQ(portable.mapDirectories(), std::vector<std::string>{"data/maps"});
    }
}

TEST(GameFolders, ThePlayersFoldersFollowTheBaseDirectoryVariables) {
    const TSystemInstall install;
    struct TCase {
        std::map<std::string, std::string> variables;
        std::string configFile;
        std::string ownMaps;
    };
    const std::string shippedMaps = install.systemData + "/maps";
    const std::vector<TCase> cases = {
        {{{"XDG_CONFIG_HOME", "/cfg"}, {"XDG_DATA_HOME", "/share/"}, {"HOME", "/home/p"}},
         "/cfg/morvatek/config.txt",
         "/share/morvatek/maps"},
        {{{"HOME", "/home/p"}}, "/home/p/.config/morvatek/config.txt", "/home/p/.local/share/morvatek/maps"},
        // Relative values are no base folders: the home folder's defaults stand.
        {{{"XDG_CONFIG_HOME", "cfg"}, {"XDG_DATA_HOME", "share"}, {"HOME", "/home/p"}},
         "/home/p/.config/morvatek/config.txt",
         "/home/p/.local/share/morvatek/maps"},
        // Without a home folder the settings are not kept, and the maps are the shipped ones.
        {{{"HOME", "home"}}, "", shippedMaps},
        {{{"XDG_CONFIG_HOME", "/cfg"}}, "/cfg/morvatek/config.txt", shippedMaps},
    };
    for (const TCase& test : cases) {
        const TGameFolders folders =
            chooseGameFolders(install.gameDirectory, install.systemData, environmentOf(test.variables));
        EXPECT_EQ(folders.configFile, test.configFile) << test.configFile;
        EXPECT_EQ(folders.ownMapDirectory, test.ownMaps) << test.ownMaps;
        EXPECT_EQ(folders.mapDirectories().size(), test.ownMaps == shippedMaps ? 1U : 2U) << test.ownMaps;
    }
}

TEST(GameFolders, OwnMapsJoinTheShippedOnesOnceEachAndThePlayersPictureIsLoaded) {
    const TTempDir root;
    TGameFolders folders;
    folders.layout = TLayout::LayoutSystem;
    folders.dataDirectory = (root / "data").string();
    folders.ownMapDirectory = (root / "own").string();
    fs::create_directories(folders.shippedMapDirectory());
    for (const char* name : {"back_day.png", "fore_basic.png", "fore_hills.png"}) {
        writeGroundPng(folders.shippedMapDirectory() + "/" + name, 40, 60);
    }
    const TFoldersInUse inUse(folders);

    // Until the player has a folder of maps, the shipped ones are all there is, and nothing is told.
    {
        const TDiagnosticCapture captured;
        EXPECT_EQ(TMaps().list.size(), 3U);
        EXPECT_EQ(captured.text(), "");
    }

    fs::create_directory(folders.ownMapDirectory);
    writeGroundPng(folders.ownMapDirectory + "/fore_basic.png", 90, 70);
    writeGroundPng(folders.ownMapDirectory + "/fore_mine.png", 90, 70);
    root.touch("own/readme.png");
    const TMaps maps;
    std::vector<std::string> shipped;
    for (const auto& entry : fs::directory_iterator(folders.shippedMapDirectory())) {
        shipped.push_back(entry.path().filename().string());
    }
    std::vector<std::string> listed;
    for (const TMapImg& image : maps.list) {
        listed.push_back(image.filename);
    }
    std::vector<std::string> expected = shipped;
    expected.emplace_back("fore_mine.png");
    EXPECT_EQ(listed, expected);

    EXPECT_EQ(mapPath("fore_basic.png"), folders.ownMapDirectory + "/fore_basic.png");
    EXPECT_EQ(mapPath("fore_hills.png"), folders.shippedMapDirectory() + "/fore_hills.png");
    EXPECT_EQ(loadMapImage("fore_basic.png", TImageConversion::ConversionAlpha)->w, 90);
    EXPECT_EQ(loadMapImage("fore_hills.png", TImageConversion::ConversionAlpha)->w, 40);
    EXPECT_EQ(dataPath("fonts", "font_big.png"), folders.dataDirectory + "/fonts/font_big.png");
}
