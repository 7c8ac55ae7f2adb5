#include "ratings/league_constants.h"

#include <array>
#include <cctype>
#include <charconv>
#include <utility>

#include "league/error.h"
#include "league/file_io.h"

namespace zt {

namespace {

using Key = std::pair<const char*, float LeagueConstants::*>;

constexpr std::array<Key, 5> kKeys = {{{"lvsl", &LeagueConstants::lvsl},
                                       {"lvsr", &LeagueConstants::lvsr},
                                       {"rvsl", &LeagueConstants::rvsl},
                                       {"rvsr", &LeagueConstants::rvsr},
                                       {"obpa", &LeagueConstants::obpa}}};

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())) != 0) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())) != 0) {
        text.remove_suffix(1);
    }
    return text;
}

bool equalNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
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
    std::string text = "[Constants]\r\n";
    for (const auto& [name, member] : kKeys) {
        text += std::string(name) + "=" + constantText(constants.*member) + "\r\n";
    }
    return text;
}

void writeLeagueConstants(const std::filesystem::path& file, const LeagueConstants& constants) {
    const std::string text = formatLeagueConstants(constants);
    writeFileAtomically(file, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace zt
