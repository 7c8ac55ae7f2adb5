#include "sample/stat_totals.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

namespace zt::sample {

namespace {

// What a field of a decoded line is filled from: one of the key values or a totals member.
template <class Totals>
struct Source {
    enum class Kind { Year, Level, Detail, Team, Count } kind;
    typename Totals::Member member = nullptr;
};

template <class Totals>
typename Totals::Member memberNamed(std::string_view name) {
    for (const auto& [fieldName, member] : Totals::fields()) {
        if (fieldName == name) {
            return member;
        }
    }
    throw std::logic_error("no totals member for line field " + std::string(name));
}

// The sources in the order visitLineFields visits the fields, resolved once by name, so that
// building millions of lines does not compare names.
template <class Data, class Totals>
const std::vector<Source<Totals>>& sources() {
    static const std::vector<Source<Totals>> order = [] {
        using K = typename Source<Totals>::Kind;
        std::vector<Source<Totals>> result;
        Data probe;
        visitLineFields(probe, [&](std::string_view name, auto&, const BitSpot&) {
            if (name == "year") {
                result.push_back({K::Year});
            } else if (name == "level") {
                result.push_back({K::Level});
            } else if (name == "split" || name == "position") {
                result.push_back({K::Detail});
            } else if (name == "team") {
                result.push_back({K::Team});
            } else {
                result.push_back({K::Count, memberNamed<Totals>(name)});
            }
        });
        return result;
    }();
    return order;
}

template <class Data, class Totals>
Data toData(const LineKey& key, const Totals& totals) {
    using K = typename Source<Totals>::Kind;
    const auto& order = sources<Data, Totals>();
    Data data;
    std::size_t index = 0;
    visitLineFields(data, [&](std::string_view, auto& member, const BitSpot& spot) {
        const Source<Totals>& source = order[index++];
        int value = 0;
        switch (source.kind) {
            case K::Year:
                value = key.year;
                break;
            case K::Level:
                value = key.level;
                break;
            case K::Detail:
                value = key.detail;
                break;
            case K::Team:
                value = key.team;
                break;
            case K::Count:
                value = totals.*source.member;
                break;
        }
        const auto limit = static_cast<std::int64_t>(spot.maximum());
        member = static_cast<std::remove_reference_t<decltype(member)>>(std::clamp<std::int64_t>(value, 0, limit));
    });
    return data;
}

template <class Data, class Totals>
void addData(Totals& totals, const Data& data) {
    using K = typename Source<Totals>::Kind;
    const auto& order = sources<Data, Totals>();
    std::size_t index = 0;
    visitLineFields(data, [&](std::string_view, const auto& member, const BitSpot&) {
        const Source<Totals>& source = order[index++];
        if (source.kind == K::Count) {
            totals.*source.member += static_cast<int>(member);
        }
    });
}

template <class Totals>
void addAll(Totals& target, const Totals& other) {
    for (const auto& field : Totals::fields()) {
        target.*field.second += other.*field.second;
    }
}

template <class Totals>
bool allZero(const Totals& totals) {
    const auto& fields = Totals::fields();
    return std::all_of(fields.begin(), fields.end(), [&](const auto& field) { return totals.*field.second == 0; });
}

}  // namespace

const std::array<std::pair<std::string_view, BattingTotals::Member>, 20>& BattingTotals::fields() {
    using T = BattingTotals;
    static constexpr std::array<std::pair<std::string_view, Member>, 20> kFields = {{
        {"games", &T::games},
        {"atBats", &T::atBats},
        {"hits", &T::hits},
        {"doubles", &T::doubles},
        {"triples", &T::triples},
        {"homeRuns", &T::homeRuns},
        {"walks", &T::walks},
        {"strikeouts", &T::strikeouts},
        {"rbi", &T::rbi},
        {"stolenBases", &T::stolenBases},
        {"caughtStealing", &T::caughtStealing},
        {"runs", &T::runs},
        {"pickoffs", &T::pickoffs},
        {"hitByPitch", &T::hitByPitch},
        {"gidp", &T::gidp},
        {"intentionalWalks", &T::intentionalWalks},
        {"sacFlies", &T::sacFlies},
        {"sacHits", &T::sacHits},
        {"pinchAtBats", &T::pinchAtBats},
        {"pinchBaseHits", &T::pinchBaseHits},
    }};
    return kFields;
}

const std::array<std::pair<std::string_view, PitchingTotals::Member>, 26>& PitchingTotals::fields() {
    using T = PitchingTotals;
    static constexpr std::array<std::pair<std::string_view, Member>, 26> kFields = {{
        {"outsPitched", &T::outsPitched},
        {"hits", &T::hits},
        {"doubles", &T::doubles},
        {"triples", &T::triples},
        {"homeRuns", &T::homeRuns},
        {"walks", &T::walks},
        {"strikeouts", &T::strikeouts},
        {"earnedRuns", &T::earnedRuns},
        {"runs", &T::runs},
        {"stolenBases", &T::stolenBases},
        {"caughtStealing", &T::caughtStealing},
        {"wins", &T::wins},
        {"losses", &T::losses},
        {"saves", &T::saves},
        {"blownSaves", &T::blownSaves},
        {"completeGames", &T::completeGames},
        {"shutouts", &T::shutouts},
        {"gamesStarted", &T::gamesStarted},
        {"games", &T::games},
        {"balks", &T::balks},
        {"hitBatsmen", &T::hitBatsmen},
        {"wildPitches", &T::wildPitches},
        {"extra", &T::extra},
        {"holds", &T::holds},
        {"qualityStarts", &T::qualityStarts},
        {"pitchCount", &T::pitchCount},
    }};
    return kFields;
}

const std::array<std::pair<std::string_view, FieldingTotals::Member>, 9>& FieldingTotals::fields() {
    using T = FieldingTotals;
    static constexpr std::array<std::pair<std::string_view, Member>, 9> kFields = {{
        {"games", &T::games},
        {"assists", &T::assists},
        {"putouts", &T::putouts},
        {"errors", &T::errors},
        {"doublePlays", &T::doublePlays},
        {"stolenBasesAllowed", &T::stolenBasesAllowed},
        {"caughtStealing", &T::caughtStealing},
        {"passedBalls", &T::passedBalls},
        {"outsPlayed", &T::outsPlayed},
    }};
    return kFields;
}

BattingTotals& BattingTotals::operator+=(const BattingTotals& other) {
    addAll(*this, other);
    return *this;
}
PitchingTotals& PitchingTotals::operator+=(const PitchingTotals& other) {
    addAll(*this, other);
    return *this;
}
FieldingTotals& FieldingTotals::operator+=(const FieldingTotals& other) {
    addAll(*this, other);
    return *this;
}

bool BattingTotals::empty() const {
    return allZero(*this);
}
bool PitchingTotals::empty() const {
    return allZero(*this);
}
bool FieldingTotals::empty() const {
    return allZero(*this);
}

BattingLine makeBattingLine(const LineKey& key, const BattingTotals& totals, std::uint8_t spare) {
    BattingLine line;
    line.bytes()[27] = spare;
    encodeBattingLine(toData<BattingLineData>(key, totals), line);
    return line;
}

PitchingLine makePitchingLine(const LineKey& key,
                              const PitchingTotals& totals,
                              const std::array<std::uint8_t, 3>& spare) {
    PitchingLine line;
    std::copy(spare.begin(), spare.end(), line.bytes().begin() + 33);
    encodePitchingLine(toData<PitchingLineData>(key, totals), line);
    return line;
}

FieldingLine makeFieldingLine(const LineKey& key, const FieldingTotals& totals, std::uint8_t spare) {
    FieldingLine line;
    line.bytes()[15] = spare;
    encodeFieldingLine(toData<FieldingLineData>(key, totals), line);
    return line;
}

void addLine(BattingTotals& totals, const BattingLineData& line) {
    addData(totals, line);
}
void addLine(PitchingTotals& totals, const PitchingLineData& line) {
    addData(totals, line);
}
void addLine(FieldingTotals& totals, const FieldingLineData& line) {
    addData(totals, line);
}

}  // namespace zt::sample
