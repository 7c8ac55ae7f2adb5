// Writes small seed inputs for every fuzz target into FOLDER/<target>/, made by the editor's own
// writers from the sample generator's league: fuzz/make-seeds runs it, and the committed
// regression corpus holds its output.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>

#include "fuzz_support.h"
#include "globaledit/gbe_file.h"
#include "league/league.h"
#include "league/net_info.h"
#include "league/player_record.h"
#include "league/players_file.h"
#include "league/scores_file.h"
#include "league/season_file.h"
#include "league/stats_file.h"
#include "media/alb_archive.h"
#include "media/jpeg.h"
#include "media/mod_model.h"
#include "media/sound_table.h"
#include "media/tga.h"
#include "players/editor_settings.h"
#include "players/transfer_file.h"
#include "ratings/csv_columns.h"
#include "ratings/league_constants.h"
#include "reports/leaders_page.h"
#include "rosters/rosters_file.h"
#include "season/manager_profile.h"
#include "season/schedule_csv.h"

using namespace zt;
using zt::season::scheduleCsv;
namespace fs = std::filesystem;

namespace {

fs::path g_root;

void write(const std::string& target, const std::string& name, fuzz::Bytes bytes) {
    const fs::path folder = g_root / target;
    fs::create_directories(folder);
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw Error("Cannot write " + (folder / name).string());
    }
}
void write(const std::string& target, const std::string& name, std::string_view text) {
    write(target, name, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

// The framing of fuzz::splitFrames: a 4-byte length before every part but the last.
std::vector<std::uint8_t> frames(const std::vector<std::vector<std::uint8_t>>& parts) {
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i + 1 < parts.size()) {
            const auto n = static_cast<std::uint32_t>(parts[i].size());
            for (int b = 0; b < 4; ++b) {
                out.push_back(static_cast<std::uint8_t>(n >> (8 * b)));
            }
        }
        out.insert(out.end(), parts[i].begin(), parts[i].end());
    }
    return out;
}
std::vector<std::uint8_t> bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

class MapStore final : public SettingsStore {
public:
    std::optional<std::string> readText(const std::string&) const override { return std::nullopt; }
    std::optional<std::int64_t> readInteger(const std::string&) const override { return std::nullopt; }
    void writeText(const std::string& name, const std::string& value) override { lines[name] = value; }
    void writeInteger(const std::string& name, std::int64_t value) override { lines[name] = std::to_string(value); }
    std::map<std::string, std::string> lines;
};

void leagueSeeds() {
    const auto& context = fuzz::contextLeagueFiles();
    auto league = fuzz::freshContextLeague();
    // Three players are enough to reach every part of the player and history readers.
    while (league->players.size() > 3) {
        league->removePlayer(league->players.size() - 1);
    }
    const auto players = serialisePlayersFile(*league);
    const auto stats = serialiseStatsFile(*league);
    write("players_file", "three_players.zt", players);
    write("stats_file", "three_histories.zt", stats);
    write("season_file", "sample_season.zt", context.season);
    write("scores_file", "four_days.zt", context.scores);
    write("playoffs_file", "sample_playoffs.zt", context.playoffs);
    const std::string net = formatNetInfo(league->netInfo);
    write("net_txt", "sample_net.txt", net);
    write("league_folder",
          "three_players.frames",
          frames({players, stats, context.season, context.scores, context.playoffs, bytes(net)}));
    write("league_folder", "no_stats.frames", frames({players, {}, context.season, {}, {}, {}}));

    auto full = fuzz::freshContextLeague();
    for (std::size_t i = 0; i < 2; ++i) {
        full->exportPool.push_back({full->players[i].get(), nullptr});
    }
    write("transfer_file", "two_players.trn", transferFileBytes(*full));
    write("rosters_ssr", "team3.ssr", rostersFileBytes(*full, 3));
    write("manager_mps", "team3.mps", season::serialiseManagerProfile(season::managerProfileOf(full->team(3).record)));
    write("schedule_csv", "four_days.csv", scheduleCsv(*full));

    const PlayerRecord& first = *full->players[0];
    write("patch",
          "faces.txt",
          "\x01" + first.get(pf::firstName) + "," + first.get(pf::lastName) + ",12\r\n\"Nobody\",Here,7\r\n");
    write("patch", "styles.txt", "\x03" + first.get(pf::firstName) + "," + first.get(pf::lastName) + ",2\r\n");

    reports::LeadersTemplateEntry batting;
    reports::LeadersTemplateEntry pitching;
    pitching.kind = 1;
    pitching.category = 2;
    pitching.direction = 1;
    write("leaders_lea", "two_tables.lea", reports::leadersTemplateText({batting, pitching}));
}

