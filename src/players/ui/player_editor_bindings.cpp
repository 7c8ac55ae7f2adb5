// Which control shows which of the player editor's values, and copying the values in and out.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <algorithm>

#include "league/ui/qt_text.h"
#include "players/ui/player_editor.h"
#include "ui_adv_page.h"
#include "ui_bat_page.h"
#include "ui_fld_page.h"
#include "ui_gen_page.h"
#include "ui_pit_page.h"

namespace zt::ui {

namespace {

using Values = PlayerEditorValues;

template <auto Member>
auto& field(Values& values) {
    return values.*Member;
}

template <auto Member, std::size_t Index>
std::string& element(Values& values) {
    return (values.*Member)[Index];
}

// The first name's box takes twelve characters; a longer name read from the league is shown
// whole, because a box that cut it would rename the player on the next APPLY.
constexpr qsizetype kFirstNameLength = 12;

QString boxText(const std::string& text, bool leagueText) {
    return leagueText ? fromLeagueText(text) : QString::fromStdString(text);
}

std::string valueText(const QString& text, bool leagueText) {
    return leagueText ? toLeagueText(text) : text.toStdString();
}

}  // namespace

void PlayerEditor::bindControls() {
    const auto& g = *m_gen;
    const auto& b = *m_bat;
    const auto& p = *m_pit;
    const auto& f = *m_fld;
    const auto& a = *m_adv;
    m_texts = {
        {g.editnom, &field<&Values::lastName>, true},
        {g.editprenom, &field<&Values::firstName>, true},
        {g.editnumber, &field<&Values::uniformNumber>, false},
        {g.editage, &field<&Values::age>, false},
        {g.editdl, &field<&Values::daysOut>, false},
        {g.editsusp, &field<&Values::suspensionDays>, false},
        {g.editface, &field<&Values::faceNumber>, false},
        {g.editheight, &field<&Values::height>, false},
        {g.editweight, &field<&Values::weight>, false},
        {g.editbatcolor, &field<&Values::batColor>, false},
        {g.editarm, &field<&Values::armRating>, false},
        {g.editspeed, &field<&Values::runSpeed>, false},
        {g.editfatigue, &field<&Values::fatigue>, false},
        {b.editbatab, &element<&Values::batting, 0>, false},
        {b.editbathits, &element<&Values::batting, 1>, false},
        {b.editbat2b, &element<&Values::batting, 2>, false},
        {b.editbat3b, &element<&Values::batting, 3>, false},
        {b.editbathr, &element<&Values::batting, 4>, false},
        {b.editbatwalks, &element<&Values::batting, 5>, false},
        {b.editbatso, &element<&Values::batting, 6>, false},
        {b.editavgl, &field<&Values::avgVsL>, false},
        {b.editobpl, &field<&Values::obpVsL>, false},
        {b.editslgl, &field<&Values::slgVsL>, false},
        {b.editavgr, &field<&Values::avgVsR>, false},
        {b.editobpr, &field<&Values::obpVsR>, false},
        {b.editslgr, &field<&Values::slgVsR>, false},
        {b.editpull, &field<&Values::pull>, false},
        {b.editmiddle, &field<&Values::middle>, false},
        {b.editoppfield, &field<&Values::oppField>, false},
        {b.editbatgb, &field<&Values::batGroundBall>, false},
        {p.editpitab, &element<&Values::pitching, 0>, false},
        {p.editpithits, &element<&Values::pitching, 1>, false},
        {p.editpit2b, &element<&Values::pitching, 2>, false},
        {p.editpit3b, &element<&Values::pitching, 3>, false},
        {p.editpithr, &element<&Values::pitching, 4>, false},
        {p.editpitwalks, &element<&Values::pitching, 5>, false},
        {p.editpitso, &element<&Values::pitching, 6>, false},
        {p.editendurance, &field<&Values::endurance>, false},
        {p.editpitgb, &field<&Values::pitGroundBall>, false},
        {f.editfam1, &element<&Values::familiarity, 0>, false},
        {f.editfam2, &element<&Values::familiarity, 1>, false},
        {f.editfam3, &element<&Values::familiarity, 2>, false},
        {f.editfam4, &element<&Values::familiarity, 3>, false},
        {f.editfam5, &element<&Values::familiarity, 4>, false},
        {f.editfam6, &element<&Values::familiarity, 5>, false},
        {f.editfam7, &element<&Values::familiarity, 6>, false},
        {f.editfam8, &element<&Values::familiarity, 7>, false},
        {f.editfam9, &element<&Values::familiarity, 8>, false},
        {f.editinfield, &field<&Values::infieldRange>, false},
        {f.editoutfield, &field<&Values::outfieldRange>, false},
        {f.editfielding, &field<&Values::fieldingPct>, false},
        {a.editstar, &field<&Values::starRating>, false},
        {a.editprospect, &field<&Values::prospectRating>, false},
        {a.editpeak, &field<&Values::peakShift>, false},
        {a.editwaggle, &field<&Values::waggleType>, false},
        {a.editwave, &field<&Values::waveType>, false},
        {a.editstride, &field<&Values::strideType>, false},
    };
    m_combos = {
        {g.cbpos, &field<&Values::position>},
        {g.cbpos2, &field<&Values::secondPosition>},
        {g.cbrole, &field<&Values::role>},
        {g.cbbats, &field<&Values::bats>},
        {g.cbthrows, &field<&Values::throws>},
        {g.cblevel, &field<&Values::level>},
        {g.cbcomplexion, &field<&Values::complexion>},
        {g.cbstance, &field<&Values::battingStance>},
        {p.cbdelivery, &field<&Values::delivery>},
    };
    m_checks = {
        {g.cbfacialhair, &field<&Values::facialHair>},
        {p.cbstretch, &field<&Values::fromStretch>},
    };
}

PlayerEditorValues PlayerEditor::values() const {
    Values values;
    for (const TextBinding& binding : m_texts) {
        binding.field(values) = valueText(binding.edit->text(), binding.leagueText);
    }
    for (const ComboBinding& binding : m_combos) {
        binding.field(values) = binding.combo->currentIndex();
    }
    for (const CheckBinding& binding : m_checks) {
        binding.field(values) = binding.check->isChecked();
    }
    values.team = m_gen->cbteam->currentIndex();
    for (int k = 0; k < pf::kPitchSlots; ++k) {
        const auto slot = static_cast<std::size_t>(k);
        values.pitchTypes[slot] = m_pitchCombos[slot]->currentIndex();
        values.qualities[slot] = m_qualityEdits[slot]->text().toStdString();
    }
    const QTableWidget* grid = m_pit->pitchgrid;
    for (int row = 0; row < kPitchGridRows; ++row) {
        for (int column = 0; column < kPitchGridColumns; ++column) {
            const QTableWidgetItem* cell = grid->item(row, column);
            values.pitchGrid[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] =
                cell != nullptr ? cell->text().toStdString() : std::string();
        }
    }
    return values;
}

void PlayerEditor::setValues(const PlayerEditorValues& shown) {
    Values values = shown;  // the bindings hand out references into a modifiable value set
    m_gen->editprenom->setMaxLength(std::max(kFirstNameLength, fromLeagueText(values.firstName).size()));
    for (const TextBinding& binding : m_texts) {
        binding.edit->setText(boxText(binding.field(values), binding.leagueText));
        binding.edit->setCursorPosition(0);
    }
    for (const ComboBinding& binding : m_combos) {
        binding.combo->setCurrentIndex(binding.field(values));
    }
    for (const CheckBinding& binding : m_checks) {
        binding.check->setChecked(binding.field(values));
    }
    // The team stays where it was when the player's team is not in the list.
    if (values.team >= 0 && values.team < m_gen->cbteam->count()) {
        m_gen->cbteam->setCurrentIndex(values.team);
    }
    setPitchValues(values);
}

void PlayerEditor::setPitchValues(const PlayerEditorValues& values) {
    for (int k = 0; k < pf::kPitchSlots; ++k) {
        const auto slot = static_cast<std::size_t>(k);
        m_pitchCombos[slot]->setCurrentIndex(values.pitchTypes[slot]);
        m_qualityEdits[slot]->setText(QString::fromStdString(values.qualities[slot]));
    }
    QTableWidget* grid = m_pit->pitchgrid;
    for (int row = 0; row < kPitchGridRows; ++row) {
        for (int column = 0; column < kPitchGridColumns; ++column) {
            const QString text = QString::fromStdString(
                values.pitchGrid[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]);
            if (QTableWidgetItem* cell = grid->item(row, column)) {
                cell->setText(text);
            } else {
                grid->setItem(row, column, new QTableWidgetItem(text));
            }
        }
    }
    scrollPitchGrid();
}

}  // namespace zt::ui
