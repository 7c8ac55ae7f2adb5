// An invented historical database: players with careers on teams over a span of years, their
// per-season lines summed into career rows as public baseball databases publish them.
#include "sample/database_generator.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "league/error.h"
#include "league/file_io.h"
#include "league/numbers.h"
#include "ratings/import_database_layout.h"
#include "sample/name_lists.h"
#include "sample/random.h"

namespace zt::sample {

namespace {

// Position letters of the database: catcher, first, second, third base, shortstop, outfield,
// pitcher.
constexpr std::array<char, 6> kFielders = {'C', '1', '2', '3', 'S', 'O'};

struct Batting {
    int g = 0, ab = 0, r = 0, h = 0, doubles = 0, triples = 0, hr = 0, rbi = 0, sb = 0, cs = 0, bb = 0, so = 0, ibb = 0,
        hbp = 0, sh = 0, sf = 0;
};

struct Pitching {
    int w = 0, l = 0, g = 0, gs = 0, sv = 0, outs = 0, h = 0, er = 0, hr = 0, bb = 0, so = 0;
};

struct Fielding {
    int g = 0, po = 0, a = 0, e = 0, dp = 0;
};

struct Player {
    std::string identifier;
    std::string firstName;
    std::string lastName;
    int birthYear = 0;
    char bats = 'R';
    char throws = 'R';
    bool pitcher = false;
    char position = 'O';  // main position
    char secondary = 0;   // another position he plays now and then, 0 when none
    double talent = 1.0;  // batting or pitching quality around 1
    Batting batting;
    Pitching pitching;
    std::map<char, Fielding> fielding;
};

std::string lowerAscii(std::string_view text, std::size_t count) {
    std::string out;
    for (const char c : text) {
        if (out.size() == count) {
            break;
        }
        if (c >= 'A' && c <= 'Z') {
            out.push_back(static_cast<char>(c - 'A' + 'a'));
        } else if (c >= 'a' && c <= 'z') {
            out.push_back(c);
        }
    }
    return out;
}

class Generator {
public:
    explicit Generator(const DatabaseOptions& options) : m_options(options), m_rng(options.seed, Stream::Database) {}

