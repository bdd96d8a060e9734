#include "app/u_context.hpp"
#include "app/u_preferences.hpp"
#include "resources/u_diagnostics.hpp"
#include "resources/u_game_folders.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

#include <sys/stat.h>

namespace {

TPreferences loadFrom(const TTempDir& dir, const std::string& content) {
    dir.write("config.txt", content);
    return TPreferences((dir / "config.txt").string());
}

} // namespace

TEST(PreferencesText, HelpersFollowTheirOneBasedRules) {
    EXPECT_EQ(findChar("nb_teams:4", ':'), 9);
    EXPECT_EQ(findChar("no colon", ':'), -1);
    EXPECT_EQ(subText("abcdef", 2, 4), "bcd");
    EXPECT_EQ(subText("abcdef", 3, -1), "cdef");
    EXPECT_EQ(subText("abc", 4, -1), "");
    EXPECT_EQ(subText("abc", 3, 2), "");
    EXPECT_EQ(clampInt(9, 1, 4), 4);
    EXPECT_EQ(clampInt(-9, 1, 4), 1);
    EXPECT_EQ(parseIntIn("+12", 0, 0, 100), 12);
    EXPECT_EQ(parseIntIn("-5", 10, 0, 100), 0);
    EXPECT_EQ(parseIntIn("", 7, 1, 300), 7);
    EXPECT_EQ(parseIntIn("12 ", 7, 1, 300), 7);
    EXPECT_EQ(parseIntIn("1e3", 7, 1, 300), 7);
    EXPECT_EQ(parseIntIn("+-3", 7, 1, 300), 7);
    bool flag = true;
    parseBool("false", flag);
    EXPECT_TRUE(flag);
    parseBool("False", flag);
    EXPECT_FALSE(flag);
    EXPECT_EQ(boolText(true), "True");
}

TEST(PreferencesLoad, MissingFileGivesFlagDefaultsAndZeroNumbers) {
    TTempDir dir;
    const TPreferences preferences((dir / "config.txt").string());
    EXPECT_TRUE(preferences.activeMusic);
    EXPECT_TRUE(preferences.activeSounds);
    EXPECT_FALSE(preferences.fullscreen);
    EXPECT_FALSE(preferences.scrolling);
    EXPECT_EQ(preferences.nbTeams, 0);
    EXPECT_EQ(preferences.nbTumboks, 0);
    EXPECT_EQ(preferences.nbAi, 0);
    EXPECT_EQ(preferences.nbExplosifs, 0);
    EXPECT_EQ(preferences.gameMap, "fore_basic.png");
    EXPECT_EQ(preferences.gameBackground, "back_day.png");
}

TEST(PreferencesLoad, NumbersAreClampedOrDefaulted) {
    TTempDir dir;
    EXPECT_EQ(loadFrom(dir, "nb_teams:9\n").nbTeams, 4);
    EXPECT_EQ(loadFrom(dir, "nb_teams:0\n").nbTeams, 1);
    EXPECT_EQ(loadFrom(dir, "nb_teams:x\n").nbTeams, 4);
    EXPECT_EQ(loadFrom(dir, "nb_teams:\n").nbTeams, 4);
    EXPECT_EQ(loadFrom(dir, "nb_tumboks:1000\n").nbTumboks, 300);
    EXPECT_EQ(loadFrom(dir, "nb_explosifs:-5\n").nbExplosifs, 0);
    EXPECT_EQ(loadFrom(dir, "nb_explosifs:abc\n").nbExplosifs, 10);
}

TEST(PreferencesLoad, NumbersBeyondThirtyTwoBitsCountAsNotANumber) {
    TTempDir dir;
    EXPECT_EQ(loadFrom(dir, "nb_tumboks:4294967297\n").nbTumboks, 7);
    EXPECT_EQ(loadFrom(dir, "nb_tumboks:-99999999999999999999\n").nbTumboks, 7);
    EXPECT_EQ(loadFrom(dir, "nb_teams:2147483648\n").nbTeams, 4);
    EXPECT_EQ(loadFrom(dir, "nb_teams:2147483647\n").nbTeams, 4);
    EXPECT_EQ(loadFrom(dir, "nb_explosifs:-2147483648\n").nbExplosifs, 0);
}

TEST(PreferencesLoad, ComputerTeamsNeedTheTeamCountFirst) {
    TTempDir dir;
    EXPECT_EQ(loadFrom(dir, "nb_teams:2\nnb_ai:3\n").nbAi, 0);
    EXPECT_EQ(loadFrom(dir, "nb_teams:2\nnb_ai:1\n").nbAi, 1);
    EXPECT_EQ(loadFrom(dir, "nb_ai:2\nnb_teams:4\n").nbAi, 0);
    EXPECT_EQ(loadFrom(dir, "nb_teams:4\nnb_ai:9\n").nbAi, 3);
}