void editorFileSeeds() {
    const fs::path gbe = fuzz::scratchFolder() / "seed.gbe";
    globaledit::GlobalEditSettings settings;
    settings.modifier = "10";
    globaledit::saveGbeFile(gbe, settings);
    settings.mode = globaledit::Mode::Formula;
    settings.modifier = "x*1.1";
    globaledit::appendGbeFile(gbe, settings);
    std::ifstream in(gbe, std::ios::binary);
    const std::vector<std::uint8_t> gbeBytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    write("gbe_file", "two_records.gbe", gbeBytes);

    write("constants_ini", "defaults.ini", formatLeagueConstants(LeagueConstants::defaults()));

    MapStore store;
    EditorSettings editor;
    editor.recentFiles.update("C:\\Games\\League.sea");
    editor.dataPath = "/data";
    writeEditorSettings(editor, store);
    std::string lines;
    for (const auto& [name, value] : store.lines) {
        lines += name + "=" + value + "\n";
    }
    write("settings", "defaults.txt", lines);

    std::string columns;
    for (const auto name : kCsvColumnNames) {
        columns += std::string(name) + "\r\n";
    }
    const std::string header = std::string(kCsvColumnNames[0]) + "," + std::string(kCsvColumnNames[1]) + "," +
                               std::string(kCsvColumnNames[3]) + "," + std::string(kCsvColumnNames[4]) + "," +
                               std::string(kCsvColumnNames[18]);
    const std::string csv = header + "\r\nJohn,Smith,25,SS,60\r\n\"Lee, Jr.\",Park,31,P,40\r\n";
    write("csv_import", "own_columns.frames", frames({bytes(columns), {0}, bytes(csv)}));
    write("csv_import", "builtin_columns.frames", frames({{}, {2}, bytes(csv)}));

    std::vector<std::uint8_t> values(16);
    const double x = 3;
    const double y = 0.5;
    std::memcpy(values.data(), &x, 8);
    std::memcpy(values.data() + 8, &y, 8);
    write("calc_express",
          "two_variables.frames",
          frames({bytes("x\ny\n"), bytes("2*x^2+sin(y)/abs(x-1)+ln(exp(1))"), values}));

    write("box_scores",
          "one_game.txt",
          std::string("\x05\x00\x0c\x04\x00", 5) +
              "m12 (Day 5) Visitors at Home\r\n  AB R H\r\nJones 4 1 2\r\nSUMMARY\r\n<b>W: Smith</b>\r\nEND\r\n");
    write("version_file",
          "newer.frames",
          frames({bytes("1.04"),
                  bytes("1.06\r\n*1.00-1.03\r\nhttp://x/old.rtf\r\nTOO_OLD\r\n0\r\n*1.04-1.05\r\nhttp://x/new.rtf\r\n"
                        "http://x/patch.exe\r\n123456\r\n")}));
}

void mediaSeeds() {
    using namespace media;
    const ModTextureData indexed{"skin", 4, 2, 1, std::vector<std::uint8_t>(4 * 2 + 1024, 7)};
    const ModTextureData colour{"cap", 2, 2, 2, std::vector<std::uint8_t>(2 * 2 * 4, 0x40)};
    const auto mod = buildModFile(false, 2, {indexed, colour}, 0x11);
    const auto amd = buildModFile(true, 1, {colour}, 0x22);
    // The first byte chooses how the target tells the kinds apart (odd: by the first byte).
    std::vector<std::uint8_t> modInput = mod;
    modInput.insert(modInput.begin(), 1);
    std::vector<std::uint8_t> amdInput = amd;
    amdInput.insert(amdInput.begin(), 0);
    write("mod_amd", "two_textures.mod", modInput);
    write("mod_amd", "one_texture.amd", amdInput);
    const auto layout = parseModLayout(mod, "seed.mod");
    write("bmp", "indexed.bmp", textureBitmap(mod, layout, 0, BmpTemplates::standard(), "seed.mod"));
    write("bmp", "colour.bmp", textureBitmap(mod, layout, 1, BmpTemplates::standard(), "seed.mod"));

    Image image = makeImage(3, 2);
    for (std::size_t i = 0; i < image.rgba.size(); ++i) {
        image.rgba[i] = static_cast<std::uint8_t>(i * 37);
    }
    for (const int depth : {16, 24, 32}) {
        write("tga", "depth" + std::to_string(depth) + ".tga", encodeTga(image, depth));
    }
    write("jpeg", "three_by_two.jpg", encodeJpeg(image));

    const auto photo = encodeTga(image, 24);
    std::vector<std::uint8_t> photos = buildAlbArchive({{"JOHNSMITH_12.TGA", photo}, {"LEEPARK_7.TGA", photo}}, true);
    photos.insert(photos.begin(), 1);
    write("alb", "two_photos.alb", photos);
    std::vector<std::uint8_t> archive = buildAlbArchive({{"wall.tga", photo}}, false);
    archive.insert(archive.begin(), 0);
    write("alb", "one_member.alb", archive);

    const auto table = buildSoundTable({{pcmFormat(1, 22050, 16), std::vector<std::uint8_t>(40, 3)},
                                        {pcmFormat(2, 11025, 8), std::vector<std::uint8_t>(20, 9)}});
    write("sound_table", "two_sounds.table", table);
    write("wav", "mono16.wav", extractSound(parseSoundTable(table, "seed.table"), 1, standardWavHeader()));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seed_writer FOLDER\n");
        return 2;
    }
    g_root = argv[1];
    try {
        leagueSeeds();
        editorFileSeeds();
        mediaSeeds();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
