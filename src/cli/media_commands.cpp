// generate-game, alb, mod, sound and patch: the game media tools of the editor from the command
// line, writing the files the windows write.
#include <CLI/CLI.hpp>
#include <cstdlib>
#include <ostream>
#include <string>

#include "cli/commands.h"
#include "cli/flag_interaction.h"
#include "cli/league_argument.h"
#include "cli/terminal_progress.h"
#include "league/error.h"
#include "league/file_io.h"
#include "league/league.h"
#include "league/league_io.h"
#include "league/league_text.h"
#include "media/alb_archive.h"
#include "media/appearance_patch.h"
#include "media/archive_tools.h"
#include "media/photo_album.h"
#include "media/photo_import.h"
#include "media/sample_game.h"
#include "media/sound_table.h"
#include "sample/sample_league.h"

namespace zt::cli {

namespace {

namespace fs = std::filesystem;

// The editor's data folder for the header templates: --data-dir, else $ZTEDIT_DATA_DIR, else the
// templates the editor ships.
struct TemplateFolder {
    std::string directory;

    void addTo(CLI::App& command) {
        command.add_option("--data-dir",
                           directory,
                           "Editor data folder holding bmp0.hdr, bmp1.hdr, bmp2.hdr and wav.hdr (default: "
                           "$ZTEDIT_DATA_DIR, else the editor's own headers)");
    }
    std::string chosen() const {
        if (!directory.empty()) {
            return directory;
        }
        const char* fromEnvironment = std::getenv("ZTEDIT_DATA_DIR");
        return fromEnvironment != nullptr ? fromEnvironment : "";
    }
    media::BmpTemplates bitmaps() const {
        const std::string dir = chosen();
        return dir.empty() || !fs::exists(fs::path(dir) / "bmp0.hdr") ? media::BmpTemplates::standard()
                                                                      : media::BmpTemplates::load(dir);
    }
    std::array<std::uint8_t, 20> wav() const {
        const std::string dir = chosen();
        return dir.empty() || !fs::exists(fs::path(dir) / "wav.hdr") ? media::standardWavHeader()
                                                                     : media::loadWavHeader(dir);
    }
};

PlayerRecord& playerWithId(League& league, std::uint32_t id) {
    PlayerRecord* player = league.findPlayerById(id);
    if (player == nullptr) {
        throw Error("No player has the id " + std::to_string(id));
    }
    return *player;
}

class GenerateGameCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand(
            "generate-game",
            "Write a sample game folder: Art/2D/plyrphoto.alb with photos of the league's players who have one, "
            "Art/stadium.alb, two models and a sound table");
        m_subcommand->add_option("FOLDER", m_folder, "The game folder to write")->required();
        m_subcommand->add_option("--seed", m_seed, "Seed of the pictures and sounds (and of the sample league)");
        m_subcommand->add_option(
            "--league", m_league, "The league whose players get photos (default: the sample league of the seed)");
    }

    void run(std::ostream& out) override {
        std::unique_ptr<League> league;
        if (!m_league.empty()) {
            league = openLeague(m_league);
        } else {
            sample::SampleOptions options;
            options.seed = m_seed;
            league = std::move(sample::buildSampleLeague(options).league);
        }
        const int photos = media::generateSampleGame(m_folder, *league, m_seed);
        out << "Sample game written: " << m_folder << " (" << photos << " photos)\n";
    }

private:
    std::string m_folder;
    std::string m_league;
    std::uint64_t m_seed = 1;
};

class AlbCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand("alb", "The photo album and the game's other .alb archives");
        m_subcommand->require_subcommand(1);

        m_list = m_subcommand->add_subcommand("list", "List the entries of an archive");
        m_list->add_option("ARCHIVE", m_archive, "The .alb file")->required();
        m_list->add_flag("--photos", m_photos, "Read 100-byte photo entries (default for plyrphoto.alb)");

        m_extract = m_subcommand->add_subcommand(
            "extract", "Unpack an archive (or a .mod/.amd model's textures) into a folder, as the unpacker does");
        m_extract->add_option("ARCHIVE", m_archive, "The .alb, .mod or .amd file")->required();
        m_extract->add_option("--out", m_folder, "The folder that receives the files")->required();
        m_templates.addTo(*m_extract);

        for (auto** command : {&m_add, &m_replace}) {
            const bool add = command == &m_add;
            *command = m_subcommand->add_subcommand(
                add ? "add-photo" : "replace-photo",
                add ? "Add a photo (TGA or JPG) for a player who has none, rebuild the album and save the league"
                    : "Replace a player's photo, rebuild the album and save the league");
            m_league.addTo(**command);
            (*command)->add_option("PHOTO", m_photo, "The TGA or JPG picture")->required();
            (*command)->add_option("--player", m_playerId, "Id of the player")->required();
            (*command)->add_option(
                "--game", m_game, "The game folder holding Art/2D/plyrphoto.alb (default: $ZTEDIT_GAME_DIR)");
            auto* yes = (*command)->add_flag("--yes", m_yes, "Answer Yes to the question (the league will be saved)");
            auto* no = (*command)->add_flag("--no", m_no, "Answer No to the question (nothing changes)");
            yes->excludes(no);
        }

        m_rebuild = m_subcommand->add_subcommand(
            "rebuild", "Pack an archive again from the folder of its unpacked files, as the Alb Repacker does");
        m_rebuild->add_option("ARCHIVE", m_archive, "The .alb archive that was unpacked")->required();
        m_rebuild->add_option("FOLDER", m_folder, "The folder of unpacked files")->required();
        m_rebuild->add_option("--out", m_out, "The archive to write")->required();
        auto* yes = m_rebuild->add_flag("--yes", m_yes, "Add new Head*.tga pictures");
        auto* no = m_rebuild->add_flag("--no", m_no, "Do not add new Head*.tga pictures");
        yes->excludes(no);
    }

    void run(std::ostream& out) override {
        if (m_list->parsed()) {
            list(out);
        } else if (m_extract->parsed()) {
            CreatedFolders created(m_folder);
            TerminalProgress progress;
            const int count = media::unpackArchive(m_archive, m_folder, m_templates.bitmaps(), progress);
            created.keep();
            out << "Total extracted BMP from .mod files : " << count << '\n';
        } else if (m_add->parsed() || m_replace->parsed()) {
            changePhoto(m_add->parsed(), out);
        } else if (m_rebuild->parsed()) {
            FlagInteraction interaction(answerFromFlags(m_yes, m_no), out);
            TerminalProgress progress;
            media::repackAlb(m_archive, m_folder, m_out, interaction, progress);
        }
    }

private:
    void list(std::ostream& out) {
        const bool photos = m_photos || equalNoCaseAscii(fs::path(m_archive).filename().string(), "plyrphoto.alb");
        const auto index = media::readAlbIndex(m_archive, photos ? media::kPhotoEntrySize : media::kAlbEntrySize);
        out << "entries: " << index.entries.size() << "\nindex end: " << index.indexEnd() << '\n';
        for (std::size_t i = 0; i < index.entries.size(); ++i) {
            const auto& e = index.entries[i];
            out << i + 1 << '\t' << e.name() << '\t' << e.offset() << '\t' << e.compressedSize() << '\t'
                << e.uncompressedSize();
            if (photos) {
                out << '\t' << e.longName();
            }
            out << '\n';
        }
    }

    void changePhoto(bool add, std::ostream& out) {
        std::string game = m_game;
        if (game.empty()) {
            const char* fromEnvironment = std::getenv("ZTEDIT_GAME_DIR");
            game = fromEnvironment != nullptr ? fromEnvironment : "";
        }
        if (game.empty()) {
            throw Error("No game folder: give --game DIR or set ZTEDIT_GAME_DIR.");
        }
        auto league = m_league.open();
        PlayerRecord& player = playerWithId(*league, m_playerId);
        auto album = std::make_unique<media::PhotoAlbum>(media::albumPathOf(game));
        const bool has = media::playerPhotoEntry(*album, player).has_value();
        if (add && has) {
            throw Error("The player already has a photo: replace it instead.");
        }
        if (!add && !has) {
            throw Error("The player has no photo to replace.");
        }
        FlagInteraction interaction(answerFromFlags(m_yes, m_no), out);
        if (!media::confirmPhotoChange(interaction)) {
            return;
        }
        TerminalProgress progress;
        if (add) {
            media::addPlayerPhoto(album, *league, player, m_photo, progress);
        } else {
            media::replacePlayerPhoto(album, *league, player, m_photo, progress);
        }
        out << "Photo " << media::photoName(player, player.get(pf::photoIndex)) << " stored in "
            << album->path().string() << "; the league was saved.\n";
    }

    CLI::App* m_list = nullptr;
    CLI::App* m_extract = nullptr;
    CLI::App* m_add = nullptr;
    CLI::App* m_replace = nullptr;
    CLI::App* m_rebuild = nullptr;
    LeagueArgument m_league;
    TemplateFolder m_templates;
    std::string m_archive;
    std::string m_folder;
    std::string m_photo;
    std::string m_game;
    std::string m_out;
    std::uint32_t m_playerId = 0;
    bool m_photos = false;
    bool m_yes = false;
    bool m_no = false;
};

class ModCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand("mod", "The textures of .mod and .amd model files");
        m_subcommand->require_subcommand(1);
        m_extract = m_subcommand->add_subcommand("extract", "Write every texture of a model as a BMP file");
        m_extract->add_option("MODEL", m_model, "The .mod or .amd file")->required();
        m_extract->add_option("--out", m_folder, "The folder that receives the bitmaps")->required();
        m_templates.addTo(*m_extract);
        m_rebuild = m_subcommand->add_subcommand("rebuild", "Rebuild a model from a folder of its textures' bitmaps");
        m_rebuild->add_option("MODEL", m_model, "The .mod or .amd file to rebuild")->required();
        m_rebuild->add_option("FOLDER", m_folder, "The folder of bitmaps")->required();
        m_rebuild->add_option("--out", m_out, "The model to write")->required();
    }

    void run(std::ostream& out) override {
        if (m_extract->parsed()) {
            CreatedFolders created(m_folder);
            TerminalProgress progress;
            int count = 0;
            media::extractModTextures(m_model, m_folder, m_templates.bitmaps(), progress, count);
            created.keep();
            out << "Total extracted BMP from .mod files : " << count << '\n';
        } else {
            media::repackMod(m_model, m_folder, m_out);
            out << media::kDoneMessage << '\n';
        }
    }

