#include "main_window_fixture.h"

#include <QApplication>
#include <QSettings>
#include <QTest>

#include "league/ui/qt_text.h"
#include "sample/sample_league.h"

namespace zt::test {

void MainWindowTest::SetUp() {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, ui::fromPath((m_dir / "settings").string()));
    qputenv("ZTEDIT_DATA_DIR", QByteArray::fromStdString((m_dir / "data").string()));
    qunsetenv("ZTEDIT_GAME_DIR");
}

void MainWindowTest::TearDown() {
    if (m_window) {
        m_window->setInteraction(&m_interaction);
        m_window.reset();
    }
    qunsetenv("ZTEDIT_DATA_DIR");
}

app::TForm1& MainWindowTest::startWindow(const QStringList& arguments) {
    m_window = std::make_unique<app::TForm1>();
    m_window->setInteraction(&m_interaction);
    m_window->setDialogs(&m_dialogs);
    m_window->startUp(arguments);
    m_window->show();
    return *m_window;
}

void MainWindowTest::closeWindow() {
    m_window->close();
    m_window.reset();
}

std::filesystem::path MainWindowTest::generateLeague(const std::string& name, unsigned seed) {
    sample::SampleOptions options;
    options.seed = seed;
    options.playersPerTeam = 30;
    options.freeAgents = 20;
    options.years = 2;
    options.days = 12;
    const auto folder = m_dir / name;
    return sample::generateSampleLeague(folder, options);
}

void MainWindowTest::type(const char* lineEdit, const QString& text) {
    auto* edit = child<QLineEdit>(lineEdit);
    edit->selectAll();
    edit->clear();
    QTest::keyClicks(edit, text);
}

std::string MainWindowTest::messageShownBy(const std::function<void()>& action) {
    const std::size_t shown = m_interaction.texts().size();
    action();
    return m_interaction.texts().size() > shown ? m_interaction.texts().back() : std::string();
}

void MainWindowTest::apply() {
    QTest::mouseClick(child<QPushButton>("btsave"), Qt::LeftButton);
}

}  // namespace zt::test
