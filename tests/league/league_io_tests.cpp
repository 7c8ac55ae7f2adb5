// Opening a league from its folder and saving it back, in place or under a new name.
#include <gtest/gtest.h>

#include "league/league_io.h"
#include "league_test_helpers.h"
#include "support/league_builder.h"
#include "support/temp_dir.h"

namespace zt {
namespace {

namespace fs = std::filesystem;
using test::errorMessage;
using test::imageOf;

class LeagueFolder : public testing::Test {
protected:
    void SetUp() override {
        m_built = test::buildLeague();
        m_sea = test::writeLeagueFolder(*m_built, m_root.path());
        m_dir = m_root / "SampleSeason";
    }

    std::vector<std::string> temporaries() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::recursive_directory_iterator(m_root.path())) {
            if (entry.path().filename().string().find(".ztedit-") != std::string::npos) {
                found.push_back(entry.path().string());
            }
        }
        return found;
    }

    test::TempDir m_root;
    std::unique_ptr<League> m_built;
    fs::path m_sea;
    fs::path m_dir;
};

TEST_F(LeagueFolder, OpenReadsEveryFileOfTheLeague) {
    const auto league = openLeague(m_sea);
    EXPECT_EQ(imageOf(*league), imageOf(*m_built));
    EXPECT_EQ(league->leagueDir, m_root / "SampleSeason/");
    EXPECT_EQ(league->selectedFile, m_sea);
    EXPECT_EQ(league->teamNameList, m_built->teamNameList);
    EXPECT_FALSE(league->changed());
}

TEST_F(LeagueFolder, OpensFromAPlayoffsFileAndFromPlayersZtToo) {
    fs::rename(m_dir, m_root / "SamplePlayoffs");
    test::writeBytes(m_root / "Sample.pla", {});
    EXPECT_EQ(imageOf(*openLeague(m_root / "Sample.pla")), imageOf(*m_built));
    const auto direct = openLeague(m_root / "SamplePlayoffs" / "players.zt");
    EXPECT_EQ(direct->leagueDir, m_root / "SamplePlayoffs/");
    EXPECT_EQ(imageOf(*direct), imageOf(*m_built));
}

TEST_F(LeagueFolder, FilesAreFoundInAnyLetterCaseAndSavedUnderTheirOwnNames) {
    const std::pair<const char*, const char*> renames[] = {{"players.zt", "Players.zt"},
                                                           {"season.zt", "SEASON.ZT"},
                                                           {"stats.zt", "Stats.Zt"},
                                                           {"scores.zt", "Scores.zt"},
                                                           {"playoffs.zt", "PlayOffs.zt"},
                                                           {"net.txt", "NET.TXT"}};
    for (const auto& [from, to] : renames) {
        fs::rename(m_dir / from, m_dir / to);
    }
    auto league = openLeague(m_sea);
    EXPECT_EQ(imageOf(*league), imageOf(*m_built));

    const auto before = test::snapshotFolder(m_root.path());
    league->markChanged();
    saveLeague(*league);
    EXPECT_EQ(test::snapshotWithoutBackups(m_root.path()), before) << "no file was added in lower case";
}

TEST_F(LeagueFolder, MissingDirectoryIsReportedWithItsTrailingSlash) {
    const std::string message = errorMessage([&] { openLeague(m_root / "Other.sea"); });
    EXPECT_EQ(message, "Directory " + (m_root / "OtherSeason/").string() + " does not exist. League not loaded");
}

TEST_F(LeagueFolder, MissingOrOtherSeasonVersionIsRefused) {
    auto season = test::readBytes(m_dir / "season.zt");
    season[9] = '8';
    test::writeBytes(m_dir / "season.zt", season);
    EXPECT_EQ(errorMessage([&] { openLeague(m_sea); }), "Wrong season version");
    fs::remove(m_dir / "season.zt");
    EXPECT_EQ(errorMessage([&] { openLeague(m_sea); }), "Wrong season version");
}