    void run(const std::filesystem::path& folder) {
        m_rosters.reserve(static_cast<std::size_t>(m_options.teams) *
                          static_cast<std::size_t>(m_options.lastYear - m_options.firstYear + 1) *
                          static_cast<std::size_t>(m_options.rosterSize) * 32);
        std::vector<std::vector<std::size_t>> rosters(static_cast<std::size_t>(m_options.teams));
        for (int year = m_options.firstYear; year <= m_options.lastYear; ++year) {
            for (int team = 0; team < m_options.teams; ++team) {
                auto& roster = rosters[static_cast<std::size_t>(team)];
                renewRoster(roster, year);
                playSeason(team, year, roster);
            }
        }
        // The database appears whole or not at all.
        CreatedFolders created(folder);
        FileTransaction batch(FileTransaction::Batch::Open);
        write(folder / kTeamMasterFile, teamMaster());
        write(folder / kRostersFile, m_rosters);
        write(folder / kBattingStatsFile, battingStats());
        write(folder / kPitchingStatsFile, pitchingStats());
        write(folder / kFieldingStatsFile, fieldingStats());
        batch.commit();
        created.keep();
    }

private:
    static void write(const std::filesystem::path& file, const std::string& text) {
        writeFileAtomically(file, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    }

    std::string teamIdentifier(int team) const {
        const std::string number = std::to_string(team + 1);
        return "ZT" + std::string(number.size() < 2 ? 2 - number.size() : 0, '0') + number;
    }

    std::string teamName(int team) const {
        const auto& clubs = clubIdentities();
        const auto& club = clubs[static_cast<std::size_t>(team) % clubs.size()];
        std::string name(club.name);
        if (team >= static_cast<int>(clubs.size())) {
            name += " " + std::to_string(team / static_cast<int>(clubs.size()) + 1);
        }
        return name;
    }

    std::size_t newPlayer(int year, bool pitcher, char position) {
        Player p;
        // Names are drawn again while they repeat, so that players of a small database can be
        // told apart by name as the import does.
        for (int attempt = 0; attempt < 8; ++attempt) {
            p.firstName = std::string(m_rng.pick(firstNames()));
            p.lastName = std::string(m_rng.pick(lastNames()));
            if (m_usedNames.insert(p.lastName + "," + p.firstName).second) {
                break;
            }
        }
        std::string stem = lowerAscii(p.lastName, 5) + lowerAscii(p.firstName, 2);
        const int serial = ++m_identifierSerials[stem];
        const std::string digits = std::to_string(serial);
        p.identifier = stem + std::string(digits.size() < 2 ? 2 - digits.size() : 0, '0') + digits;
        p.birthYear = year - m_rng.between(21, 27);
        p.pitcher = pitcher;
        p.position = position;
        p.throws = m_rng.chance(pitcher ? 0.3 : 0.15) ? 'L' : 'R';
        p.bats = m_rng.chance(0.1) ? 'B' : (p.throws == 'L' || m_rng.chance(0.25)) ? 'L' : 'R';
        if (!pitcher && m_rng.chance(0.35)) {
            p.secondary = kFielders[static_cast<std::size_t>(m_rng.below(kFielders.size()))];
            if (p.secondary == p.position) {
                p.secondary = 0;
            }
        }
        p.talent = m_rng.normal(1.0, 0.08);
        m_players.push_back(std::move(p));
        return m_players.size() - 1;
    }

    // The roster's shape: 17 pitchers, then catchers, infielders and outfielders.
    char slotPosition(std::size_t slot) const {
        static constexpr std::array<char, 23> kShape = {'C', '1', '2', '3', 'S', 'O', 'O', 'O', 'C', '1', '2', '3',
                                                        'S', 'O', 'O', 'O', 'C', '2', 'S', 'O', '3', '1', 'O'};
        const std::size_t pitchers = static_cast<std::size_t>(m_options.rosterSize) * 17 / 40;
        return slot < pitchers ? 'P' : kShape[(slot - pitchers) % kShape.size()];
    }

    void renewRoster(std::vector<std::size_t>& roster, int year) {
        const auto size = static_cast<std::size_t>(m_options.rosterSize);
        if (roster.empty()) {
            for (std::size_t slot = 0; slot < size; ++slot) {
                roster.push_back(newPlayer(year, slotPosition(slot) == 'P', slotPosition(slot)));
            }
            return;
        }
        for (std::size_t slot = 0; slot < size; ++slot) {
            if (m_rng.chance(0.25)) {
                roster[slot] = newPlayer(year, slotPosition(slot) == 'P', slotPosition(slot));
            }
        }
    }

    void playSeason(int team, int year, const std::vector<std::size_t>& roster) {
        const auto pitchers = static_cast<std::size_t>(m_options.rosterSize) * 17 / 40;
        for (std::size_t slot = 0; slot < roster.size(); ++slot) {
            Player& p = m_players[roster[slot]];
            int atBats = 0;
            int outs = 0;
            int games = 0;
            std::string positions;
            if (p.pitcher) {
                const std::size_t rank = slot;
                // Five starters, seven relievers, the rest spend the year in the minors.
                const double innings = rank < 5    ? m_rng.uniform(150, 230)
                                       : rank < 12 ? m_rng.uniform(40, 90)
                                                   : m_rng.uniform(2, 18);
                outs = static_cast<int>(innings * 3);
                games = rank < 5 ? m_rng.between(28, 35) : rank < 12 ? m_rng.between(35, 70) : m_rng.between(2, 12);
                atBats = rank < 5 ? m_rng.between(40, 80) : m_rng.between(0, 8);
                pitchSeason(p, outs, games, rank < 5 ? games : 0, rank);
                positions = "P";
            } else {
                const std::size_t rank = slot - pitchers;
                atBats = rank < 13   ? m_rng.between(380, 620)
                         : rank < 18 ? m_rng.between(90, 260)
                                     : m_rng.between(5, 150);
                games = std::clamp(atBats / 4 + m_rng.between(0, 10), 1, 162);
                positions = std::string(1, p.position);
                if (p.secondary != 0) {
                    positions += std::string(m_rng.chance(0.5) ? "/" : "") + p.secondary;
                }
                fieldSeason(p, p.position, games);
                if (p.secondary != 0) {
                    fieldSeason(p, p.secondary, std::max(1, games / 6));
                }
            }
            if (atBats > 0) {
                batSeason(p, atBats, games);
            }
            if (p.pitcher) {
                fieldSeason(p, 'P', games);
            }
            m_rosters += teamIdentifier(team) + ',' + std::to_string(year) + ',' + p.identifier + ',' +
                         std::to_string(atBats) + ',' + std::to_string(outs / 3) + ',' + std::to_string(games) + ',' +
                         positions + '\n';
        }
    }

    void batSeason(Player& p, int atBats, int games) {
        Batting& b = p.batting;
        const double skill = p.pitcher ? 0.55 : p.talent;
        const int hits = m_rng.roundRandom(atBats * std::clamp(0.262 * skill, 0.05, 0.4));
        const int homeRuns = m_rng.roundRandom(hits * std::clamp(0.11 * skill * skill, 0.0, 0.3));
        const int triples = m_rng.roundRandom(hits * 0.02);
        const int doubles = m_rng.roundRandom(hits * 0.19);
        const int walks = m_rng.roundRandom(atBats * 0.09 * skill);
        const int stolen = p.pitcher ? 0 : m_rng.roundRandom(atBats * m_rng.uniform(0, 0.05));
        b.g += games;
        b.ab += atBats;
        b.h += hits;
        b.doubles += doubles;
        b.triples += triples;
        b.hr += homeRuns;
        b.bb += walks;
        b.so += m_rng.roundRandom(atBats * (p.pitcher ? 0.35 : 0.17));
        b.r += m_rng.roundRandom((hits + walks) * 0.38);
        b.rbi += m_rng.roundRandom(hits * 0.35 + homeRuns * 0.9);
        b.sb += stolen;
        b.cs += m_rng.roundRandom(stolen * 0.35);
        b.ibb += m_rng.roundRandom(walks * 0.08);
        b.hbp += m_rng.roundRandom(atBats * 0.008);
        b.sh += m_rng.roundRandom(atBats * 0.006);
        b.sf += m_rng.roundRandom(atBats * 0.008);
    }

    void pitchSeason(Player& p, int outs, int games, int starts, std::size_t rank) {
        Pitching& s = p.pitching;
        const double innings = outs / 3.0;
        const double quality = p.talent;
        const int hits = m_rng.roundRandom(innings * 0.95 / quality);
        s.g += games;
        s.gs += starts;
        s.outs += outs;
        s.h += hits;
        s.hr += m_rng.roundRandom(hits * 0.09);
        s.bb += m_rng.roundRandom(innings * 0.36 / quality);
        s.so += m_rng.roundRandom(innings * 0.6 * quality);
        s.er += m_rng.roundRandom(innings * 0.47 / quality);
        const int decisions = starts > 0 ? m_rng.roundRandom(starts * 0.7) : m_rng.roundRandom(games * 0.12);
        const int wins = m_rng.roundRandom(decisions * std::clamp(0.5 * quality, 0.2, 0.8));
        s.w += wins;
        s.l += decisions - wins;
        s.sv += rank >= 5 && rank < 8 ? m_rng.between(0, 30) : 0;
    }

    void fieldSeason(Player& p, char position, int games) {
        Fielding& f = p.fielding[position];
        const int chances = position == 'P' ? games * 2 : position == 'O' ? games * 2 : games * 5;
        f.g += games;
        const int errors = m_rng.roundRandom(chances * 0.02);
        const int assists = position == 'O' || position == 'C' || position == '1' ? chances / 10 : chances / 2;
        f.a += assists;
        f.po += std::max(0, chances - assists - errors);
        f.e += errors;
        f.dp += m_rng.roundRandom(games * (position == 'S' || position == '2' ? 0.6 : 0.1));
    }

    std::string teamMaster() const {
        std::string text(kTeamMasterTitles);
        for (int team = 0; team < m_options.teams; ++team) {
            text += teamIdentifier(team) + ",F" + teamIdentifier(team) + ',' + std::to_string(m_options.firstYear) +
                    ',' + std::to_string(m_options.lastYear) + ',' + (team % 2 == 0 ? "AL" : "NL") + ',' +
                    teamName(team) + '\n';
        }
        return text;
    }

    std::string names(const Player& p) const { return p.firstName + ',' + p.lastName + ',' + p.identifier; }

    std::string battingStats() const {
        std::string text = battingStatsTitles();
        for (const Player& p : m_players) {
            const Batting& b = p.batting;
            if (b.ab == 0) {
                continue;
            }
            text += names(p) + ',' + std::to_string(p.birthYear) + ',' + p.bats + ',' + p.throws;
            for (const int v : {b.g,
                                b.ab,
                                b.r,
                                b.h,
                                b.doubles,
                                b.triples,
                                b.hr,
                                b.rbi,
                                b.sb,
                                b.cs,
                                b.bb,
                                b.so,
                                b.ibb,
                                b.hbp,
                                b.sh,
                                b.sf}) {
                text += ',' + std::to_string(v);
            }
            text += '\n';
        }
        return text;
    }

    std::string pitchingStats() const {
        std::string text = pitchingStatsTitles();
        for (const Player& p : m_players) {
            const Pitching& s = p.pitching;
            if (!p.pitcher) {
                continue;
            }
            text += names(p) + ',' + p.throws;
            for (const int v : {s.w, s.l, s.g, s.gs, s.sv}) {
                text += ',' + std::to_string(v);
            }
            text += ',' + FormatShort(roundHalfEven(s.outs / 3.0, 2));
            for (const int v : {s.h, s.er, s.hr, s.bb, s.so}) {
                text += ',' + std::to_string(v);
            }
            text += '\n';
        }
        return text;
    }

    std::string fieldingStats() const {
        std::string text = fieldingStatsTitles();
        for (const Player& p : m_players) {
            for (const auto& [position, f] : p.fielding) {
                text += names(p) + ',' + position;
                for (const int v : {f.g, f.po, f.a, f.e, f.dp}) {
                    text += ',' + std::to_string(v);
                }
                text += '\n';
            }
        }
        return text;
    }

    DatabaseOptions m_options;
    Random m_rng;
    std::vector<Player> m_players;
    std::set<std::string> m_usedNames;
    std::map<std::string, int> m_identifierSerials;
    std::string m_rosters;
};

}  // namespace

void generateDatabase(const std::filesystem::path& folder, const DatabaseOptions& options) {
    if (options.teams < 1 || options.teams > 999) {
        throw Error("The number of teams must lie between 1 and 999");
    }
    if (options.firstYear < 1 || options.lastYear < options.firstYear || options.lastYear > 9999) {
        throw Error("The years must be given as FIRST-LAST with FIRST not after LAST");
    }
    if (options.rosterSize < 20 || options.rosterSize > 120) {
        throw Error("The roster size must lie between 20 and 120");
    }
    Generator(options).run(folder);
}

}  // namespace zt::sample
