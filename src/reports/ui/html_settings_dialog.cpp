#include "reports/ui/html_settings_dialog.h"

#include <QDir>
#include <QFileInfo>

#include "league/ui/command_boundary.h"
#include "league/ui/qt_text.h"
#include "reports/table_writers.h"
#include "reports/ui/report_services.h"
#include "ui_html_settings_dialog.h"

namespace zt::reports::ui {

namespace {

constexpr char kHtmlFilesFilter[] = "HTML files (*.htm *.html);;All files (*.*)";
constexpr char kPreviewFile[] = "temp001.htm";

QString pathText(const std::filesystem::path& path) {
    return zt::ui::fromPath(path.string());
}

}  // namespace

HtmlSettingsDialog::HtmlSettingsDialog(HtmlExportSettings& settings,
                                       int groups,
                                       const ReportServices& services,
                                       std::function<void()> preview,
                                       QWidget* parent)
    : QDialog(parent),
      m_ui(std::make_unique<::Ui::HtmlSettingsDialog>()),
      m_settings(settings),
      m_services(services),
      m_preview(std::move(preview)) {
    m_ui->setupUi(this);
    m_ui->grpgeneral->setVisible((groups & General) != 0);
    m_ui->grpcells->setVisible((groups & Cells) != 0);
    m_ui->grptags->setVisible((groups & Tags) != 0);
    m_ui->grpfiles->setVisible((groups & Files) != 0);
    showValues(settings);
    connect(m_ui->btok, &QPushButton::clicked, this, [this] {
        store();
        accept();
    });
    connect(m_ui->btcancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->btpreview, &QPushButton::clicked, this, [this] {
        store();
        if (m_preview) {
            m_preview();
        }
    });
    connect(m_ui->btheader, &QPushButton::clicked, this, [this] { chooseFile(true); });
    connect(m_ui->btfooter, &QPushButton::clicked, this, [this] { chooseFile(false); });
}

HtmlSettingsDialog::~HtmlSettingsDialog() = default;

void HtmlSettingsDialog::showValues(const HtmlExportSettings& s) {
    m_ui->spinwidth->setValue(s.width);
    m_ui->cbcolors->setChecked(s.useColors);
    m_ui->cbfonts->setChecked(s.useFonts);
    m_ui->spinborder->setValue(s.borderSize);
    m_ui->spinspacing->setValue(s.cellSpacing);
    m_ui->spinpadding->setValue(s.cellPadding);
    m_ui->editprefix->setText(zt::ui::fromLeagueText(s.prefixTags));
    m_ui->editsuffix->setText(zt::ui::fromLeagueText(s.suffixTags));
    m_ui->editstyle->setText(zt::ui::fromLeagueText(s.tableStyle));
    m_ui->editheader->setText(pathText(s.headerFile));
    m_ui->editfooter->setText(pathText(s.footerFile));
}

HtmlExportSettings HtmlSettingsDialog::values() const {
    HtmlExportSettings s = m_settings;
    s.width = m_ui->spinwidth->value();
    s.useColors = m_ui->cbcolors->isChecked();
    s.useFonts = m_ui->cbfonts->isChecked();
    s.borderSize = m_ui->spinborder->value();
    s.cellSpacing = m_ui->spinspacing->value();
    s.cellPadding = m_ui->spinpadding->value();
    s.prefixTags = zt::ui::toLeagueText(m_ui->editprefix->text());
    s.suffixTags = zt::ui::toLeagueText(m_ui->editsuffix->text());
    s.tableStyle = zt::ui::toLeagueText(m_ui->editstyle->text());
    s.headerFile = zt::ui::toPath(m_ui->editheader->text());
    s.footerFile = zt::ui::toPath(m_ui->editfooter->text());
    return s;
}

void HtmlSettingsDialog::store() {
    m_settings = values();
}

void HtmlSettingsDialog::chooseFile(bool header) {
    if (!m_services.openFile) {
        return;
    }
    QLineEdit* edit = header ? m_ui->editheader : m_ui->editfooter;
    const QString directory = edit->text().isEmpty() ? QString() : QFileInfo(edit->text()).absolutePath();
    const QString file = m_services.openFile(this,
                                             header ? QStringLiteral("Header") : QStringLiteral("Footer"),
                                             directory,
                                             QString::fromLatin1(kHtmlFilesFilter));
    if (!file.isEmpty()) {
        edit->setText(file);
    }
}

void previewTable(const ReportTable& table, const HtmlExportSettings& settings, const ReportServices& services) {
    const QString directory = services.previewDirectory.isEmpty() ? QDir::tempPath() : services.previewDirectory;
    const QString file = QDir(directory).filePath(QString::fromLatin1(kPreviewFile));
    zt::ui::runCommand(*services.interaction, [&] {
        WriteTableHtml(table, settings, zt::ui::toPath(file), false);
        if (services.openDocument) {
            services.openDocument(file);
        }
    });
}

}  // namespace zt::reports::ui