TEST_F(LeagueFolder, DamagedFileIsNamedInTheMessage) {
    // Each file cut inside its records (season.zt may lose trailer bytes without harm).
    const std::pair<const char*, std::size_t> cuts[] = {
        {"players.zt", 1000}, {"stats.zt", 100}, {"season.zt", 1000}, {"playoffs.zt", 600}};
    for (const auto& [name, size] : cuts) {
        test::TempDir other;
        const auto sea = test::writeLeagueFolder(*m_built, other.path());
        auto bytes = test::readBytes(other / "SampleSeason" / name);
        bytes.resize(size);
        test::writeBytes(other / "SampleSeason" / name, bytes);
        const std::string message = errorMessage([&] { openLeague(sea); });
        EXPECT_TRUE(test::contains(message, (other / "SampleSeason" / name).string())) << message;
    }
}

TEST_F(LeagueFolder, OptionalFilesMayBeMissingAndAreNotCreatedBySaving) {
    for (const char* name : {"stats.zt", "scores.zt", "playoffs.zt", "net.txt"}) {
        fs::remove(m_dir / name);
    }
    auto league = openLeague(m_sea);
    EXPECT_FALSE(league->statsLoaded);
    EXPECT_FALSE(league->scoresLoaded);
    EXPECT_FALSE(league->playoffsLoaded);
    EXPECT_EQ(league->netInfo, NetLeagueInfo{});
    EXPECT_EQ(serialisePlayersFile(*league), serialisePlayersFile(*m_built));

    saveLeague(*league);
    for (const char* name : {"stats.zt", "scores.zt", "playoffs.zt", "net.txt"}) {
        EXPECT_FALSE(fs::exists(m_dir / name)) << name;
    }
}

TEST_F(LeagueFolder, SaveWritesEveryFileBackUnchangedAndEmptiesTheSelectedFile) {
    // Bytes the editor does not interpret, after the known parts of two files.
    for (const char* name : {"players.zt", "stats.zt"}) {
        auto bytes = test::readBytes(m_dir / name);
        bytes.insert(bytes.end(), {0xDE, 0xAD, 0xBE, 0xEF, 0x01});
        test::writeBytes(m_dir / name, bytes);
    }
    auto before = test::snapshotFolder(m_root.path());
    test::writeText(m_sea, "something the game wrote");

    auto league = openLeague(m_sea);
    league->markChanged();
    saveLeague(*league);
    EXPECT_EQ(test::snapshotWithoutBackups(m_root.path()), before);
    EXPECT_FALSE(league->changed());
    EXPECT_TRUE(temporaries().empty());
}

TEST_F(LeagueFolder, SavedChangesAreThereWhenTheLeagueIsOpenedAgain) {
    auto league = openLeague(m_sea);
    league->players[1]->set(pf::lastName, "Renamed");
    league->teams[0].record.set(tf::name, "Owls");
    league->playerHistories[0]->batting.pop_back();
    league->gameScores.pop_back();
    league->playoffSeries[6].games[0].set(gr::homeRuns, 11);
    league->markChanged();
    saveLeague(*league);

    const auto reopened = openLeague(m_sea);
    EXPECT_EQ(imageOf(*reopened), imageOf(*league));
    EXPECT_EQ(reopened->players[1]->get(pf::lastName), "Renamed");
    EXPECT_EQ(reopened->teamName(0), "Owls");
}

TEST_F(LeagueFolder, LeagueOpenedFromPlayersZtKeepsItsPlayersWhenSaved) {
    // The selected file is re-created empty and players.zt is written: here they are the same file.
    auto league = openLeague(m_dir / "players.zt");
    league->markChanged();
    saveLeague(*league);
    EXPECT_EQ(test::readBytes(m_dir / "players.zt"), serialisePlayersFile(*m_built));
    EXPECT_TRUE(temporaries().empty());
}

