#pragma once

#include <QColor>
#include <QDialog>
#include <vector>

class QCheckBox;
class QComboBox;
class QChart;
class QChartView;
class QPushButton;
class QSlider;
class QAbstractSeries;

namespace zt {
class League;
}

namespace zt::reports::ui {

struct ReportServices;

// The "Winning % Chart" window: teams' winning percentage game by game as area, band or line
// series. Controls: cbteam, btcolor, cbstyle, cb3d, trackrotate, cbgradient, btfromcolor,
// bttocolor, cbdirection, btadd, btundo, btclear, btsavebmp, btsavejpg, btclose, and the chart
// view chart. Qt Charts draws flat: "3D" gives the chart a drop shadow and the band a wider
// ribbon, and the rotation turns the shadow's depth; the rest is drawn as chosen.
class Twinchartfrm : public QDialog {
    Q_OBJECT

public:
    Twinchartfrm(const League& league, const ReportServices& services, QWidget* parent = nullptr);
    ~Twinchartfrm() override;

    QChart* chart() const { return m_chart; }
    QChartView* chartView() const { return m_view; }
    int seriesCount() const { return static_cast<int>(m_series.size()); }
    // The colour of the series to add next.
    void setSeriesColor(const QColor& color) { m_color = color; }

private:
    void buildControls();
    void add();
    void undo();
    void clear();
    void applyLook();
    void chooseColor(QColor& color);
    void save(bool jpg);

    const League& m_league;
    const ReportServices& m_services;
    QChart* m_chart = nullptr;
    QChartView* m_view = nullptr;
    std::vector<QAbstractSeries*> m_series;
    std::vector<QColor> m_colors;
    QColor m_color = Qt::red;
    QColor m_from = Qt::white;
    QColor m_to = QColor(192, 192, 192);
    QComboBox* m_team = nullptr;
    QComboBox* m_style = nullptr;
    QComboBox* m_direction = nullptr;
    QCheckBox* m_3d = nullptr;
    QCheckBox* m_gradient = nullptr;
    QSlider* m_rotate = nullptr;
    QPushButton* m_undo = nullptr;
};

}  // namespace zt::reports::ui
