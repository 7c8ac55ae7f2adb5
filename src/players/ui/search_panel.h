#pragma once

#include <QFrame>
#include <memory>
#include <string>

#include "players/player_search.h"

namespace Ui {
class SearchPanelForm;
}

namespace zt::ui {

// The search panel shown over the player editor: a last name for the simple search, and the
// field, comparison, value and filters of the advanced search. It only gathers what the user
// chose; the main window runs the searches when the panel asks for them.
class SearchPanel : public QFrame {
    Q_OBJECT

public:
    explicit SearchPanel(QWidget* parent = nullptr);
    ~SearchPanel() override;

    // The last-name box in the league's single-byte text, as the names it is compared with.
    std::string lastNameText() const;
    // The advanced search as the lists, the value box and the option stand.
    AdvancedSearchCriteria criteria() const;

    // Shows the panel with the cursor in the last-name box, ready for typing.
    void showWithNameFocus();

Q_SIGNALS:
    // "Launch Simple Search", or Enter in the last-name box.
    void simpleSearchRequested();
    // "Launch Advanced Search".
    void advancedSearchRequested();

private:
    std::unique_ptr<Ui::SearchPanelForm> m_ui;
};

}  // namespace zt::ui