TEST(PreferencesLoad, OddLinesChangeNothingElse) {
    TTempDir dir;
    const TPreferences p =
        loadFrom(dir, "fullscreen:true\nscrolling\n:True\nfullscreen:\ngame_map: fore_x.png\n"
                      "unknown:1\nactive_music:False\nactive_music:maybe\n");
    EXPECT_FALSE(p.fullscreen);
    EXPECT_FALSE(p.scrolling);
    EXPECT_EQ(p.gameMap, " fore_x.png");
    EXPECT_FALSE(p.activeMusic);
    EXPECT_TRUE(p.activeSounds);
}

TEST(PreferencesLoad, CarriageReturnsStayPartOfTheValue) {
    TTempDir dir;
    const TPreferences p = loadFrom(dir, "active_sounds:False\r\nnb_teams:2\r\ngame_map:fore_a.png\r\n");
    EXPECT_TRUE(p.activeSounds);
    EXPECT_EQ(p.nbTeams, 4);
    EXPECT_EQ(p.gameMap, "fore_a.png\r");
}

TEST(PreferencesLoad, AnyContentLoadsWithoutHarm) {
    TTempDir dir;
    std::string binary;
    for (int i = 0; i < 4096; ++i) {
        binary.push_back(static_cast<char>((i * 37) % 256));
    }
    EXPECT_EQ(loadFrom(dir, binary).gameBackground, "back_day.png");

    const std::string megabyteLine = "game_map:" + std::string(1 << 20, 'x');
    EXPECT_EQ(loadFrom(dir, megabyteLine).gameMap.size(), std::size_t{1 << 20});

    EXPECT_EQ(loadFrom(dir, "nb_teams:3").nbTeams, 3); // no line feed at the end

    std::string manyLines;
    for (int i = 0; i < 10000; ++i) {
        manyLines += "nb_tumboks:" + std::to_string(i % 400) + "\n";
    }
    EXPECT_EQ(loadFrom(dir, manyLines).nbTumboks, 300); // the last line, 9999 % 400 = 399, clamped
}

TEST(PreferencesSave, WritesTheTenLinesAndReadsThemBack) {
    TTempDir dir;
    const std::string path = (dir / "config.txt").string();
    {
        TPreferences p(path);
        p.activeMusic = false;
        p.scrolling = true;
        p.fullscreen = true;
        p.nbTeams = 3;
        p.nbTumboks = 250;
        p.nbAi = 2;
        p.nbExplosifs = 100;
        p.gameMap = "fore_caves.png";
        p.gameBackground = "back_night.png";
        ASSERT_TRUE(p.save());
    }
    const std::string written = dir.read("config.txt");
    EXPECT_EQ(written, "active_music:False\nactive_sounds:True\nfullscreen:True\nscrolling:True\n"
                       "nb_teams:3\nnb_tumboks:250\nnb_ai:2\nnb_explosifs:100\n"
                       "game_map:fore_caves.png\ngame_background:back_night.png\n");
    // Read back and saved again, the settings give the same ten lines.
    ASSERT_TRUE(TPreferences(path).save());
    EXPECT_EQ(dir.read("config.txt"), written);
    EXPECT_FALSE(std::filesystem::exists(dir / "config.txt.tmp"));
}

TEST(PreferencesSave, ContextWritesTheFileWhenItEnds) {
    TTempDir dir;
    {
        TContext context((dir / "config.txt").string());
        context.preferences.nbTeams = 2;
    }
    EXPECT_NE(dir.read("config.txt").find("nb_teams:2\n"), std::string::npos);
}

TEST(PreferencesSave, UnreadableFileIsReportedAndNeverOverwritten) {
    TTempDir dir;
    std::filesystem::create_directory(dir / "config.txt");
    const TDiagnosticCapture captured;
    {
        TContext context((dir / "config.txt").string());
        EXPECT_FALSE(context.preferences.mayOverwriteFile());
        EXPECT_EQ(context.preferences.nbTeams, 0);
        EXPECT_EQ(context.preferences.gameMap, "fore_basic.png");
    }
    const std::string output = captured.text();
    EXPECT_NE(output.find("Cannot read"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "config.txt"));
}

// Opening a pipe for reading blocks until a writer comes: without the check, this test hangs until its
// timeout.
TEST(PreferencesSave, APipeIsNotWaitedForAndNeverReplaced) {
    TTempDir dir;
    ASSERT_EQ(mkfifo((dir / "config.txt").c_str(), 0600), 0);
    const TDiagnosticCapture captured;
    {
        TContext context((dir / "config.txt").string());
        EXPECT_FALSE(context.preferences.mayOverwriteFile());
        EXPECT_TRUE(context.preferences.activeMusic);
    }
    EXPECT_NE(captured.text().find("Cannot read"), std::string::npos);
    EXPECT_EQ(std::filesystem::status(dir / "config.txt").type(), std::filesystem::file_type::fifo);
}