private:
    CLI::App* m_extract = nullptr;
    CLI::App* m_rebuild = nullptr;
    TemplateFolder m_templates;
    std::string m_model;
    std::string m_folder;
    std::string m_out;
};

class SoundCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand("sound", "The game's sound tables (.table, .ids)");
        m_subcommand->require_subcommand(1);
        m_list = m_subcommand->add_subcommand("list", "List the sounds of a table");
        m_extract = m_subcommand->add_subcommand("extract", "Write one sound as a WAV file");
        m_import = m_subcommand->add_subcommand("import", "Replace one sound with a WAV file's samples");
        for (CLI::App* command : {m_list, m_extract, m_import}) {
            command->add_option("TABLE", m_table, "The sound table")->required();
        }
        for (CLI::App* command : {m_extract, m_import}) {
            command->add_option("NUMBER", m_number, "The sound's number, from 1")->required();
        }
        m_extract->add_option("--out", m_out, "The WAV file to write")->required();
        m_templates.addTo(*m_extract);
        m_import->add_option("WAV", m_wav, "The WAV file to import")->required();
    }

    void run(std::ostream& out) override {
        if (m_list->parsed()) {
            const auto table = media::readSoundTable(m_table);
            out << "Wavs:" << table.count() << '\n';
            for (std::size_t k = 1; k <= table.count(); ++k) {
                const auto at = table.sound(k);
                const auto* format = table.bytes.data() + at.format;
                out << k << '\t' << at.length << " bytes\t" << loadLE<std::uint16_t>(format + 2) << " channel(s)\t"
                    << loadLE<std::uint32_t>(format + 4) << " Hz\t" << loadLE<std::uint16_t>(format + 14) << " bits\n";
            }
        } else if (m_extract->parsed()) {
            if (m_out.empty()) {
                throw Error(media::kSpecifyOutputMessage);
            }
            writeFileAtomically(m_out,
                                media::extractSound(media::readSoundTable(m_table), m_number, m_templates.wav()));
        } else {
            media::clearReadOnly(m_table);
            TerminalProgress progress;
            media::importSound(m_table, m_number, m_wav, progress);
        }
    }

private:
    CLI::App* m_list = nullptr;
    CLI::App* m_extract = nullptr;
    CLI::App* m_import = nullptr;
    TemplateFolder m_templates;
    std::string m_table;
    std::string m_out;
    std::string m_wav;
    std::size_t m_number = 0;
};

class PatchCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand(
            "patch", "Apply an appearance patch (faces, batting stances or pitching styles) and save the league");
        m_league.addTo(*m_subcommand);
        auto* faces = m_subcommand->add_option("--faces", m_file, "A faces patch (.fce)");
        auto* stances = m_subcommand->add_option("--stances", m_file, "A batting stances patch (.bst)");
        auto* styles = m_subcommand->add_option("--styles", m_file, "A pitching styles patch (.pst)");
        faces->excludes(stances)->excludes(styles);
        stances->excludes(styles);
        m_faces = faces;
        m_stances = stances;
        m_styles = styles;
    }

    void run(std::ostream& out) override {
        const media::PatchKind kind = m_faces->count() > 0     ? media::PatchKind::Faces
                                      : m_stances->count() > 0 ? media::PatchKind::Stances
                                      : m_styles->count() > 0
                                          ? media::PatchKind::Styles
                                          : throw Error("Give --faces, --stances or --styles FILE.");
        auto league = m_league.open();
        FlagInteraction interaction(std::nullopt, out);
        media::applyPatchFile(*league, kind, m_file, interaction);
        if (league->changed()) {
            saveLeague(*league);
        }
    }

private:
    LeagueArgument m_league;
    std::string m_file;
    CLI::Option* m_faces = nullptr;
    CLI::Option* m_stances = nullptr;
    CLI::Option* m_styles = nullptr;
};

}  // namespace

std::unique_ptr<CliCommand> makeGenerateGameCommand() {
    return std::make_unique<GenerateGameCommand>();
}
std::unique_ptr<CliCommand> makeAlbCommand() {
    return std::make_unique<AlbCommand>();
}
std::unique_ptr<CliCommand> makeModCommand() {
    return std::make_unique<ModCommand>();
}
std::unique_ptr<CliCommand> makeSoundCommand() {
    return std::make_unique<SoundCommand>();
}
std::unique_ptr<CliCommand> makePatchCommand() {
    return std::make_unique<PatchCommand>();
}

}  // namespace zt::cli
