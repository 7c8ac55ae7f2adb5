#include "sample/side_files.h"

#include "sample/name_lists.h"

namespace zt::sample {

namespace {

std::string randomName(Random& rng) {
    return std::string(rng.pick(firstNames())) + " " + std::string(rng.pick(lastNames()));
}

std::string position(Random& rng) {
    static constexpr std::string_view kPositions[] = {"P", "C", "1B", "2B", "3B", "SS", "LF", "CF", "RF"};
    return std::string(kPositions[rng.below(9)]);
}

}  // namespace

SideFiles makeSideFiles(int seasonYear, Random& rng) {
    SideFiles files;
    files.netInfo.leagueName = "Zantrip Sample League";
    files.netInfo.leagueDirector = randomName(rng);
    files.netInfo.leagueEmail = "commissioner@example.org";
    files.netInfo.userName = randomName(rng);
    files.netInfo.smtpServer = "mail.example.org";
    files.netInfo.userEmail = "manager@example.org";
    files.netInfo.leagueFilesUrl = "http://127.0.0.1/league/league.zip";
    files.netInfo.htmlHeaderFile = "header.txt";
    files.netInfo.htmlFooterFile = "footer.txt";

    files.retired.resize(static_cast<std::size_t>(rng.between(200, 400)));
    rng.fill(files.retired);

    const auto& clubs = clubIdentities();
    std::string& draft = files.draftingResults;
    draft = "Draft " + std::to_string(seasonYear - 1) + "\r\n";
    for (int pick = 1; pick <= 12; ++pick) {
        const auto& club = clubs[rng.below(clubs.size())];
        draft += "Round 1, pick " + std::to_string(pick) + ": " + std::string(club.name) + " select " +
                 randomName(rng) + ", " + position(rng) + "\r\n";
    }

    std::string& hall = files.hallOfFamers;
    for (int i = 0; i < 6; ++i) {
        const int year = seasonYear - 1 - 2 * i;
        hall += std::to_string(year) + ": " + randomName(rng) + ", " + position(rng) + ", " +
                std::to_string(rng.between(12, 21)) + " seasons\r\n";
    }
    return files;
}

}  // namespace zt::sample
