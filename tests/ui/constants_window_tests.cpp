// Options > Constants: the window over the main window's league constants, and constants.ini.
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <fstream>
#include <sstream>

#include "league/ui/qt_text.h"
#include "main_window_fixture.h"
#include "ratings/league_constants.h"

namespace zt::test {
namespace {

const char* const kBoxes[] = {"Editlvsl", "editlvsr", "editrvsl", "editrvsr", "Editobpa"};

class ConstantsWindowTest : public MainWindowTest {
protected:
    QDialog* openConstants() {
        QAction* constants = action("Constants1");
        EXPECT_TRUE(constants->isEnabled());
        constants->trigger();
        return child<QDialog>("ConstantsForm");
    }

    QStringList boxTexts() {
        QStringList texts;
        for (const char* box : kBoxes) {
            texts << text(box);
        }
        return texts;
    }

    void clickButton(const char* name) { child<QPushButton>(name)->click(); }

    // CLOSE, and the deferred deletion it asks for.
    void closeConstants() {
        QPointer<QDialog> form = child<QDialog>("ConstantsForm");
        clickButton("btclose");
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(form.isNull()) << "closing frees the window";
    }

    std::string constantsFile() const {
        std::ifstream in(m_dir / "data" / "constants.ini", std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

TEST_F(ConstantsWindowTest, OfferedWithoutALeagueAndShowsValuesRoundedToThreeDecimals) {
    startWindow();
    ASSERT_EQ(m_window->league(), nullptr);
    m_window->constants() = LeagueConstants{0.91f, 1.0455f, 0.0f, 2.0f, 1.23449f};
    QDialog* form = openConstants();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Constants"));
    EXPECT_TRUE(form->isModal());
    EXPECT_EQ(boxTexts(),
              (QStringList{QStringLiteral("0.91"),
                           QStringLiteral("1.046"),
                           QStringLiteral("0"),
                           QStringLiteral("2"),
                           QStringLiteral("1.234")}));
}

TEST_F(ConstantsWindowTest, PlacedAtTheLeftEdgeCentredVertically) {
    startWindow();
    m_window->setGeometry(200, 150, 900, 700);
    QDialog* form = openConstants();
    const QRect main = m_window->frameGeometry();
    const QRect placed = form->frameGeometry();
    EXPECT_EQ(placed.left(), main.left());
    EXPECT_LE(std::abs(placed.center().y() - main.center().y()), 1);
}

TEST_F(ConstantsWindowTest, ApplyStoresTheFullFloatAndTheBoxShowsThreeDecimals) {
    startWindow();
    openConstants();
    type("editlvsr", QStringLiteral("1.0455"));
    clickButton("btapply");
    EXPECT_TRUE(m_interaction.texts().empty());
    EXPECT_EQ(m_window->constants().lvsr, 1.0455f);
    EXPECT_NE(child<QDialog>("ConstantsForm"), nullptr) << "the window stays open";
    closeConstants();

    openConstants();
    EXPECT_EQ(text("editlvsr"), QStringLiteral("1.046"));
    closeConstants();

    closeWindow();
    EXPECT_NE(constantsFile().find("lvsr=1.04550004005432\r\n"), std::string::npos) << constantsFile();
}

TEST_F(ConstantsWindowTest, ApplyStopsAtTheFirstBoxThatIsNoNumber) {
    startWindow();
    const LeagueConstants before = m_window->constants();
    openConstants();
    type("Editlvsl", QStringLiteral("0.5"));
    type("editlvsr", QStringLiteral("1.5"));
    type("editrvsl", QStringLiteral("abc"));
    type("editrvsr", QStringLiteral("0.7"));
    type("Editobpa", QStringLiteral("1.1"));
    clickButton("btapply");
    EXPECT_EQ(m_interaction.texts(), std::vector<std::string>{"'abc' is not a valid floating point value"});
    const LeagueConstants& after = m_window->constants();
    EXPECT_EQ(after.lvsl, 0.5f);
    EXPECT_EQ(after.lvsr, 1.5f);
    EXPECT_EQ(after.rvsl, before.rvsl);
    EXPECT_EQ(after.rvsr, before.rvsr);
    EXPECT_EQ(after.obpa, before.obpa);
}

TEST_F(ConstantsWindowTest, ANumberBeyondASingleFloatIsRefused) {
    startWindow();
    const LeagueConstants before = m_window->constants();
    openConstants();
    type("Editlvsl", QStringLiteral("1e39"));
    clickButton("btapply");
    EXPECT_EQ(m_interaction.texts(), std::vector<std::string>{"'1e39' is not a valid floating point value"});
    EXPECT_EQ(m_window->constants(), before);
}

TEST_F(ConstantsWindowTest, CloseStoresNothing) {
    startWindow();
    const LeagueConstants before = m_window->constants();
    openConstants();
    type("Editlvsl", QStringLiteral("0.5"));
    closeConstants();
    EXPECT_EQ(m_window->constants(), before);
}

TEST_F(ConstantsWindowTest, DefaultStoresAndShowsTheShippedValuesAndTheFileReceivesThem) {
    // A data folder whose constants.ini lost every key: all constants start at 0.
    std::filesystem::create_directories(m_dir / "data");
    std::ofstream(m_dir / "data" / "constants.ini") << "[Constants]\r\n";
    startWindow();
    EXPECT_EQ(m_window->constants(), LeagueConstants{});
    openConstants();
    EXPECT_EQ(boxTexts(), QStringList(5, QStringLiteral("0")));
    clickButton("btdefault");
    EXPECT_EQ(m_window->constants(), LeagueConstants::defaults());
    EXPECT_EQ(boxTexts(),
              (QStringList{QStringLiteral("0.91"),
                           QStringLiteral("1.05"),
                           QStringLiteral("1.03"),
                           QStringLiteral("0.98"),
                           QStringLiteral("1.03")}));
    closeConstants();
    closeWindow();
    EXPECT_EQ(constantsFile(),
              "[Constants]\r\n"
              "lvsl=0.910000026226044\r\n"
              "lvsr=1.04999995231628\r\n"
              "rvsl=1.02999997138977\r\n"
              "rvsr=0.980000019073486\r\n"
              "obpa=1.02999997138977\r\n");
}

TEST_F(ConstantsWindowTest, StaysOfferedWhileALeagueOpensAndCloses) {
    const auto sea = generateLeague("a");
    startWindow({ui::fromPath(sea.string())});
    ASSERT_NE(m_window->league(), nullptr);
    EXPECT_TRUE(action("Constants1")->isEnabled());
    m_dialogs.setNextFileName(ui::fromPath(sea.string()));
    action("Open1")->trigger();
    EXPECT_TRUE(action("Constants1")->isEnabled());
}

}  // namespace
}  // namespace zt::test
