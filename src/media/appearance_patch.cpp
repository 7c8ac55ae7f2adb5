#include "media/appearance_patch.h"

#include <algorithm>

#include "league/file_io.h"
#include "league/interaction.h"
#include "league/league.h"
#include "league/league_text.h"
#include "league/numbers.h"

namespace zt::media {

namespace {

bool separator(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string lowerKey(std::string_view text) {
    std::string key = FileSafeName(text);
    for (char& c : key) {
        c = static_cast<char>(lowerCaseLeagueByte(static_cast<unsigned char>(c)));
    }
    return key;
}

}  // namespace

std::vector<std::string> patchValues(std::string_view source) {
    const std::string text = FileSafeName(source);
    std::vector<std::string> values;
    std::size_t p = 0;
    const std::size_t n = text.size();
    const auto skipSeparators = [&] {
        while (p < n && separator(text[p])) {
            ++p;
        }
    };
    skipSeparators();
    while (p < n) {
        std::string value;
        if (text[p] == '"') {
            ++p;
            while (p < n) {
                if (text[p] == '"') {
                    if (p + 1 < n && text[p + 1] == '"') {
                        value += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                value += text[p++];
            }
        }
        while (p < n && text[p] != ',' && !separator(text[p])) {
            value += text[p++];
        }
        values.push_back(std::move(value));
        skipSeparators();
        if (p < n && text[p] == ',') {
            if (p + 1 == n) {
                values.emplace_back();
            }
            ++p;
            skipSeparators();
        }
    }
    return values;
}

PatchOutcome applyPatch(League& league, PatchKind kind, std::string_view text) {
    const auto values = patchValues(text);
    // Keys of every player once, in list order, so a patch of thousands of lines stays linear in
    // the league's size per group.
    std::vector<std::pair<std::string, std::string>> keys;
    keys.reserve(league.players.size());
    for (const auto& player : league.players) {
        keys.emplace_back(lowerKey(player->get(pf::firstName)), lowerKey(player->get(pf::lastName)));
    }
    PatchOutcome outcome;
    for (std::size_t g = 0; g + 3 <= values.size(); g += 3) {
        const std::string first = lowerKey(values[g]);
        const std::string last = lowerKey(values[g + 1]);
        const auto found = std::find(keys.begin(), keys.end(), std::make_pair(first, last));
        if (found == keys.end()) {
            outcome.notFound.push_back(values[g] + " " + values[g + 1]);
            continue;
        }
        const std::int32_t number = parseInteger(values[g + 2]);
        PlayerRecord& player = *league.players[static_cast<std::size_t>(found - keys.begin())];
        switch (kind) {
            case PatchKind::Faces:
                player.set(pf::faceNumber, static_cast<std::uint16_t>(number));
                break;
            case PatchKind::Stances:
                player.set(pf::battingStance, static_cast<std::uint8_t>(number));
                break;
            case PatchKind::Styles:
                player.set(pf::delivery, static_cast<std::uint8_t>(number));
                break;
        }
        ++outcome.updated;
        league.markChanged();
    }
    return outcome;
}

std::vector<std::string> patchMessages(const PatchOutcome& outcome) {
    std::vector<std::string> messages;
    messages.push_back(std::to_string(outcome.updated) +
                       (outcome.updated <= 1 ? " player updated" : " players updated"));
    if (outcome.notFound.size() > 9) {
        messages.push_back(std::to_string(outcome.notFound.size()) + " players were not in the database");
    } else if (!outcome.notFound.empty()) {
        std::string list = "These players were not found in the database";
        for (const auto& name : outcome.notFound) {
            list += "\n" + name;
        }
        messages.push_back(list);
    }
    return messages;
}

PatchOutcome applyPatchFile(League& league,
                            PatchKind kind,
                            const std::filesystem::path& file,
                            Interaction& interaction) {
    const auto bytes = readFileBytes(file);
    const PatchOutcome outcome = applyPatch(league, kind, std::string(bytes.begin(), bytes.end()));
    for (const auto& message : patchMessages(outcome)) {
        interaction.information(leagueTextToUtf8(message));
    }
    return outcome;
}

}  // namespace zt::media
