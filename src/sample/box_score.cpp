#include "sample/box_score.h"

#include <algorithm>

#include "league/numbers.h"

namespace zt::sample {

namespace {

constexpr std::string_view kEol = "\r\n";
constexpr std::string_view kSummaryMarker = "SUMMARY";
constexpr std::string_view kEndMarker = "END";

std::string padRight(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.append(width - text.size(), ' ');
    }
    return text;
}

std::string padLeft(const std::string& text, std::size_t width) {
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

std::string num(int value, std::size_t width) {
    return padLeft(std::to_string(value), width);
}

// The markers must stay unique within a box score, or a reader that copies up to "END" stops
// early; any other occurrence in a name is written in mixed case instead.
std::string withoutMarkers(std::string line) {
    for (const std::string_view marker : {kSummaryMarker, kEndMarker}) {
        for (std::size_t at = line.find(marker); at != std::string::npos; at = line.find(marker, at + 1)) {
            for (std::size_t i = at + 1; i < at + marker.size(); ++i) {
                line[i] = static_cast<char>(line[i] - 'A' + 'a');
            }
        }
    }
    return line;
}

class Writer {
public:
    explicit Writer(std::string& out) : m_out(out) {}
    void line(const std::string& text) {
        m_out += withoutMarkers(text);
        m_out += kEol;
    }
    void marker(std::string_view text) {
        m_out += text;
        m_out += kEol;
    }

private:
    std::string& m_out;
};

std::string nameOf(const Profile& p) {
    return p.lastName + ", " + p.firstName.substr(0, 1);
}

std::string fullName(const Profile& p) {
    return p.firstName + " " + p.lastName;
}

std::string positionLabel(int position) {
    static constexpr std::string_view kLabels[] = {"ph", "p", "c", "1b", "2b", "3b", "ss", "lf", "cf", "rf", "dh"};
    return std::string(kLabels[position]);
}

std::string inningsText(int outs) {
    return std::to_string(outs / 3) + "." + std::to_string(outs % 3);
}

void lineScore(Writer& w, const GameLog& game, const std::vector<TeamLabel>& teams) {
    const std::size_t innings = game.sides[0].inningRuns.size();
    std::string header = padRight("", 16);
    for (std::size_t i = 1; i <= innings; ++i) {
        header += num(static_cast<int>(i), 3);
    }
    w.line(header + "     R   H   E");
    for (const TeamBox& side : game.sides) {
        std::string row = padRight(teams[static_cast<std::size_t>(side.team)].abbreviation, 16);
        for (const int runs : side.inningRuns) {
            row += runs < 0 ? "  x" : num(runs, 3);
        }
        w.line(row + "  " + num(side.runs, 3) + num(side.hits, 4) + num(side.errors, 4));
    }
}

void battingTable(
    Writer& w, const TeamBox& side, const Organisation& org, const SeasonBook& book, const TeamLabel& label) {
    w.line(padRight(label.name, 28) + "  AB   R   H RBI  BB  SO   AVG");
    std::vector<const BatterGame*> order;
    for (const auto& b : side.batters) {
        order.push_back(&b);
    }
    std::stable_sort(order.begin(), order.end(), [](const auto* a, const auto* b) { return a->slot < b->slot; });
    BattingTotals sum;
    int previousSlot = -1;
    for (const BatterGame* b : order) {
        const BattingTotals t = b->total();
        sum += t;
        const SeasonRecord* season = book.find(b->player);
        BattingTotals year = season->batting[0];
        year += season->batting[1];
        const std::string average = year.atBats > 0 ? FormatRate(static_cast<double>(year.hits) / year.atBats) : ".000";
        // Players who came in later for the same spot in the order are indented below him.
        const std::string indent = b->slot == previousSlot ? "  " : "";
        previousSlot = b->slot;
        const std::string name = padRight(indent + nameOf(org.player(b->player)), 22) + positionLabel(b->position);
        w.line(padRight(name, 28) + num(t.atBats, 4) + num(t.runs, 4) + num(t.hits, 4) + num(t.rbi, 4) +
               num(t.walks, 4) + num(t.strikeouts, 4) + padLeft(average, 6));
    }
    w.line(padRight("Totals", 28) + num(sum.atBats, 4) + num(sum.runs, 4) + num(sum.hits, 4) + num(sum.rbi, 4) +
           num(sum.walks, 4) + num(sum.strikeouts, 4));
}

void pitchingTable(Writer& w, const TeamBox& side, const Organisation& org, const TeamLabel& label) {
    w.line(padRight(label.name, 28) + "    IP   H   R  ER  BB  SO");
    for (const PitcherGame& p : side.pitchers) {
        const PitchingTotals t = p.total();
        w.line(padRight(nameOf(org.player(p.player)), 28) + padLeft(inningsText(t.outsPitched), 6) + num(t.hits, 4) +
               num(t.runs, 4) + num(t.earnedRuns, 4) + num(t.walks, 4) + num(t.strikeouts, 4));
    }
}

// "2B: Name (season total), ..." for one kind of hit, or nothing when nobody had one.
void hitsLine(Writer& w,
              std::string_view caption,
              int BattingTotals::*member,
              const GameLog& game,
              const Organisation& org,
              const SeasonBook& book) {
    std::string text;
    for (const TeamBox& side : game.sides) {
        for (const BatterGame& b : side.batters) {
            const int count = b.total().*member;
            if (count == 0) {
                continue;
            }
            const SeasonRecord* season = book.find(b.player);
            const int total = season->batting[0].*member + season->batting[1].*member;
            text += (text.empty() ? "" : ", ") + org.player(b.player).lastName +
                    (count > 1 ? " " + std::to_string(count) : "") + " (" + std::to_string(total) + ")";
        }
    }
    if (!text.empty()) {
        w.line(std::string(caption) + ": " + text);
    }
}

}  // namespace

std::string boxScoreKey(int team, int day) {
    return "m" + std::to_string(team) + " (Day " + std::to_string(day) + ")";
}

void appendBoxScore(std::string& out,
                    const GameLog& game,
                    const Organisation& org,
                    const SeasonBook& book,
                    const std::vector<TeamLabel>& teams) {
    Writer w(out);
    const TeamBox& visitors = game.sides[0];
    const TeamBox& home = game.sides[1];
    const TeamLabel& visitorLabel = teams[static_cast<std::size_t>(visitors.team)];
    const TeamLabel& homeLabel = teams[static_cast<std::size_t>(home.team)];
    // The key line is written as it stands: it is what readers search for.
    out += boxScoreKey(visitors.team, game.day) + " at " + boxScoreKey(home.team, game.day);
    out += kEol;
    w.line(visitorLabel.name + " " + std::to_string(visitors.runs) + ", " + homeLabel.name + " " +
           std::to_string(home.runs));
    w.line("");
    lineScore(w, game, teams);
    w.line("");
    battingTable(w, visitors, org, book, visitorLabel);
    w.line("");
    battingTable(w, home, org, book, homeLabel);
    w.line("");
    pitchingTable(w, visitors, org, visitorLabel);
    w.line("");
    pitchingTable(w, home, org, homeLabel);
    w.line("");

    w.marker(kSummaryMarker);
    const auto record = [&](int player) {
        const SeasonRecord* r = book.find(player);
        return " (" + std::to_string(r->wins()) + "-" + std::to_string(r->losses()) + ")";
    };
    w.line("Win: " + fullName(org.player(game.winner)) + record(game.winner));
    w.line("Loss: " + fullName(org.player(game.loser)) + record(game.loser));
    if (game.saver >= 0) {
        w.line("Save: " + fullName(org.player(game.saver)) + " (" + std::to_string(book.find(game.saver)->saves()) +
               ")");
    }
    hitsLine(w, "2B", &BattingTotals::doubles, game, org, book);
    hitsLine(w, "3B", &BattingTotals::triples, game, org, book);
    hitsLine(w, "HR", &BattingTotals::homeRuns, game, org, book);
    hitsLine(w, "SB", &BattingTotals::stolenBases, game, org, book);
    w.marker(kEndMarker);
    out += kEol;
}

}  // namespace zt::sample
