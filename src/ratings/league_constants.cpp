#include "ratings/league_constants.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <utility>

#include "league/error.h"
#include "league/file_io.h"
#include "league/league_text.h"

namespace zt {

namespace {

using Key = std::pair<const char*, float LeagueConstants::*>;

constexpr std::array<Key, 5> kKeys = {{{"lvsl", &LeagueConstants::lvsl},
                                       {"lvsr", &LeagueConstants::lvsr},
                                       {"rvsl", &LeagueConstants::rvsl},
                                       {"rvsr", &LeagueConstants::rvsr},
                                       {"obpa", &LeagueConstants::obpa}}};

// The CR LF, LF or nothing that ends a line as the file has it.
std::string_view lineEnding(std::string_view line) {
    std::size_t contentEnd = line.size();
    while (contentEnd > 0 && (line[contentEnd - 1] == '\n' || line[contentEnd - 1] == '\r')) {
        --contentEnd;
    }
    return line.substr(contentEnd);
}

// Whether that ending ends the line for a reader: a lone CR (on a last line) does not.
bool endsLine(std::string_view ending) {
    return ending.find('\n') != std::string_view::npos;
}

float numberOrZero(std::string_view text) {
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() ? static_cast<float>(value) : 0.0f;
}

}  // namespace

LeagueConstants LeagueConstants::defaults() {
    return {0.91f, 1.05f, 1.03f, 0.98f, 1.03f};
}

LeagueConstants parseLeagueConstants(std::string_view iniText) {
    LeagueConstants constants;
    bool inSection = false;
    while (!iniText.empty()) {
        const std::size_t end = iniText.find('\n');
        const std::string_view line = trimmed(iniText.substr(0, end));
        iniText = end == std::string_view::npos ? std::string_view{} : iniText.substr(end + 1);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            inSection = equalNoCase(trimmed(line.substr(1, line.size() - 2)), "Constants");
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = trimmed(line.substr(0, equals));
        for (const auto& [name, member] : kKeys) {
            if (equalNoCase(key, name)) {
                constants.*member = numberOrZero(trimmed(line.substr(equals + 1)));
            }
        }
    }
    return constants;
}

LeagueConstants readLeagueConstants(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        return {};
    }
    try {
        const auto bytes = readFileBytes(file);
        return parseLeagueConstants(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    } catch (const Error&) {
        return {};
    }
}

std::string constantText(float value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), static_cast<double>(value), std::chars_format::general, 15);
    return std::string(buffer.data(), result.ptr);
}

std::string formatLeagueConstants(const LeagueConstants& constants) {
    return mergeLeagueConstants({}, constants);
}

std::string mergeLeagueConstants(std::string_view existingText, const LeagueConstants& constants) {
    const auto keyLine = [&](const Key& key) {
        return std::string(key.first) + "=" + constantText(constants.*key.second) + "\r\n";
    };
    std::string text;
    std::array<bool, kKeys.size()> written{};
    bool inSection = false;
    bool sectionSeen = false;
    // The keys the section did not hold go at its end, after its last key line.
    std::size_t sectionEnd = 0;
    const auto closeSection = [&] {
        if (!inSection) {
            return;
        }
        std::string missing;
        for (std::size_t k = 0; k < kKeys.size(); ++k) {
            if (!written[k]) {
                missing += keyLine(kKeys[k]);
                written[k] = true;
            }
        }
        text.insert(sectionEnd, missing);
        inSection = false;
    };
    while (!existingText.empty()) {
        const std::size_t end = existingText.find('\n');
        const std::string_view rawLine = end == std::string_view::npos ? existingText : existingText.substr(0, end + 1);
        existingText.remove_prefix(rawLine.size());
        const std::string_view line = trimmed(rawLine);
        const std::string_view ending = lineEnding(rawLine);

        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            closeSection();
            inSection = equalNoCase(trimmed(line.substr(1, line.size() - 2)), "Constants");
            sectionSeen = sectionSeen || inSection;
            text += rawLine;
            if (!endsLine(ending)) {
                text += "\r\n";  // a last line without its end gets one before keys follow it
            }
            sectionEnd = text.size();
            continue;
        }
        const std::size_t equals = line.find('=');
        if (inSection && equals != std::string_view::npos) {
            const std::string_view key = trimmed(line.substr(0, equals));
            const auto known =
                std::find_if(kKeys.begin(), kKeys.end(), [&](const Key& k) { return equalNoCase(key, k.first); });
            if (known != kKeys.end()) {
                const auto k = static_cast<std::size_t>(known - kKeys.begin());
                text += std::string(known->first) + "=" + constantText(constants.*known->second);
                text += endsLine(ending) ? ending : std::string_view("\r\n");
                written[k] = true;
                sectionEnd = text.size();
                continue;
            }
        }
        text += rawLine;
        if (inSection && !line.empty()) {
            if (!endsLine(ending)) {
                text += "\r\n";
            }
            sectionEnd = text.size();
        }
    }
    closeSection();
    if (!sectionSeen) {
        if (!text.empty() && text.back() != '\n') {
            text += "\r\n";
        }
        text += "[Constants]\r\n";
        for (const Key& key : kKeys) {
            text += keyLine(key);
        }
    }
    return text;
}

void writeLeagueConstants(const std::filesystem::path& file, const LeagueConstants& constants) {
    // What else the file holds (a user's notes, keys of another version) stays as it is.
    std::string existing;
    std::error_code ec;
    if (std::filesystem::exists(file, ec)) {
        const auto bytes = readFileBytes(file);
        existing.assign(bytes.begin(), bytes.end());
    }
    const std::string text = mergeLeagueConstants(existing, constants);
    writeFileAtomically(file, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace zt
