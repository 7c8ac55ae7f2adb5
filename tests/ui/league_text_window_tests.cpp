// Names of the league's own single-byte text in the window: shown as their characters, put into
// messages as such, written back as the same bytes, and typed characters the league cannot hold
// refused.
#include <QTableView>

#include "league/league.h"
#include "league/league_io.h"
#include "league/ui/qt_text.h"
#include "main_window_fixture.h"
#include "players/ui/player_grid_model.h"
#include "players/ui/player_grid_panel.h"
#include "support/league_builder.h"

namespace zt::test {
namespace {

// Šimon “Œil” — bytes 0x8A, 0x93, 0x8C, 0x94 of Windows-1252.
constexpr char kFirst[] = "\x8Aimon";
constexpr char kLast[] =
    "\x93\x8C"
    "il\x94";

class LeagueTextWindowTest : public MainWindowTest {
protected:
    // A league whose first player of team 0 carries the names; returns his index.
    std::size_t openLeagueWithNames() {
        const auto sea = generateLeague("a");
        std::size_t index = 0;
        {
            auto league = openLeague(sea);
            while (league->players[index]->teamIndex() != 0) {
                ++index;
            }
            league->players[index]->set(pf::firstName, std::string(kFirst));
            league->players[index]->set(pf::lastName, std::string(kLast));
            saveLeague(*league);
        }
        m_playersFile = m_dir / "a" / "SampleSeason" / "players.zt";
        startWindow({ui::fromPath(sea.string())});
        selectPlayer(index);
        return index;
    }

    void selectPlayer(std::size_t index) {
        auto* model = m_window->gridPanel()->model();
        auto* view = child<QTableView>("grille");
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->index(row, 4).data().toInt() == static_cast<int>(index)) {
                view->setCurrentIndex(model->index(row, 1));
                return;
            }
        }
        ADD_FAILURE() << "player " << index << " is not listed";
    }

    std::filesystem::path m_playersFile;
};

TEST_F(LeagueTextWindowTest, NamesShowAsTheirCharactersInTheGridTheEditorAndMessages) {
    const std::size_t index = openLeagueWithNames();
    auto* model = m_window->gridPanel()->model();
    bool listed = false;
    for (int row = 0; row < model->rowCount(); ++row) {
        listed = listed || model->index(row, 1).data().toString() == QStringLiteral("“Œil” , Šimon");
    }
    EXPECT_TRUE(listed);
    EXPECT_EQ(text("editprenom"), QStringLiteral("Šimon"));
    EXPECT_EQ(text("editnom"), QStringLiteral("“Œil”"));

    m_interaction.answerYesNo(false);
    action("DeletePlayer1")->trigger();
    EXPECT_EQ(m_interaction.texts().back(), "Are you sure you want to delete Šimon “Œil” ?");
    EXPECT_EQ(m_window->league()->players[index]->get(pf::firstName), kFirst);
}

TEST_F(LeagueTextWindowTest, AnEditBesideTheNameWritesTheNameBytesBack) {
    const std::size_t index = openLeagueWithNames();
    const auto before = readBytes(m_playersFile);
    type("editage", QStringLiteral("33"));
    apply();
    action("Save1")->trigger();
    const auto after = readBytes(m_playersFile);
    const std::size_t record = 8 + 768 * index;
    const auto names = [&](const std::vector<std::uint8_t>& bytes) {
        return std::vector<std::uint8_t>(bytes.begin() + static_cast<std::ptrdiff_t>(record),
                                         bytes.begin() + static_cast<std::ptrdiff_t>(record + 32));
    };
    EXPECT_EQ(names(after), names(before));
    EXPECT_EQ(after[record + 40], 33);
}

TEST_F(LeagueTextWindowTest, ATypedCharacterTheLeagueCannotHoldIsRefusedAndNothingStored) {
    const std::size_t index = openLeagueWithNames();
    const PlayerRecord before = *m_window->league()->players[index];
    child<QLineEdit>("editnom")->setText(QStringLiteral("Wałęsa"));  // pasted: no key types it here
    apply();
    EXPECT_EQ(m_interaction.texts().back(),
              "The character 'ł' (U+0142) cannot be stored in the league: its texts hold Windows-1252 characters only");
    EXPECT_EQ(m_window->league()->players[index]->bytes(), before.bytes());
    child<QLineEdit>("editnom")->setText(QStringLiteral("Müller€"));
    apply();
    EXPECT_EQ(m_window->league()->players[index]->get(pf::lastName), "M\xFCller\x80");
}

}  // namespace
}  // namespace zt::test
