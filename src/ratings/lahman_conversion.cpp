// The public historical baseball database turned into the import database of "Import Team".
#include "ratings/lahman_conversion.h"

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "league/error.h"
#include "league/file_io.h"
#include "league/league_text.h"
#include "league/numbers.h"
#include "ratings/csv_reader.h"
#include "ratings/import_database_layout.h"

namespace zt {

namespace {

// A table of the source database whose columns are found by header name.
class SourceTable {
public:
    SourceTable(const std::filesystem::path& dir, std::initializer_list<std::string_view> names, bool required = true) {
        for (const std::string_view name : names) {
            if (auto file = findFileNoCase(dir, name)) {
                m_csv = CsvText::read(*file);
                m_present = true;
                break;
            }
        }
        if (!m_present && required) {
            throw Error("The file " + (dir / std::string(*names.begin())).string() + " does not exist");
        }
        if (m_present && m_csv.recordCount() == 0) {
            throw Error(m_csv.name() + " has no header row");
        }
    }

    bool present() const { return m_present; }
    std::size_t rows() const { return m_present ? m_csv.recordCount() - 1 : 0; }

    // The column of the first of these names the header has, or -1.
    int column(std::initializer_list<std::string_view> names) const {
        for (const std::string_view name : names) {
            for (std::size_t c = 0; c < m_csv.valueCount(0); ++c) {
                if (equalNoCaseAscii(m_csv.value(0, c), name)) {
                    return static_cast<int>(c);
                }
            }
        }
        return -1;
    }
    int required(std::string_view name) const {
        const int c = column({name});
        if (c < 0) {
            throw Error(m_csv.name() + " has no column " + std::string(name));
        }
        return c;
    }

