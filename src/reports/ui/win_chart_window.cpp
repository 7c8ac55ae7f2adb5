#include "reports/ui/win_chart_window.h"

#include <QAreaSeries>
#include <QBuffer>
#include <QByteArray>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsDropShadowEffect>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QLinearGradient>
#include <QPixmap>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>

#include "league/error.h"
#include "league/file_io.h"
#include "league/interaction.h"
#include "league/league.h"
#include "league/ui/command_boundary.h"
#include "league/ui/qt_text.h"
#include "reports/ui/report_services.h"
#include "reports/win_chart.h"

namespace zt::reports::ui {

namespace {

template <class Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton* button(const char* name, const char* caption) {
    auto* b = named(new QPushButton(QString::fromLatin1(caption)), name);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

Twinchartfrm::Twinchartfrm(const League& league, const ReportServices& services, QWidget* parent)
    : QDialog(parent), m_league(league), m_services(services) {
    setObjectName(QStringLiteral("Twinchartfrm"));
    setWindowTitle(QStringLiteral("Winning % Chart"));
    buildControls();
    applyLook();
}

Twinchartfrm::~Twinchartfrm() = default;

void Twinchartfrm::buildControls() {
    auto* layout = new QHBoxLayout(this);
    auto* side = new QGridLayout;
    layout->addLayout(side);
    int row = 0;
    const auto put = [&](const char* label, QWidget* widget) {
        side->addWidget(new QLabel(QString::fromLatin1(label)), row, 0);
        side->addWidget(widget, row++, 1);
    };
    m_team = named(new QComboBox, "cbteam");
    for (int t = 0; t < m_league.teamCount(); ++t) {
        m_team->addItem(zt::ui::fromLeagueText(m_league.teamAbbrev(t)));
    }
    const PlayerRecord* current = m_league.currentPlayer;
    if (current != nullptr && m_league.isTeam(current->teamIndex())) {
        m_team->setCurrentIndex(current->teamIndex());
    }
    put("Team", m_team);
    auto* color = button("btcolor", "Color");
    put("", color);
    m_style = named(new QComboBox, "cbstyle");
    m_style->addItems({QStringLiteral("Area"), QStringLiteral("Band"), QStringLiteral("Line")});
    put("Style", m_style);
    m_3d = named(new QCheckBox(QStringLiteral("3D")), "cb3d");
    put("", m_3d);
    m_rotate = named(new QSlider(Qt::Horizontal), "trackrotate");
    m_rotate->setRange(290, 360);
    m_rotate->setValue(345);
    put("Rotate", m_rotate);
    m_gradient = named(new QCheckBox(QStringLiteral("Background Gradient")), "cbgradient");
    m_gradient->setChecked(true);
    put("", m_gradient);
    auto* from = button("btfromcolor", "From Color");
    auto* to = button("bttocolor", "To Color");
    put("", from);
    put("", to);
    m_direction = named(new QComboBox, "cbdirection");
    m_direction->addItems({QStringLiteral("TopBottom"),
                           QStringLiteral("BottomTop"),
                           QStringLiteral("LeftRight"),
                           QStringLiteral("RightLeft")});
    put("Direction", m_direction);
    auto* addButton = button("btadd", "Add");
    m_undo = button("btundo", "Undo");
    m_undo->setEnabled(false);
    auto* clearButton = button("btclear", "Clear");
    auto* bmp = button("btsavebmp", "Save to BMP");
    auto* jpg = button("btsavejpg", "Save to JPG");
    auto* close = button("btclose", "Close");
    for (QPushButton* b : {addButton, m_undo, clearButton, bmp, jpg, close}) {
        side->addWidget(b, row++, 0, 1, 2);
    }

    m_chart = new QChart;
    m_chart->legend()->setAlignment(Qt::AlignLeft);
    auto* x = new QValueAxis;
    x->setTitleText(QStringLiteral("Games"));
    x->setLabelFormat(QStringLiteral("%d"));
    x->setRange(0, 0);
    auto* y = new QValueAxis;
    y->setRange(0, 1);
    m_chart->addAxis(x, Qt::AlignBottom);
    m_chart->addAxis(y, Qt::AlignLeft);
    m_view = named(new QChartView(m_chart), "chart");
    m_view->setMinimumSize(640, 400);
    layout->addWidget(m_view, 1);

    connect(color, &QPushButton::clicked, this, [this] { chooseColor(m_color); });
    connect(from, &QPushButton::clicked, this, [this] {
        chooseColor(m_from);
        applyLook();
    });
    connect(to, &QPushButton::clicked, this, [this] {
        chooseColor(m_to);
        applyLook();
    });
    connect(m_3d, &QCheckBox::toggled, this, &Twinchartfrm::applyLook);
    connect(m_rotate, &QSlider::valueChanged, this, &Twinchartfrm::applyLook);
    connect(m_gradient, &QCheckBox::toggled, this, &Twinchartfrm::applyLook);
    connect(m_direction, &QComboBox::currentIndexChanged, this, &Twinchartfrm::applyLook);
    connect(addButton, &QPushButton::clicked, this, &Twinchartfrm::add);
    connect(m_undo, &QPushButton::clicked, this, &Twinchartfrm::undo);
    connect(clearButton, &QPushButton::clicked, this, &Twinchartfrm::clear);
    connect(bmp, &QPushButton::clicked, this, [this] { save(false); });
    connect(jpg, &QPushButton::clicked, this, [this] { save(true); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void Twinchartfrm::chooseColor(QColor& color) {
    if (!m_services.chooseColor) {
        return;
    }
    if (const auto chosen = m_services.chooseColor(this, color)) {
        color = *chosen;
    }
}

void Twinchartfrm::applyLook() {
    if (m_gradient->isChecked()) {
        QPointF start(0, 0);
        QPointF end(0, 1);
        switch (m_direction->currentIndex()) {
            case 1:
                std::swap(start, end);
                break;
            case 2:
                end = QPointF(1, 0);
                break;
            case 3:
                start = QPointF(1, 0);
                end = QPointF(0, 0);
                break;
            default:
                break;
        }
        QLinearGradient gradient(start, end);
        gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
        gradient.setColorAt(0, m_from);
        gradient.setColorAt(1, m_to);
        m_chart->setBackgroundBrush(gradient);
    } else {
        m_chart->setBackgroundBrush(QBrush(Qt::white));
    }
    m_chart->setDropShadowEnabled(m_3d->isChecked());
    if (!m_3d->isChecked()) {
        m_chart->setGraphicsEffect(nullptr);
        return;
    }
    auto* depth = qobject_cast<QGraphicsDropShadowEffect*>(m_chart->graphicsEffect());
    if (depth == nullptr) {
        depth = new QGraphicsDropShadowEffect;
        m_chart->setGraphicsEffect(depth);
    }
    // The rotation turns the depth of the drawing: 360 looks straight on.
    const double angle = (360 - m_rotate->value()) * 3.14159265358979 / 180.0;
    depth->setOffset(10 * std::sin(angle) + 2, 4);
    depth->setBlurRadius(6);
}

void Twinchartfrm::add() {
    for (const QColor& used : m_colors) {
        if (used == m_color) {
            m_services.interaction->information("There is already a team with this color on the chart");
            return;
        }
    }
    const int team = m_team->currentIndex();
    if (!m_league.isTeam(team)) {
        return;
    }
    const WinSeries data = winningSeries(m_league, team);
    auto* line = new QLineSeries;
    for (const WinPoint& point : data.points) {
        line->append(point.day, point.percentage);
    }
    QAbstractSeries* series = line;
    const QString title = zt::ui::fromLeagueText(m_league.teamAbbrev(team));
    switch (m_style->currentIndex()) {
        case 0: {
            auto* area = new QAreaSeries(line);
            line->setParent(area);  // an area series does not own the line it is drawn from
            area->setColor(m_color);
            area->setBorderColor(m_color.darker());
            series = area;
            break;
        }
        case 1: {
            QPen pen(m_color);
            pen.setWidth(m_3d->isChecked() ? 10 : 6);
            line->setPen(pen);
            break;
        }
        default: {
            QPen pen(m_color);
            pen.setWidth(2);
            line->setPen(pen);
            break;
        }
    }
    series->setName(title);
    m_chart->addSeries(series);
    const auto axes = m_chart->axes();
    for (QAbstractAxis* axis : axes) {
        series->attachAxis(axis);
        if (axis->alignment() == Qt::AlignBottom) {
            auto* x = static_cast<QValueAxis*>(axis);
            x->setRange(0, data.games);
            x->setTickType(QValueAxis::TicksDynamic);
            x->setTickAnchor(0);
            x->setTickInterval(4);
        }
    }
    m_series.push_back(series);
    m_colors.push_back(m_color);
    m_undo->setEnabled(true);
    applyLook();
}

void Twinchartfrm::undo() {
    if (!m_services.interaction->askYesNo("Delete the last team added ?")) {
        return;
    }
    if (!m_series.empty()) {
        m_chart->removeSeries(m_series.back());
        delete m_series.back();
        m_series.pop_back();
        m_colors.pop_back();
    }
    if (m_series.empty()) {
        m_undo->setEnabled(false);
    }
}

void Twinchartfrm::clear() {
    for (QAbstractSeries* series : m_series) {
        m_chart->removeSeries(series);
        delete series;
    }
    m_series.clear();
    m_colors.clear();
}

void Twinchartfrm::save(bool jpg) {
    if (!m_services.saveFile) {
        return;
    }
    const QString file = jpg ? m_services.saveFile(this,
                                                   QStringLiteral("Save chart"),
                                                   QString(),
                                                   QStringLiteral("JPG Images (*.jpg)"),
                                                   QStringLiteral("jpg"))
                             : m_services.saveFile(this,
                                                   QStringLiteral("Save chart"),
                                                   QString(),
                                                   QStringLiteral("BMP Images (*.bmp)"),
                                                   QStringLiteral("bmp"));
    if (file.isEmpty()) {
        return;
    }
    zt::ui::runCommand(*m_services.interaction, [&] {
        const QImage picture = m_view->grab().toImage();
        // Encoded in memory first, so the picture reaches the disk whole through the one safe writer.
        QByteArray encoded;
        QBuffer buffer(&encoded);
        buffer.open(QIODevice::WriteOnly);
        const std::string target = zt::ui::toPath(file);
        if (!picture.save(&buffer, jpg ? "JPG" : "BMP")) {
            throw Error("Cannot Create file " + target);
        }
        const auto* data = reinterpret_cast<const std::uint8_t*>(encoded.constData());
        writeFileAtomically(target, {data, static_cast<std::size_t>(encoded.size())});
    });
}

}  // namespace zt::reports::ui
