// Ratings the CSV import derives from real statistics.
#include <cmath>

#include "league/numbers.h"
#include "ratings/rating_computation.h"

namespace zt {

namespace {

float rounded(double x) {
    return static_cast<float>(roundHalfEven(x));
}

}  // namespace

bool deriveRunSpeed(PlayerRecord& player, std::optional<double> stolenBases, std::optional<double> caughtStealing) {
    if (!stolenBases || !caughtStealing || !(*stolenBases > 0) || !(*caughtStealing >= 0)) {
        return false;
    }
    const double singles = static_cast<double>(player.get(pf::batHits)) - player.get(pf::batDoubles) -
                           player.get(pf::batTriples) - player.get(pf::batHomeRuns);
    const double chances = singles + player.get(pf::batWalks);
    if (!(singles > 0) || !(chances > 0)) {
        return false;
    }
    player.set(pf::runSpeed, static_cast<float>(*stolenBases / chances * 25.4 + 2.4));
    return true;
}

bool deriveFieldingPct(PlayerRecord& player,
                       std::optional<double> assists,
                       std::optional<double> putouts,
                       std::optional<double> errors) {
    if (!assists || !putouts || !errors || !(*assists >= 0) || !(*putouts > 0) || !(*errors >= 0)) {
        return false;
    }
    player.set(pf::fieldingPct, static_cast<float>(*putouts / (*putouts + *errors)));
    return true;
}

void deriveOpponentsAtBats(PlayerRecord& player, double innings, double hitsAllowed, double abpi) {
    player.set(pf::pitAB, rounded(innings * abpi + hitsAllowed));
}

bool deriveEndurance(PlayerRecord& player, double innings, double games, double ecf) {
    if (!(games > 0)) {
        return false;
    }
    player.set(pf::endurance, static_cast<float>(innings / games * ecf));
    return true;
}

void deriveExtraBaseHitsAllowed(PlayerRecord& player) {
    const double atBats = player.get(pf::pitAB);
    if (!(atBats > 0)) {
        player.set(pf::pitDoubles, 0.0f);
        player.set(pf::pitTriples, 0.0f);
        return;
    }
    const double hits = player.get(pf::pitHits);
    // The league's share of doubles and triples among hits, scaled by how hittable he is
    // against a .273 average.
    const double scale = hits / atBats / 0.273;
    player.set(pf::pitDoubles, static_cast<float>(roundHalfEven(hits * 0.168) * scale));
    player.set(pf::pitTriples, static_cast<float>(roundHalfEven(hits * 0.029) * scale));
}

bool derivePitcherArm(PlayerRecord& player) {
    const double atBats = player.get(pf::pitAB);
    const double strikeouts = player.get(pf::pitStrikeouts);
    if (!(atBats > 0) || !(strikeouts > 0)) {
        return false;
    }
    const double k = strikeouts / atBats;
    player.set(pf::armRating, static_cast<float>(k * k + std::log(k) + 10.8));
    return true;
}

bool adjustWalks(PlayerRecord& player, double waf) {
    const double atBats = player.get(pf::pitAB);
    if (!(atBats > 0)) {
        return false;
    }
    const double walks = player.get(pf::pitWalks);
    player.set(pf::pitWalks, rounded(waf * walks * (atBats - walks) / atBats));
    return true;
}

void adjustBatting(PlayerRecord& player, double baf) {
    player.set(pf::batHits, static_cast<float>(player.get(pf::batHits) * baf));
    player.set(pf::batDoubles, static_cast<float>(player.get(pf::batDoubles) * baf));
    player.set(pf::batTriples, static_cast<float>(player.get(pf::batTriples) * baf));
    player.set(pf::batHomeRuns, static_cast<float>(player.get(pf::batHomeRuns) * baf));
}

namespace {

template <class Field>
void scaleCount(PlayerRecord& player, Field field, double per) {
    player.set(field, rounded(player.get(field) / per));
}

}  // namespace

bool normaliseBattingTo600(PlayerRecord& player) {
    const double atBats = player.get(pf::batAB);
    if (!(atBats > 0)) {
        return false;
    }
    const double per = atBats / 600;
    scaleCount(player, pf::batWalks, per);
    scaleCount(player, pf::batStrikeouts, per);
    scaleCount(player, pf::batDoubles, per);
    scaleCount(player, pf::batHits, per);
    scaleCount(player, pf::batTriples, per);
    scaleCount(player, pf::batHomeRuns, per);
    player.set(pf::batAB, 600.0f);
    return true;
}

bool normalisePitchingTo800(PlayerRecord& player) {
    const double atBats = player.get(pf::pitAB);
    if (!(atBats > 0)) {
        return false;
    }
    const double per = atBats / 800;
    scaleCount(player, pf::pitWalks, per);
    scaleCount(player, pf::pitStrikeouts, per);
    scaleCount(player, pf::pitDoubles, per);
    scaleCount(player, pf::pitHits, per);
    scaleCount(player, pf::pitTriples, per);
    scaleCount(player, pf::pitHomeRuns, per);
    player.set(pf::pitAB, 800.0f);
    return true;
}

}  // namespace zt