TEST_F(LeagueFolder, PlayersZtNamedInAnotherLetterCaseIsNotDuplicatedBySaving) {
    fs::rename(m_dir / "players.zt", m_dir / "Players.zt");
    const auto before = test::snapshotFolder(m_root.path());
    auto league = openLeague(m_dir / "players.zt");
    league->markChanged();
    saveLeague(*league);
    EXPECT_EQ(test::snapshotWithoutBackups(m_root.path()), before);
    EXPECT_EQ(imageOf(*openLeague(m_sea)), imageOf(*m_built));
}

TEST_F(LeagueFolder, LeagueOpenedFromARelativePlayersZtOpensAndSaves) {
    const fs::path previous = fs::current_path();
    fs::current_path(m_dir);
    std::string failure;
    try {
        auto league = openLeague("players.zt");
        EXPECT_EQ(imageOf(*league), imageOf(*m_built));
        league->markChanged();
        saveLeague(*league);
    } catch (const std::exception& error) {
        failure = error.what();
    }
    fs::current_path(previous);
    EXPECT_EQ(failure, "");
    EXPECT_EQ(test::readBytes(m_dir / "players.zt"), serialisePlayersFile(*m_built));
    EXPECT_TRUE(temporaries().empty());
}

// A save that fails on any one file leaves every file as it was, removes its temporaries, names
// the file in its message and keeps the league marked as changed, whether the failing write
// produced nothing or half a file.
struct FailingFile {
    const char* name;
    std::size_t bytesBeforeFailure;
};

TEST_F(LeagueFolder, EverySaveKeepsThePreviousFilesAndARestoreSwapsThemBack) {
    const auto original = test::snapshotFolder(m_dir);
    EXPECT_FALSE(hasPreviousSave(m_sea));
    EXPECT_TRUE(test::contains(errorMessage([&] { restorePreviousSave(m_sea); }), "no previous save"));

    auto league = openLeague(m_sea);
    league->players[1]->set(pf::lastName, "Renamed");
    saveLeague(*league);
    const auto players = m_dir / "players.zt";
    EXPECT_EQ(test::readBytes(backupPathOf(players)), original.at("players.zt"));
    EXPECT_EQ(test::readBytes(backupPathOf(m_dir / "season.zt")), original.at("season.zt"));
    const auto saved = test::readBytes(players);

    restorePreviousSave(m_sea);  // the save before comes back, the save becomes the backup
    EXPECT_EQ(test::readBytes(players), original.at("players.zt"));
    EXPECT_EQ(test::readBytes(backupPathOf(players)), saved);
    EXPECT_EQ(openLeague(m_sea)->players[1]->get(pf::lastName), m_built->players[1]->get(pf::lastName));
    restorePreviousSave(m_sea);  // and a restore is undone by restoring again
    EXPECT_EQ(test::readBytes(players), saved);
    EXPECT_TRUE(temporaries().empty());
}

void PrintTo(const FailingFile& f, std::ostream* out) {
    *out << f.name << " failing after " << f.bytesBeforeFailure << " bytes";
}

class FailedSaveTest : public LeagueFolder, public testing::WithParamInterface<FailingFile> {};

TEST_P(FailedSaveTest, ChangesNothingOnDisk) {
    auto league = openLeague(m_sea);
    league->players[0]->set(pf::lastName, "Changed");
    league->teams[1].record.set(tf::wins, 99);
    league->markChanged();
    test::writeText(m_sea, "kept");
    const auto before = test::snapshotFolder(m_root.path());

    test::FailingWriter writer(GetParam().name, GetParam().bytesBeforeFailure);
    const std::string message = errorMessage([&] { saveLeague(*league, writer); });
    const fs::path target = std::string(GetParam().name) == "Sample.sea" ? m_sea : m_dir / GetParam().name;
    EXPECT_TRUE(test::contains(message, target.string())) << message;
    EXPECT_EQ(writer.failures(), 1);
    EXPECT_EQ(test::snapshotFolder(m_root.path()), before);
    EXPECT_TRUE(league->changed());
}

