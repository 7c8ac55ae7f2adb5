#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "reports/html_export_settings.h"
#include "reports/report_table.h"

namespace Ui {
class HtmlSettingsDialog;
}

namespace zt::reports::ui {

struct ReportServices;

// The "HTML Settings" dialog of one table's export settings. "OK" stores the values, "Cancel"
// drops them, "Preview" stores them and then runs the window's preview. A window may show only
// some of the groups.
class HtmlSettingsDialog : public QDialog {
    Q_OBJECT

public:
    enum Group { General = 1, Cells = 2, Tags = 4, Files = 8, AllGroups = 15 };

    HtmlSettingsDialog(HtmlExportSettings& settings,
                       int groups,
                       const ReportServices& services,
                       std::function<void()> preview,
                       QWidget* parent = nullptr);
    ~HtmlSettingsDialog() override;

    // The dialog's values, as OK would store them.
    HtmlExportSettings values() const;

private:
    void showValues(const HtmlExportSettings& settings);
    void store();
    void chooseFile(bool header);

    std::unique_ptr<::Ui::HtmlSettingsDialog> m_ui;
    HtmlExportSettings& m_settings;
    const ReportServices& m_services;
    std::function<void()> m_preview;
};

// Writes the table's page to temp001.htm in the temporary folder, replacing it, and opens it with
// the system's default program.
void previewTable(const ReportTable& table, const HtmlExportSettings& settings, const ReportServices& services);

}  // namespace zt::reports::ui
