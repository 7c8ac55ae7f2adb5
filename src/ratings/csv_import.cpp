// The row import shared by "Standard CSV Import" and "Import Team": each row finds or creates
// its player by name and applies its cells field by field.
#include "ratings/csv_import.h"

#include <algorithm>
#include <array>
#include <limits>
#include <memory>

#include "league/error.h"
#include "league/interaction.h"
#include "league/league.h"
#include "league/league_text.h"
#include "league/message_text.h"
#include "league/numbers.h"
#include "league/player_fields.h"
#include "league/progress.h"
#include "ratings/csv_columns.h"
#include "ratings/csv_reader.h"
#include "ratings/csv_row_import.h"
#include "ratings/position_string.h"
#include "ratings/rating_computation.h"
#include "rosters/transfers.h"

namespace zt {

namespace {

constexpr int kFreeAgents = 255;
constexpr std::int64_t kLargestPlayerId = std::numeric_limits<std::uint16_t>::max();

// The history fields the codes 94..160 fill, in code order.
constexpr std::array<std::string_view, 13> kFieldingFields = {"year",
                                                              "level",
                                                              "errors",
                                                              "passedBalls",
                                                              "caughtStealing",
                                                              "putouts",
                                                              "doublePlays",
                                                              "assists",
                                                              "stolenBasesAllowed",
                                                              "outsPlayed",
                                                              "position",
                                                              "team",
                                                              "games"};
constexpr std::array<std::string_view, 24> kBattingFields = {
    "games",          "atBats",           "pickoffs",      "year",        "split", "hits",
    "hitByPitch",     "doubles",          "triples",       "homeRuns",    "walks", "stolenBases",
    "caughtStealing", "strikeouts",       "pinchBaseHits", "pinchAtBats", "runs",  "rbi",
    "gidp",           "intentionalWalks", "sacFlies",      "sacHits",     "team",  "level"};
constexpr std::array<std::string_view, 30> kPitchingFields = {
    "year",       "level",    "split",        "doubles",       "outsPitched",    "hits",
    "blownSaves", "triples",  "homeRuns",     "stolenBases",   "completeGames",  "walks",
    "strikeouts", "games",    "earnedRuns",   "hitBatsmen",    "wildPitches",    "extra",
    "runs",       "shutouts", "gamesStarted", "balks",         "caughtStealing", "wins",
    "losses",     "saves",    "holds",        "qualityStarts", "pitchCount",     "team"};
static_assert(csvcode::fieldingHistoryFirst + kFieldingFields.size() == csvcode::battingHistoryFirst);
static_assert(csvcode::battingHistoryFirst + kBattingFields.size() == csvcode::pitchingHistoryFirst);
static_assert(csvcode::pitchingHistoryFirst + kPitchingFields.size() == csvcode::count);

// A value too large for its field of the stored line is kept at the largest the field holds
// (and a negative one at 0), never cut to its low bits.
template <class Data>
void setLineField(Data& data, std::string_view name, std::int64_t value) {
    visitLineFields(data, [&](std::string_view field, auto& member, const BitSpot& spot) {
        if (field == name) {
            using T = std::remove_reference_t<decltype(member)>;
            const std::int64_t top =
                std::min<std::int64_t>(spot.maximum(), static_cast<std::int64_t>(std::numeric_limits<T>::max()));
            member = static_cast<T>(std::clamp<std::int64_t>(value, 0, top));
        }
    });
}

std::int64_t roundWhole(double x) {
    const double r = roundHalfEven(x);
    if (!(r > -1e15 && r < 1e15)) {
        return r < 0 ? -1'000'000'000'000'000 : 1'000'000'000'000'000;
    }
    return static_cast<std::int64_t>(r);
}

template <class Field>
void setRounded(PlayerRecord& player, Field field, double v) {
    writeNumber(player, fieldRef(field), roundHalfEven(v));
}

template <class Field>
void setValue(PlayerRecord& player, Field field, double v) {
    writeNumber(player, fieldRef(field), v);
}

// Names of the row as league text: a file saved as UTF-8 is converted, one in the league's own
// single-byte encoding is taken as it is.
std::string leagueName(std::string_view cell) {
    try {
        return leagueTextFromUtf8(cell);
    } catch (const Error&) {
        return std::string(cell);
    }
}

void giveThreeDefaultPitches(PlayerRecord& player) {
    player.set(pf::pitchCount, std::uint8_t{3});
    const std::array<std::pair<std::int32_t, float>, 3> pitches = {{{1, 0.34f}, {2, 0.33f}, {3, 0.33f}}};
    for (int slot = 0; slot < 3; ++slot) {
        PitchSlot pitch = player.pitch(slot);
        pitch.set(ps::pitchType, pitches[static_cast<std::size_t>(slot)].first);
        pitch.set(ps::quality, pitches[static_cast<std::size_t>(slot)].second);
        player.setPitch(slot, pitch);
    }
}

void setNewPlayerDefaults(PlayerRecord& p) {
    p.set(pf::role, std::uint8_t{1});
    p.set(pf::complexion, std::uint8_t{1});
    p.set(pf::facialHair, std::uint8_t{0});
    p.set(pf::battingStance, std::uint8_t{0});
    p.set(pf::pullPct, 0.33f);
    p.set(pf::middlePct, 0.34f);
    p.set(pf::oppFieldPct, 0.33f);
    p.set(pf::batGroundBallPct, 0.44f);
    p.set(pf::faceNumber, std::uint16_t{0});
    p.set(pf::delivery, std::uint8_t{1});
    p.set(pf::height, std::uint8_t{72});
    p.set(pf::weight, std::uint16_t{200});
    p.set(pf::daysOut, std::uint16_t{0});
    p.set(pf::suspensionDays, std::uint16_t{0});
    p.set(pf::uniformNumber, std::uint8_t{99});
    p.set(pf::starRating, 20.0f);
    p.set(pf::runSpeed, 2.4f);
    p.set(pf::armRating, 7.0f);
    p.set(pf::infieldRange, 7.0f);
    p.set(pf::outfieldRange, 7.0f);
    p.set(pf::fieldingPct, 0.99f);
    p.set(pf::endurance, 2.0f);
    p.set(pf::pitAB, 84.0f);
    p.set(pf::pitHits, 30.0f);
    p.set(pf::pitDoubles, 8.0f);
    p.set(pf::pitTriples, 1.0f);
    p.set(pf::pitHomeRuns, 12.0f);
    p.set(pf::pitWalks, 30.0f);
    p.set(pf::pitStrikeouts, 6.0f);
    p.set(pf::pitchCount, std::uint8_t{1});
    PitchSlot fastball;
    fastball.set(ps::pitchType, 1);
    fastball.set(ps::quality, 1.0f);
    fastball.set(ps::avgVsL, 0.4f);
    fastball.set(ps::avgVsR, 0.4f);
    fastball.set(ps::obpVsL, 0.5f);
    fastball.set(ps::obpVsR, 0.5f);
    fastball.set(ps::slgVsL, 0.7f);
    fastball.set(ps::slgVsR, 0.7f);
    p.setPitch(0, fastball);
    for (int slot = 1; slot < pf::kPitchSlots; ++slot) {
        p.setPitch(slot, PitchSlot{});
    }
    for (int i = 0; i < pf::kFamiliarityCount; ++i) {
        p.setFamiliarity(i, 0.0f);
    }
}

}  // namespace

// ---- session ----------------------------------------------------------------------------------

ImportSession::ImportSession(CsvImportContext& ctx) : context(ctx) {
    League& league = context.league;
    for (const auto& player : league.players) {
        nextId = std::max<std::int64_t>(nextId, player->playerId());
        // Later players win: the search runs from the last player up.
        m_byNames[nameKey(player->get(pf::lastName), player->get(pf::firstName))] = player.get();
    }
    startHighestId = nextId;
    for (auto it = league.playerHistories.rbegin(); it != league.playerHistories.rend(); ++it) {
        m_histories[(*it)->key] = it->get();  // the first block of a key wins
    }
    templatePlayer = league.currentPlayer;
}

std::string ImportSession::nameKey(std::string_view lastName, std::string_view firstName) {
    std::string key;
    for (const char c : FileSafeName(lastName)) {
        key.push_back(static_cast<char>(lowerCaseLeagueByte(static_cast<unsigned char>(c))));
    }
    key.push_back('\0');
    for (const char c : FileSafeName(firstName)) {
        key.push_back(static_cast<char>(lowerCaseLeagueByte(static_cast<unsigned char>(c))));
    }
    return key;
}

PlayerRecord* ImportSession::findByNames(std::string_view lastName, std::string_view firstName) const {
    const auto found = m_byNames.find(nameKey(lastName, firstName));
    return found == m_byNames.end() ? nullptr : found->second;
}

StatHistory* ImportSession::historyOf(std::int32_t playerId) const {
    const auto found = m_histories.find(playerId);
    return found == m_histories.end() ? nullptr : found->second;
}

PlayerRecord& ImportSession::add(const PlayerRecord& player) {
    auto history = std::make_unique<StatHistory>();
    history->key = player.playerId();
    StatHistory* block = history.get();
    const int index = context.league.addPlayer(std::make_unique<PlayerRecord>(player), std::move(history));
    PlayerRecord& added = *context.league.players[static_cast<std::size_t>(index)];
    m_byNames[nameKey(added.get(pf::lastName), added.get(pf::firstName))] = &added;
    m_histories.try_emplace(block->key, block);
    return added;
}

// ---- rows -------------------------------------------------------------------------------------

struct RowImporter::RowState {
    FieldingLineData fielding;
    BattingLineData batting;
    PitchingLineData pitching;
};

RowImporter::RowImporter(ImportSession& session, CsvText& csv, RowFileKind kind, const CsvImportOptions& options)
    : m_session(session), m_csv(csv), m_kind(kind), m_options(options) {
    m_codes = session.context.columns.codesOfHeader(csv);
    csv.requireValueCount(m_codes.size(), 1);
    m_columnOfCode.assign(csvcode::count, -1);
    for (std::size_t column = 0; column < m_codes.size(); ++column) {
        const int code = m_codes[column];
        if (code >= 0 && code < csvcode::count && m_columnOfCode[static_cast<std::size_t>(code)] < 0) {
            m_columnOfCode[static_cast<std::size_t>(code)] = static_cast<int>(column);
        }
    }
}

std::size_t RowImporter::rowCount() const {
    return m_csv.recordCount() == 0 ? 0 : m_csv.recordCount() - 1;
}

std::string_view RowImporter::cell(std::size_t record, int code) const {
    const int column = m_columnOfCode[static_cast<std::size_t>(code)];
    return column < 0 ? std::string_view() : m_csv.value(record, static_cast<std::size_t>(column));
}

void RowImporter::invalid(std::size_t record, std::size_t column) const {
    throw Error(quotedInMessage(m_csv.value(record, column)) + " is not a valid value for " +
                quotedInMessage(m_csv.value(0, column)) + " (" + m_csv.where(record) + ")");
}

double RowImporter::convert(std::size_t record, std::size_t column) const {
    try {
        return parseFloat(m_csv.value(record, column));
    } catch (const Error&) {
        invalid(record, column);
    }
}

std::int64_t RowImporter::convertWhole(std::size_t record, std::size_t column) const {
    try {
        return parseInteger(m_csv.value(record, column));
    } catch (const Error&) {
        invalid(record, column);
    }
}

std::optional<double> RowImporter::number(std::size_t record, int code) const {
    const int column = m_columnOfCode[static_cast<std::size_t>(code)];
    if (column < 0 || m_csv.value(record, static_cast<std::size_t>(column)).empty()) {
        return std::nullopt;
    }
    return convert(record, static_cast<std::size_t>(column));
}

double RowImporter::numberOr0(std::size_t record, int code) const {
    return number(record, code).value_or(0);
}

bool RowImporter::rowIsFor(std::size_t record, const RosterPlayer& roster) const {
    if (FileSafeName(cell(record, csvcode::playerIdentifier)) != roster.identifier) {
        return false;
    }
    if (m_kind == RowFileKind::Fielding &&
        (roster.positions.empty() || cell(record, csvcode::position) != roster.positions.substr(0, 1))) {
        return false;
    }
    if (m_kind == RowFileKind::Pitching && !(numberOr0(record, csvcode::innings) >= 3)) {
        return false;
    }
    return true;
}

std::vector<std::vector<std::size_t>> RowImporter::rowsOfRoster(std::span<const RosterPlayer> roster) const {
    std::unordered_map<std::string_view, std::size_t> slotOf;
    for (std::size_t i = 0; i < roster.size(); ++i) {
        slotOf.try_emplace(roster[i].identifier, i);
    }
    std::vector<std::vector<std::size_t>> rows(roster.size());
    std::string cleaned;
    for (std::size_t record = 1; record < m_csv.recordCount(); ++record) {
        std::string_view id = cell(record, csvcode::playerIdentifier);
        if (id.find_first_of(" '.") != std::string_view::npos) {
            cleaned = FileSafeName(id);
            id = cleaned;
        }
        const auto found = slotOf.find(id);
        if (found == slotOf.end()) {
            continue;
        }
        // A player listed twice on the roster finds his rows under each entry.
        for (std::size_t i = found->second; i < roster.size(); ++i) {
            if (roster[i].identifier == id) {
                rows[i].push_back(record);
            }
        }
    }
    return rows;
}

PlayerRecord& RowImporter::createPlayer(std::string_view lastName,
                                        std::string_view firstName,
                                        const RosterPlayer* roster) {
    CsvImportContext& context = m_session.context;
    if (m_session.nextId + 1 > kLargestPlayerId) {
        throw Error("No player id is left for a new player: the largest id " + std::to_string(kLargestPlayerId) +
                    " is taken");
    }
    PlayerRecord player = m_session.templatePlayer != nullptr ? *m_session.templatePlayer : PlayerRecord{};
    ++m_session.nextId;
    player.set(pf::playerId, static_cast<std::uint16_t>(m_session.nextId));
    player.set(pf::lastName, lastName.substr(0, 16));
    player.set(pf::firstName, firstName.substr(0, 16));
    setNewPlayerDefaults(player);
    player.set(pf::level, static_cast<std::uint8_t>(roster != nullptr ? roster->level : 0));
    if (roster != nullptr) {
        applyPositionString(player, roster->positions);
    }
    const int destination = m_options.destination;
    player.set(pf::teamIndex, static_cast<std::uint8_t>(destination));
    PlayerRecord& added = m_session.add(player);
    if (destination != kFreeAgents) {
        transferPlayer(context.league, added, kFreeAgents, destination, context.interaction);
    }
    ++m_session.counts.created;
    return added;
}

bool RowImporter::applyRow(std::size_t record, const RosterPlayer* roster, const TeamModeSettings* team) {
    CsvImportContext& context = m_session.context;
    const std::string firstName = leagueName(m_csv.value(record, 0));
    const std::string lastName = m_csv.valueCount(record) > 1 ? leagueName(m_csv.value(record, 1)) : std::string();
    PlayerRecord* found = m_session.findByNames(lastName, firstName);
    const bool fielding = m_kind == RowFileKind::Fielding;
    PlayerRecord* player = nullptr;
    if (found != nullptr && (!m_options.noCheck || found->playerId() > context.memory.teamImportStartId || fielding)) {
        player = found;
        ++m_session.counts.processed;
    } else if (found != nullptr || m_options.createPlayers) {
        player = &createPlayer(lastName, firstName, roster);
    } else {
        return false;
    }
    context.league.markChanged();
    m_session.templatePlayer = player;

    RowState state;
    for (std::size_t column = 2; column < m_codes.size(); ++column) {
        if (!m_csv.value(record, column).empty()) {
            applyCell(*player, record, column, state, roster, team);
        }
    }

    if (StatHistory* history = m_session.historyOf(player->playerId())) {
        if (state.fielding.year != 0) {
            FieldingLine line;
            encodeFieldingLine(state.fielding, line);
            history->fielding.push_back(line);
        }
        if (state.batting.year != 0) {
            BattingLine line;
            encodeBattingLine(state.batting, line);
            history->batting.push_back(line);
        }
        if (state.pitching.year != 0) {
            PitchingLine line;
            encodePitchingLine(state.pitching, line);
            history->pitching.push_back(line);
        }
    }
    deriveRunSpeed(*player, number(record, csvcode::stolenBases), number(record, csvcode::caughtStealing));
    if (found == nullptr && player->get(pf::position) == 1) {
        giveThreeDefaultPitches(*player);
    }
    const bool createdByTeamImport = team != nullptr && player->playerId() > m_session.startHighestId;
    if (createdByTeamImport) {
        teamExtras(*player, record, *team);
    }
    deriveFieldingPct(
        *player, number(record, csvcode::assists), number(record, csvcode::putouts), number(record, csvcode::errors));
    std::array<std::optional<double>, 6> pitchInputs;
    for (int i = 0; i < 6; ++i) {
        pitchInputs[static_cast<std::size_t>(i)] = number(record, csvcode::pitchSplitsFirst + i);
    }
    if (std::all_of(pitchInputs.begin(), pitchInputs.end(), [](const auto& v) { return v.has_value(); })) {
        auto f = [&](int i) { return static_cast<float>(*pitchInputs[static_cast<std::size_t>(i)]); };
        DistributePitchSplits(*player, f(0), f(3), f(1), f(4), f(2), f(5));
    } else if (player->get(pf::pitAB) > 0 &&
               (m_options.recalcPitching || (found == nullptr && m_options.createPlayers) ||
                player->playerId() >= context.league.loadedPlayerCount)) {
        ComputePitcherSplits(*player, context.constants);
    }
    if (m_options.recalcBatting) {
        ComputeBatterSplits(*player, context.constants);
    }
    return createdByTeamImport;
}

void RowImporter::applyCell(PlayerRecord& p,
                            std::size_t record,
                            std::size_t column,
                            RowState& state,
                            const RosterPlayer* roster,
                            const TeamModeSettings* team) {
    const int code = m_codes[column];
    const std::string_view text = m_csv.value(record, column);
    auto v = [&] { return convert(record, column); };
    if (code >= csvcode::historyFirst) {
        std::int64_t whole = 0;
        if (code == csvcode::fieldingOutsPlayed || code == csvcode::pitchingOutsPitched) {
            whole = roundWhole(v() * 3);
        } else {
            whole = convertWhole(record, column);
        }
        if (code < csvcode::battingHistoryFirst) {
            setLineField(
                state.fielding, kFieldingFields[static_cast<std::size_t>(code - csvcode::fieldingHistoryFirst)], whole);
        } else if (code < csvcode::pitchingHistoryFirst) {
            setLineField(
                state.batting, kBattingFields[static_cast<std::size_t>(code - csvcode::battingHistoryFirst)], whole);
        } else {
            setLineField(
                state.pitching, kPitchingFields[static_cast<std::size_t>(code - csvcode::pitchingHistoryFirst)], whole);
        }
        return;
    }
    switch (code) {
        case csvcode::uniformNumber:
            setRounded(p, pf::uniformNumber, v());
            break;
        case csvcode::age:
            setRounded(p, pf::age, v());
            break;
        case csvcode::position:
            if (m_options.lahmanPositions) {
                applyPositionString(p, text);
            } else {
                setRounded(p, pf::position, v());
            }
            break;
        case csvcode::role:
            setRounded(p, pf::role, v());
            break;
        case csvcode::bats:
        case csvcode::throws: {
            const std::uint8_t hand = text == "L" ? 0 : text == "R" ? 1 : 2;
            if (code == csvcode::bats) {
                p.set(pf::bats, hand);
            } else {
                p.set(pf::throws, hand);
            }
            break;
        }
        case csvcode::level:
            setRounded(p, pf::level, v());
            break;
        case csvcode::daysOut:
            setRounded(p, pf::daysOut, v());
            break;
        case csvcode::suspensionDays:
            setRounded(p, pf::suspensionDays, v());
            break;
        case csvcode::face:
            setRounded(p, pf::faceNumber, v());
            break;
        case csvcode::complexion:
            setRounded(p, pf::complexion, v());
            break;
        case csvcode::facialHair:
            p.set(pf::facialHair, static_cast<std::uint8_t>(roundHalfEven(v()) == 1 ? 1 : 0));
            break;
        case csvcode::height:
            setRounded(p, pf::height, v());
            break;
        case csvcode::weight:
            setRounded(p, pf::weight, v());
            break;
        case csvcode::battingStance:
            setRounded(p, pf::battingStance, v());
            break;
        case csvcode::arm:
            setValue(p, pf::armRating, v());
            break;
        case csvcode::speed:
            setValue(p, pf::runSpeed, v());
            break;
        case csvcode::fatigue:
            setValue(p, pf::fatigue, v());
            break;
        case 20:
            setRounded(p, pf::batAB, v());
            break;
        case 21:
            setRounded(p, pf::batHits, v());
            break;
        case 22:
            setRounded(p, pf::batDoubles, v());
            break;
        case 23:
            setRounded(p, pf::batTriples, v());
            break;
        case 24:
            setRounded(p, pf::batHomeRuns, v());
            break;
        case 25:
            setRounded(p, pf::batWalks, v());
            break;
        case 26:
            setRounded(p, pf::batStrikeouts, v());
            break;
        case 27:
            setValue(p, pf::avgVsL, v());
            break;
        case 28:
            setValue(p, pf::obpVsL, v());
            break;
        case 29:
            setValue(p, pf::slgVsL, v());
            break;
        case 30:
            setValue(p, pf::avgVsR, v());
            break;
        case 31:
            setValue(p, pf::obpVsR, v());
            break;
        case 32:
            setValue(p, pf::slgVsR, v());
            break;
        case 33:
            setValue(p, pf::pullPct, v());
            break;
        case 34:
            setValue(p, pf::middlePct, v());
            break;
        case 35:
            setValue(p, pf::oppFieldPct, v());
            break;
        case 36:
            setValue(p, pf::batGroundBallPct, v());
            break;
        case 37:
            setRounded(p, pf::pitAB, v());
            break;
        case 38:
            setRounded(p, pf::pitHits, v());
            break;
        case 39:
            setRounded(p, pf::pitDoubles, v());
            break;
        case 40:
            setRounded(p, pf::pitTriples, v());
            break;
        case 41:
            setRounded(p, pf::pitHomeRuns, v());
            break;
        case 42:
            setRounded(p, pf::pitWalks, v());
            break;
        case 43:
            setRounded(p, pf::pitStrikeouts, v());
            break;
        case csvcode::endurance:
            setValue(p, pf::endurance, v());
            break;
        case csvcode::pitchingStyle:
            setRounded(p, pf::delivery, v());
            break;
        case csvcode::pitGroundBallPct:
            setValue(p, pf::pitGroundBallPct, v());
            break;
        case csvcode::infieldRange:
            setValue(p, pf::infieldRange, v());
            break;
        case csvcode::outfieldRange:
            setValue(p, pf::outfieldRange, v());
            break;
        case csvcode::fieldingPct:
            setValue(p, pf::fieldingPct, v());
            break;
        case csvcode::team: {
            const int oldTeam = p.teamIndex();
            setRounded(p, pf::teamIndex, v());
            transferPlayer(m_session.context.league, p, oldTeam, p.teamIndex(), m_session.context.interaction);
            break;
        }
        case csvcode::birthYear:
            p.set(pf::age, static_cast<std::uint8_t>(m_session.context.memory.referenceYear - roundWhole(v())));
            break;
        case csvcode::stolenBases:
        case csvcode::caughtStealing:
            convertWhole(record, column);
            break;
        case csvcode::innings: {
            const double innings = v();
            const CsvImportContext& context = m_session.context;
            if (m_columnOfCode[csvcode::pitHits] >= 0) {
                deriveOpponentsAtBats(p, innings, numberOr0(record, csvcode::pitHits), context.factors.abpi);
            }
            const std::optional<double> games = number(record, csvcode::pitcherGames);
            if (games && *games > 0) {
                const bool yearGames = team != nullptr && team->endurance == EnduranceBase::ImportedYearStats &&
                                       roster != nullptr && roster->games > 0;
                deriveEndurance(p, innings, yearGames ? roster->games : *games, context.factors.ecf);
            }
            break;
        }
        case csvcode::starRating:
            setValue(p, pf::starRating, v());
            break;
        case csvcode::prospectRating:
            setValue(p, pf::prospectRating, v());
            break;
        case csvcode::peakShift:
            setRounded(p, pf::peakShift, v());
            break;
        default:
            if (code >= csvcode::familiarityFirst && code < csvcode::familiarityFirst + pf::kFamiliarityCount) {
                p.setFamiliarity(code - csvcode::familiarityFirst, static_cast<float>(v()));
            } else if ((code >= csvcode::pitchSplitsFirst && code < csvcode::pitchSplitsFirst + 6) ||
                       (code >= csvcode::battingGames && code <= csvcode::doublePlays &&
                        code != csvcode::playerIdentifier && code != 85 && code != 86 && code != 87)) {
                v();  // read after the cells; a value that does not convert stops the import here
            }
            break;
    }
}

void RowImporter::teamExtras(PlayerRecord& player, std::size_t record, const TeamModeSettings& team) {
    CsvImportContext& context = m_session.context;
    StatHistory* history = m_session.historyOf(player.playerId());
    const auto year = static_cast<std::int64_t>(context.league.seasonHeader.get(sh::seasonYear)) - 1;
    const std::int64_t teamNumber = player.teamIndex();
    auto whole = [&](int code) { return roundWhole(numberOr0(record, code)); };
    auto count = [](double x) { return roundWhole(x); };
    switch (m_kind) {
        case RowFileKind::Fielding: {
            FieldingLineData line;
            setLineField(line, "year", year);
            setLineField(line, "position", player.get(pf::position));
            setLineField(line, "team", teamNumber);
            setLineField(line, "games", whole(csvcode::fieldingGames));
            setLineField(line, "assists", whole(csvcode::assists));
            setLineField(line, "putouts", whole(csvcode::putouts));
            setLineField(line, "doublePlays", whole(csvcode::doublePlays));
            if (history != nullptr) {
                FieldingLine stored;
                encodeFieldingLine(line, stored);
                history->fielding.push_back(stored);
            }
            break;
        }
        case RowFileKind::Pitching: {
            deriveExtraBaseHitsAllowed(player);
            derivePitcherArm(player);
            const float hits = player.get(pf::pitHits);
            const std::int64_t n = hits > 4000 ? 3 : hits > 2000 ? 2 : 1;
            const double innings = m_columnOfCode[csvcode::innings] >= 0 ? numberOr0(record, csvcode::innings) : 0;
            const std::int64_t wins = whole(csvcode::wins) / n;
            const std::int64_t losses = whole(csvcode::losses) / n;
            PitchingLineData line;
            setLineField(line, "year", year);
            setLineField(line, "team", teamNumber);
            setLineField(line, "outsPitched", count(innings * 3) / n);
            setLineField(line, "hits", count(hits) / n);
            setLineField(line, "doubles", count(player.get(pf::pitDoubles)) / n);
            setLineField(line, "triples", count(player.get(pf::pitTriples)) / n);
            setLineField(line, "homeRuns", count(player.get(pf::pitHomeRuns)) / n);
            setLineField(line, "walks", count(player.get(pf::pitWalks)) / n);
            setLineField(line, "strikeouts", count(player.get(pf::pitStrikeouts)) / n);
            setLineField(line, "earnedRuns", whole(csvcode::earnedRuns) / n);
            setLineField(line, "runs", whole(csvcode::earnedRuns) / n);
            setLineField(line, "wins", wins > 255 ? 0 : wins);
            setLineField(line, "losses", losses > 255 ? 0 : losses);
            setLineField(line, "games", whole(csvcode::pitcherGames) / n);
            if (history != nullptr) {
                PitchingLine stored;
                encodePitchingLine(line, stored);
                history->pitching.insert(history->pitching.end(), static_cast<std::size_t>(n), stored);
            }
            giveThreeDefaultPitches(player);
            adjustWalks(player, context.factors.waf);
            if (team.pitchingTo800) {
                normalisePitchingTo800(player);
            }
            break;
        }
        case RowFileKind::Batting: {
            player.set(pf::secondPosition, player.get(pf::position));
            const float hits = player.get(pf::batHits);
            const std::int64_t n = hits > 4000 ? 3 : hits > 2000 ? 2 : 1;
            BattingLineData line;
            setLineField(line, "year", year);
            setLineField(line, "team", teamNumber);
            setLineField(line, "games", whole(csvcode::battingGames) / n);
            setLineField(line, "atBats", count(player.get(pf::batAB)) / n);
            setLineField(line, "hits", count(hits) / n);
            setLineField(line, "doubles", count(player.get(pf::batDoubles)) / n);
            setLineField(line, "triples", count(player.get(pf::batTriples)) / n);
            setLineField(line, "homeRuns", count(player.get(pf::batHomeRuns)) / n);
            setLineField(line, "walks", count(player.get(pf::batWalks)) / n);
            setLineField(line, "strikeouts", count(player.get(pf::batStrikeouts)) / n);
            setLineField(line, "rbi", whole(csvcode::rbi) / n);
            setLineField(line, "stolenBases", whole(csvcode::stolenBases) / n);
            setLineField(line, "caughtStealing", whole(csvcode::caughtStealing) / n);
            setLineField(line, "runs", whole(csvcode::runs) / n);
            setLineField(line, "hitByPitch", whole(csvcode::hitByPitch) / n);
            setLineField(line, "intentionalWalks", whole(csvcode::intentionalWalks) / n);
            setLineField(line, "sacFlies", whole(csvcode::sacFlies) / n);
            setLineField(line, "sacHits", whole(csvcode::sacHits) / n);
            if (history != nullptr) {
                BattingLine stored;
                encodeBattingLine(line, stored);
                history->batting.insert(history->batting.end(), static_cast<std::size_t>(n), stored);
            }
            adjustBatting(player, context.factors.baf);
            if (team.battingTo600) {
                normaliseBattingTo600(player);
            }
            break;
        }
        case RowFileKind::Standard:
            break;
    }
}

// ---- standard import --------------------------------------------------------------------------

CsvImportCounts importCsvText(CsvText csv, const CsvImportOptions& options, CsvImportContext& context) {
    ImportSession session(context);
    RowImporter importer(session, csv, RowFileKind::Standard, options);
    Progress& progress = context.progress;
    const std::size_t rows = importer.rowCount();
    progress.setLabel("Importing data...");
    progress.setRange(0, static_cast<int>(std::min<std::size_t>(rows, std::numeric_limits<int>::max())));
    // The bar moves in steps of about a percent: repainting after every row of a large file
    // would cost more than the import.
    const std::size_t step = std::max<std::size_t>(1, rows / 100);
    for (std::size_t record = 1; record <= rows; ++record) {
        importer.applyRow(record, nullptr, nullptr);
        if (record % step == 0 || record == rows) {
            progress.setValue(static_cast<int>(record));
        }
    }
    return session.counts;
}

CsvImportCounts importCsvFile(const std::filesystem::path& file,
                              const CsvImportOptions& options,
                              CsvImportContext& context) {
    return importCsvText(CsvText::read(file), options, context);
}

std::string importCountsMessage(const CsvImportCounts& counts) {
    return "Processed lines : " + std::to_string(counts.processed) +
           "  Created players: " + std::to_string(counts.created);
}

}  // namespace zt
