#include "players/ui/search_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "league/ui/qt_text.h"
#include "ui_search_panel.h"

namespace zt::ui {

namespace {

template <class Items>
void fillItems(QComboBox* combo, const Items& items) {
    for (const std::string_view item : items) {
        combo->addItem(fromLeagueText(item));
    }
    combo->setCurrentIndex(0);
}

}  // namespace

SearchPanel::SearchPanel(QWidget* parent) : QFrame(parent), m_ui(std::make_unique<Ui::SearchPanelForm>()) {
    m_ui->setupUi(this);
    // The lists come from the search's own tables, so an item index always means what the
    // search takes it for.
    fillItems(m_ui->cbsearchposition, searchPositionItems());
    fillItems(m_ui->cbsearchteam, searchTeamItems());
    fillItems(m_ui->cbsearchoperator, searchComparisonItems());
    for (const SearchField& field : searchFields()) {
        m_ui->cbsearchfield->addItem(fromLeagueText(field.caption));
    }
    m_ui->cbsearchfield->setCurrentIndex(0);

    connect(m_ui->btnsimplesearch, &QPushButton::clicked, this, &SearchPanel::simpleSearchRequested);
    connect(m_ui->editsearchname, &QLineEdit::returnPressed, this, &SearchPanel::simpleSearchRequested);
    connect(m_ui->btnadvancedsearch, &QPushButton::clicked, this, &SearchPanel::advancedSearchRequested);
    connect(m_ui->editsearchvalue, &QLineEdit::returnPressed, this, &SearchPanel::advancedSearchRequested);
    connect(m_ui->btnclosesearch, &QPushButton::clicked, this, &QWidget::hide);
}

SearchPanel::~SearchPanel() = default;

std::string SearchPanel::lastNameText() const {
    return toLeagueText(m_ui->editsearchname->text());
}

AdvancedSearchCriteria SearchPanel::criteria() const {
    AdvancedSearchCriteria criteria;
    criteria.field = m_ui->cbsearchfield->currentIndex();
    criteria.comparison = static_cast<SearchComparison>(std::max(0, m_ui->cbsearchoperator->currentIndex()));
    // The value goes into messages as typed, so it keeps every character.
    criteria.value = m_ui->editsearchvalue->text().toStdString();
    criteria.positionFilter = m_ui->cbsearchposition->currentIndex();
    criteria.currentTeamOnly = m_ui->cbsearchteam->currentIndex() == 1;
    criteria.valueColumn = m_ui->chkfieldvalue->isChecked();
    return criteria;
}

void SearchPanel::showWithNameFocus() {
    show();
    m_ui->editsearchname->setFocus(Qt::ShortcutFocusReason);
    m_ui->editsearchname->selectAll();
}

}  // namespace zt::ui