// Players keep their dotfiles in a folder of their own and link them in: the save goes to the file the link
// leads to, through a temporary file beside that file, and the link stays.
TEST(PreferencesSave, ASymbolicLinkIsKeptAndItsTargetReplaced) {
    TTempDir dir;
    dir.write("dotfiles/morvatek.txt", "nb_teams:3\n");
    std::filesystem::create_directory(dir / "game");
    std::filesystem::create_symlink("../dotfiles/morvatek.txt", dir / "game" / "config.txt");
    {
        TContext context((dir / "game" / "config.txt").string());
        EXPECT_EQ(context.preferences.nbTeams, 3);
        context.preferences.nbTeams = 4;
    }
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "game" / "config.txt"));
    EXPECT_EQ(std::filesystem::read_symlink(dir / "game" / "config.txt"), "../dotfiles/morvatek.txt");
    EXPECT_NE(dir.read("dotfiles/morvatek.txt").find("nb_teams:4\n"), std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "game"), {}), 1)
        << "nothing but the link in the game's folder";

    // A link that leads nowhere, or round in a loop, cannot be read: reported, and nothing is written.
    std::filesystem::create_symlink("nowhere.txt", dir / "dangling.txt");
    std::filesystem::create_symlink("loop-b.txt", dir / "loop-a.txt");
    std::filesystem::create_symlink("loop-a.txt", dir / "loop-b.txt");
    for (const char* link : {"dangling.txt", "loop-a.txt"}) {
        const TDiagnosticCapture captured;
        {
            TContext context((dir / link).string());
            EXPECT_FALSE(context.preferences.mayOverwriteFile()) << link;
        }
        EXPECT_NE(captured.text().find("Cannot read"), std::string::npos) << link;
        EXPECT_NE(captured.text().find("is kept as it was"), std::string::npos) << link;
        EXPECT_TRUE(std::filesystem::is_symlink(dir / link)) << link;
    }
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(dir / "nowhere.txt")));
}

TEST(PreferencesSave, FailedWriteIsReportedAndLeavesNoTemporaryFile) {
    TTempDir dir;
    const TPreferences p((dir / "missing-folder" / "config.txt").string());
    const TDiagnosticCapture captured;
    EXPECT_FALSE(p.save());
    EXPECT_NE(captured.text().find("Cannot write"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing-folder"));
}

TEST(PreferencesSave, AnOldFileIsReplacedWhole) {
    TTempDir dir;
    dir.write("config.txt", "nb_teams:2\n" + std::string(100000, '#') + "\n");
    TPreferences p((dir / "config.txt").string());
    ASSERT_TRUE(p.save());
    const std::string written = dir.read("config.txt");
    EXPECT_EQ(written.find('#'), std::string::npos);
    EXPECT_NE(written.find("nb_teams:2\n"), std::string::npos);
}

TEST(PreferencesSave, ThePlayersOwnSettingsFolderIsMadeOnTheFirstSave) {
    TTempDir dir;
    TGameFolders folders;
    folders.configFile = (dir / "config" / "morvatek" / "config.txt").string();
    folders.createsConfigFolder = true;
    {
        const TFoldersInUse inUse(folders);
        {
            TContext context;
            EXPECT_FALSE(std::filesystem::exists(dir / "config"));
            context.preferences.nbTeams = 3;
        }
        EXPECT_EQ(std::filesystem::status(dir / "config" / "morvatek").permissions(),
                  std::filesystem::perms::owner_all);
        EXPECT_EQ(TPreferences().nbTeams, 3);
    }

    folders.configFile.clear();
    const TFoldersInUse noHome(folders);
    const TDiagnosticCapture captured;
    EXPECT_FALSE(TPreferences().save());
    EXPECT_EQ(captured.text(), "Settings not saved: there is no home folder to keep them in.\n");
}

// The browser saves after every change, since a tab may close at any moment: only a change writes, and a
// file that cannot be written is reported once per change, not at every frame.
TEST(PreferencesSave, SavingWhenChangedWritesOnlyAChange) {
    TTempDir dir;
    TPreferences p = loadFrom(dir, "nb_teams:3\n");
    EXPECT_FALSE(p.saveWhenChanged());
    EXPECT_EQ(dir.read("config.txt"), "nb_teams:3\n");
    p.scrolling = true;
    EXPECT_TRUE(p.saveWhenChanged());
    EXPECT_NE(dir.read("config.txt").find("scrolling:True\nnb_teams:3\n"), std::string::npos);
    EXPECT_FALSE(p.saveWhenChanged());

    TPreferences unwritable((dir / "missing-folder" / "config.txt").string());
    unwritable.nbTeams = 2;
    const TDiagnosticCapture captured;
    EXPECT_TRUE(unwritable.saveWhenChanged());
    EXPECT_FALSE(unwritable.saveWhenChanged());
    EXPECT_EQ(captured.text().find("Cannot write"), captured.text().rfind("Cannot write"));
    EXPECT_NE(captured.text().find("Cannot write"), std::string::npos);
}
