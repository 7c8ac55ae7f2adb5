#pragma once

#include <QDialog>
#include <string>

#include "league/progress.h"

class QLabel;
class QProgressBar;

namespace zt::ui {

// The small progress window of long operations (photo and sound imports, .gbe files): a title,
// one bold label and one progress bar. Every change repaints it at once, since the operation
// runs on the window's own thread.
class Tphotoprogress : public QDialog, public Progress {
    Q_OBJECT

public:
    explicit Tphotoprogress(QWidget* parent = nullptr);
    ~Tphotoprogress() override;

    QLabel* label() const { return m_label; }
    QProgressBar* progressBar() const { return m_bar; }

    // Shows the window over the middle of `other`.
    void showCentredOn(QWidget* other);

    void setRange(int minimum, int maximum) override;
    void setValue(int value) override;
    void setLabel(const std::string& label) override;
    bool cancelled() const override { return false; }

private:
    void repaintNow();

    QLabel* m_label = nullptr;
    QProgressBar* m_bar = nullptr;
};

}  // namespace zt::ui