INSTANTIATE_TEST_SUITE_P(Files,
                         FailedSaveTest,
                         testing::Values(FailingFile{"Sample.sea", 0},
                                         FailingFile{"players.zt", 0},
                                         FailingFile{"players.zt", 1000},
                                         FailingFile{"stats.zt", 40},
                                         FailingFile{"season.zt", 0},
                                         FailingFile{"season.zt", 500},
                                         FailingFile{"playoffs.zt", 0},
                                         FailingFile{"scores.zt", 100}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

// ---------------------------------------------------------------------------------------------

TEST_F(LeagueFolder, SaveAsWritesTheLeagueAndCopiesTheSideFilesAndUnreadFiles) {
    for (const char* name : {"stats.zt", "scores.zt", "playoffs.zt"}) {
        fs::remove(m_dir / name);
    }
    auto league = openLeague(m_sea);
    // Files the league did not read (they appeared later) and the game's side files.
    const char* copied[] = {"stats.zt",
                            "scores.zt",
                            "playoffs.zt",
                            "retired.zt",
                            "BoxScores.txt",
                            "DraftingResults.txt",
                            "HallOfFamers.txt"};
    for (const char* name : copied) {
        test::writeText(m_dir / name, std::string("content of ") + name);
    }
    const auto oldFolder = test::snapshotFolder(m_dir);
    league->players[0]->set(pf::firstName, "New");
    league->markChanged();

    saveLeagueAs(*league, m_root / "New.sea");

    const fs::path newDir = m_root / "NewSeason";
    EXPECT_EQ(test::snapshotFolder(m_dir), oldFolder) << "the old league stays as it was";
    EXPECT_EQ(test::readBytes(m_root / "New.sea"), std::vector<std::uint8_t>{});
    for (const char* name : copied) {
        EXPECT_EQ(test::readBytes(newDir / name), test::readBytes(m_dir / name)) << name;
    }
    EXPECT_EQ(test::readBytes(newDir / "net.txt"), test::readBytes(m_dir / "net.txt"));
    EXPECT_EQ(test::readBytes(newDir / "players.zt"), serialisePlayersFile(*league));
    EXPECT_EQ(test::readBytes(newDir / "season.zt"), serialiseSeasonFile(*league));
    EXPECT_EQ(league->leagueDir, m_root / "NewSeason/");
    EXPECT_EQ(league->selectedFile, m_root / "New.sea");
    EXPECT_FALSE(league->changed());
}

TEST_F(LeagueFolder, SaveAsWritesTheFilesItReadFromMemory) {
    auto league = openLeague(m_sea);
    league->playerHistories.pop_back();
    league->gameScores.clear();
    saveLeagueAs(*league, m_root / "Copy.SEA");
    const auto reopened = openLeague(m_root / "Copy.SEA");
    EXPECT_EQ(reopened->leagueDir, m_root / "CopySeason/");
    EXPECT_EQ(imageOf(*reopened), imageOf(*league));
}

TEST_F(LeagueFolder, FailedSaveAsWritesNoFileAnywhere) {
    auto league = openLeague(m_sea);
    test::writeText(m_dir / "BoxScores.txt", "box");
    league->markChanged();
    const auto before = test::snapshotFolder(m_root.path());

    test::FailingWriter writer("season.zt", 10);
    const std::string message = errorMessage([&] { saveLeagueAs(*league, m_root / "New.sea", writer); });
    EXPECT_TRUE(test::contains(message, (m_root / "NewSeason" / "season.zt").string())) << message;
    EXPECT_EQ(test::snapshotFolder(m_root.path()), before);
    EXPECT_EQ(league->leagueDir, m_root / "SampleSeason/");
    EXPECT_EQ(league->selectedFile, m_sea);
    EXPECT_TRUE(league->changed());
}

TEST_F(LeagueFolder, SaveAsCreatesOneFolderLevelOnly) {
    auto league = openLeague(m_sea);
    const std::string message = errorMessage([&] { saveLeagueAs(*league, m_root / "missing" / "New.sea"); });
    EXPECT_TRUE(test::contains(message, (m_root / "missing" / "NewSeason/").string())) << message;
    EXPECT_FALSE(fs::exists(m_root / "missing"));
}

}  // namespace
}  // namespace zt
