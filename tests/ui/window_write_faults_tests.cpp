// A writer that only a window has, the chart's picture, run with each of its file operations
// failing in turn: the folder stays as it was and the message box names the file.
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "app/report_commands.h"
#include "league/ui/qt_text.h"
#include "main_window_fixture.h"
#include "reports/ui/win_chart_window.h"
#include "support/fault_sweep.h"

namespace zt::test {
namespace {

namespace fs = std::filesystem;

class WindowWriteFaults : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        startWindow({ui::fromPath(generateLeague("league", 5).string())});
    }
};

TEST_F(WindowWriteFaults, TheChartPictureIsWrittenWholeOrNotAtAll) {
    auto* chart = app::createWinChartWindow(*m_window);
    chart->resize(600, 400);
    chart->show();
    chart->setSeriesColor(QColor(255, 0, 0));
    auto* add = chart->findChild<QPushButton*>(QStringLiteral("btadd"));
    auto* save = chart->findChild<QPushButton*>(QStringLiteral("btsavebmp"));
    ASSERT_NE(add, nullptr);
    ASSERT_NE(save, nullptr);
    QTest::mouseClick(add, Qt::LeftButton);

    const fs::path folder = m_dir.path() / "pictures";
    fs::create_directories(folder);
    const fs::path picture = folder / "chart.bmp";
    const WriteAttempt attempt = [&] {
        return messageShownBy([&] {
            m_dialogs.setNextFileName(ui::fromPath(picture.string()));
            QTest::mouseClick(save, Qt::LeftButton);
        });
    };
    const FaultSweep sweep = sweepWriteFaults({folder}, attempt);
    EXPECT_TRUE(sweep.problems.empty()) << problemList(sweep);
    EXPECT_EQ(sweep.failedRuns, sweep.operations);  // every fault fails the save
    chart->close();
}

}  // namespace
}  // namespace zt::test