    std::string_view text(std::size_t row, int column) const {
        const std::size_t record = row + 1;
        if (column < 0 || static_cast<std::size_t>(column) >= m_csv.valueCount(record)) {
            return {};
        }
        return m_csv.value(record, static_cast<std::size_t>(column));
    }
    // An empty cell or a missing column counts 0.
    double number(std::size_t row, int column) const {
        const std::string_view t = text(row, column);
        if (t.empty()) {
            return 0;
        }
        try {
            return parseFloat(t);
        } catch (const Error&) {
            throw Error(std::string(t) + " is not a number (" + m_csv.where(row + 1) + ")");
        }
    }
    int whole(std::size_t row, int column) const { return static_cast<int>(roundHalfEven(number(row, column))); }

private:
    CsvText m_csv = CsvText::parse("", "");
    bool m_present = false;
};

struct Batting {
    std::array<int, 16> counts{};  // G AB R H 2B 3B HR RBI SB CS BB SO IBB HBP SH SF
};

struct Pitching {
    int w = 0, l = 0, g = 0, gs = 0, sv = 0, outs = 0, h = 0, er = 0, hr = 0, bb = 0, so = 0;
};

struct Fielding {
    int g = 0, po = 0, a = 0, e = 0, dp = 0;
};

// Position letters of the import database, in the order games are compared when equal.
constexpr std::string_view kLetters = "PC123SOD";

char letterOfPosition(std::string_view pos) {
    static const std::array<std::pair<std::string_view, char>, 11> kPositions = {{{"P", 'P'},
                                                                                  {"C", 'C'},
                                                                                  {"1B", '1'},
                                                                                  {"2B", '2'},
                                                                                  {"3B", '3'},
                                                                                  {"SS", 'S'},
                                                                                  {"OF", 'O'},
                                                                                  {"LF", 'O'},
                                                                                  {"CF", 'O'},
                                                                                  {"RF", 'O'},
                                                                                  {"DH", 'D'}}};
    for (const auto& [name, letter] : kPositions) {
        if (equalNoCaseAscii(pos, name)) {
            return letter;
        }
    }
    return 0;
}

struct TeamSeason {
    int atBats = 0;
    int outs = 0;
    int battingGames = 0;  // stints summed
    int pitchingGames = 0;
    int appearances = 0;  // every game he played, when Appearances.csv tells
    int games() const { return appearances > 0 ? appearances : std::max(battingGames, pitchingGames); }
    std::map<char, int> positionGames;
};

struct Person {
    std::string first, last, birthYear, bats, throws;
    Batting batting;
    Pitching pitching;
    std::map<char, Fielding> fielding;
    bool batted = false;
    bool pitched = false;
};

struct TeamInfo {
    std::string franchise, league, name;
    int first = 0, last = 0;
};

// "*" marks nothing here: the first letter is the position he played most, the others follow
// by games.
std::string positionString(const std::map<char, int>& games) {
    std::vector<std::pair<char, int>> played(games.begin(), games.end());
    std::erase_if(played, [](const auto& entry) { return entry.second <= 0; });
    std::stable_sort(played.begin(), played.end(), [](const auto& a, const auto& b) {
        if (a.second != b.second) {
            return a.second > b.second;
        }
        return kLetters.find(a.first) < kLetters.find(b.first);
    });
    std::string text;
    for (const auto& entry : played) {
        text.push_back(entry.first);
    }
    return text;
}

std::string csvValue(std::string_view text) {
    if (text.find_first_of(",;\"\n\r") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

std::string inningsText(int outs) {
    return FormatShort(roundHalfEven(outs / 3.0, 2));
}

}  // namespace

LahmanConversionCounts convertLahmanDatabase(const std::filesystem::path& sourceDir,
                                             const std::filesystem::path& destinationDir,
                                             const LahmanConversionOptions& options) {
    const SourceTable people(sourceDir, {"People.csv", "Master.csv"});
    const SourceTable teams(sourceDir, {"Teams.csv"});
    const SourceTable batting(sourceDir, {"Batting.csv"});
    const SourceTable pitching(sourceDir, {"Pitching.csv"});
    const SourceTable fielding(sourceDir, {"Fielding.csv"});
    const SourceTable appearances(sourceDir, {"Appearances.csv"}, false);
    auto inRange = [&](int year) {
        return (!options.fromYear || year >= *options.fromYear) && (!options.toYear || year <= *options.toYear);
    };

    std::unordered_map<std::string, Person> persons;
    {
        const int id = people.required("playerID");
        const int first = people.required("nameFirst");
        const int last = people.required("nameLast");
        const int born = people.column({"birthYear"});
        const int bats = people.column({"bats"});
        const int throws = people.column({"throws"});
        for (std::size_t r = 0; r < people.rows(); ++r) {
            Person& p = persons[std::string(people.text(r, id))];
            p.first = people.text(r, first);
            p.last = people.text(r, last);
            p.birthYear = people.text(r, born);
            p.bats = people.text(r, bats);
            p.throws = people.text(r, throws);
        }
    }

    std::map<std::string, TeamInfo> teamInfo;
    {
        const int year = teams.required("yearID");
        const int team = teams.required("teamID");
        const int franchise = teams.column({"franchID"});
        const int league = teams.column({"lgID"});
        const int name = teams.required("name");
        for (std::size_t r = 0; r < teams.rows(); ++r) {
            const int y = teams.whole(r, year);
            if (!inRange(y)) {
                continue;
            }
            TeamInfo& info = teamInfo[std::string(teams.text(r, team))];
            if (info.first == 0 || y < info.first) {
                info.first = y;
            }
            if (y >= info.last) {
                info.last = y;
                info.name = teams.text(r, name);
                info.franchise = teams.text(r, franchise);
                info.league = teams.text(r, league);
            }
        }
    }

    // (year, team, player) -> what he did for that team that season, stints summed.
    std::map<std::tuple<int, std::string, std::string>, TeamSeason> seasons;
    auto personOf = [&](std::string_view id) -> Person& { return persons[std::string(id)]; };

    {
        const int id = batting.required("playerID");
        const int year = batting.required("yearID");
        const int team = batting.required("teamID");
        const int games = batting.column({"G", "G_batting"});
        const std::array<int, 16> columns = {games,
                                             batting.column({"AB"}),
                                             batting.column({"R"}),
                                             batting.column({"H"}),
                                             batting.column({"2B"}),
                                             batting.column({"3B"}),
                                             batting.column({"HR"}),
                                             batting.column({"RBI"}),
                                             batting.column({"SB"}),
                                             batting.column({"CS"}),
                                             batting.column({"BB"}),
                                             batting.column({"SO"}),
                                             batting.column({"IBB"}),
                                             batting.column({"HBP"}),
                                             batting.column({"SH"}),
                                             batting.column({"SF"})};
        for (std::size_t r = 0; r < batting.rows(); ++r) {
            Person& p = personOf(batting.text(r, id));
            p.batted = true;
            for (std::size_t k = 0; k < columns.size(); ++k) {
                p.batting.counts[k] += batting.whole(r, columns[k]);
            }
            const int y = batting.whole(r, year);
            if (inRange(y)) {
                TeamSeason& s = seasons[{y, std::string(batting.text(r, team)), std::string(batting.text(r, id))}];
                s.atBats += batting.whole(r, columns[1]);
                s.battingGames += batting.whole(r, games);
            }
        }
    }
    {
        const int id = pitching.required("playerID");
        const int year = pitching.required("yearID");
        const int team = pitching.required("teamID");
        const int outsColumn = pitching.column({"IPouts"});
        const int inningsColumn = pitching.column({"IP"});
        const int w = pitching.column({"W"}), l = pitching.column({"L"}), g = pitching.column({"G"}),
                  gs = pitching.column({"GS"}), sv = pitching.column({"SV"}), h = pitching.column({"H"}),
                  er = pitching.column({"ER"}), hr = pitching.column({"HR"}), bb = pitching.column({"BB"}),
                  so = pitching.column({"SO"});
        for (std::size_t r = 0; r < pitching.rows(); ++r) {
            Person& p = personOf(pitching.text(r, id));
            p.pitched = true;
            const int outs = outsColumn >= 0 ? pitching.whole(r, outsColumn)
                                             : static_cast<int>(roundHalfEven(pitching.number(r, inningsColumn) * 3));
            Pitching& t = p.pitching;
            t.w += pitching.whole(r, w);
            t.l += pitching.whole(r, l);
            t.g += pitching.whole(r, g);
            t.gs += pitching.whole(r, gs);
            t.sv += pitching.whole(r, sv);
            t.outs += outs;
            t.h += pitching.whole(r, h);
            t.er += pitching.whole(r, er);
            t.hr += pitching.whole(r, hr);
            t.bb += pitching.whole(r, bb);
            t.so += pitching.whole(r, so);
            const int y = pitching.whole(r, year);
            if (inRange(y)) {
                TeamSeason& s = seasons[{y, std::string(pitching.text(r, team)), std::string(pitching.text(r, id))}];
                s.outs += outs;
                s.pitchingGames += pitching.whole(r, g);
            }
        }
    }
    {
        const int id = fielding.required("playerID");
        const int year = fielding.required("yearID");
        const int team = fielding.required("teamID");
        const int pos = fielding.required("POS");
        const int g = fielding.column({"G"}), po = fielding.column({"PO"}), a = fielding.column({"A"}),
                  e = fielding.column({"E"}), dp = fielding.column({"DP"});
        for (std::size_t r = 0; r < fielding.rows(); ++r) {
            const char letter = letterOfPosition(fielding.text(r, pos));
            if (letter == 0) {
                continue;
            }
            Person& p = personOf(fielding.text(r, id));
            Fielding& f = p.fielding[letter];
            f.g += fielding.whole(r, g);
            f.po += fielding.whole(r, po);
            f.a += fielding.whole(r, a);
            f.e += fielding.whole(r, e);
            f.dp += fielding.whole(r, dp);
            const int y = fielding.whole(r, year);
            if (inRange(y) && !appearances.present()) {
                TeamSeason& s = seasons[{y, std::string(fielding.text(r, team)), std::string(fielding.text(r, id))}];
                s.positionGames[letter] += fielding.whole(r, g);
            }
        }
    }
    if (appearances.present()) {
        const int id = appearances.required("playerID");
        const int year = appearances.required("yearID");
        const int team = appearances.required("teamID");
        const int all = appearances.column({"G_all"});
        const std::array<std::pair<char, int>, 8> columns = {{{'P', appearances.column({"G_p"})},
                                                              {'C', appearances.column({"G_c"})},
                                                              {'1', appearances.column({"G_1b"})},
                                                              {'2', appearances.column({"G_2b"})},
                                                              {'3', appearances.column({"G_3b"})},
                                                              {'S', appearances.column({"G_ss"})},
                                                              {'O', appearances.column({"G_of"})},
                                                              {'D', appearances.column({"G_dh"})}}};
        const int lf = appearances.column({"G_lf"}), cf = appearances.column({"G_cf"}),
                  rf = appearances.column({"G_rf"});
        for (std::size_t r = 0; r < appearances.rows(); ++r) {
            const int y = appearances.whole(r, year);
            if (!inRange(y)) {
                continue;
            }
            TeamSeason& s = seasons[{y, std::string(appearances.text(r, team)), std::string(appearances.text(r, id))}];
            s.appearances += appearances.whole(r, all);
            for (const auto& [letter, column] : columns) {
                int games = appearances.whole(r, column);
                if (letter == 'O' && column < 0) {
                    games = appearances.whole(r, lf) + appearances.whole(r, cf) + appearances.whole(r, rf);
                }
                s.positionGames[letter] += games;
            }
        }
    }

    // Rosters, by season and team; the players on them get career rows.
    LahmanConversionCounts counts;
    std::string rosters;
    std::map<std::string, bool> rostered;  // sorted: the career files list players by identifier
    for (const auto& [key, season] : seasons) {
        const auto& [year, team, player] = key;
        if (!teamInfo.contains(team)) {
            continue;
        }
        rosters += csvValue(team) + ',' + std::to_string(year) + ',' + csvValue(player) + ',' +
                   std::to_string(season.atBats) + ',' + std::to_string(season.outs / 3) + ',' +
                   std::to_string(season.games()) + ',' + positionString(season.positionGames) + '\n';
        ++counts.rosterRows;
        rostered[player] = true;
    }
    std::string master(kTeamMasterTitles);
    for (const auto& [team, info] : teamInfo) {
        master += csvValue(team) + ',' + csvValue(info.franchise) + ',' + std::to_string(info.first) + ',' +
                  std::to_string(info.last) + ',' + csvValue(info.league) + ',' + csvValue(info.name) + '\n';
        ++counts.teams;
    }
    std::string battingText = battingStatsTitles();
    std::string pitchingText = pitchingStatsTitles();
    std::string fieldingText = fieldingStatsTitles();
    for (const auto& [id, unused] : rostered) {
        const Person& p = persons[id];
        const std::string names = csvValue(p.first) + ',' + csvValue(p.last) + ',' + csvValue(id);
        ++counts.players;
        if (p.batted) {
            battingText += names + ',' + csvValue(p.birthYear) + ',' + csvValue(p.bats) + ',' + csvValue(p.throws);
            for (const int v : p.batting.counts) {
                battingText += ',' + std::to_string(v);
            }
            battingText += '\n';
        }
        if (p.pitched) {
            const Pitching& t = p.pitching;
            pitchingText += names + ',' + csvValue(p.throws);
            for (const int v : {t.w, t.l, t.g, t.gs, t.sv}) {
                pitchingText += ',' + std::to_string(v);
            }
            pitchingText += ',' + inningsText(t.outs);
            for (const int v : {t.h, t.er, t.hr, t.bb, t.so}) {
                pitchingText += ',' + std::to_string(v);
            }
            pitchingText += '\n';
        }
        for (const auto& [letter, f] : p.fielding) {
            fieldingText += names + ',' + letter;
            for (const int v : {f.g, f.po, f.a, f.e, f.dp}) {
                fieldingText += ',' + std::to_string(v);
            }
            fieldingText += '\n';
        }
    }

    CreatedFolders created(destinationDir);
    FileTransaction files;
    auto stage = [&](std::string_view name, const std::string& text) {
        files.stage(destinationDir / std::string(name),
                    std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    };
    stage(kTeamMasterFile, master);
    stage(kRostersFile, rosters);
    stage(kBattingStatsFile, battingText);
    stage(kPitchingStatsFile, pitchingText);
    stage(kFieldingStatsFile, fieldingText);
    files.commit();
    created.keep();
    return counts;
}

}  // namespace zt
