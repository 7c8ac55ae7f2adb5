#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "globaledit/edit_random.h"
#include "globaledit/global_edit_run.h"
#include "globaledit/global_edit_settings.h"
#include "league/league.h"
#include "league/progress.h"
#include "support/scripted_interaction.h"

namespace zt::test {

// A league of players with zeroed records, so every test sets exactly the fields it reads.
class GlobalEditTest : public ::testing::Test {
protected:
    PlayerRecord& addPlayer(int team = 0, int position = 2);

    globaledit::RunReport modify(const globaledit::GlobalEditSettings& settings);

    std::vector<std::string> messages() const { return m_interaction.texts(); }

    League m_league;
    ScriptedInteraction m_interaction;
    globaledit::EditRandom m_random{12345};
    globaledit::RunContext m_context{0, m_random, m_interaction, true};
};

// Settings that modify one field of every player.
globaledit::GlobalEditSettings fieldSettings(int field, globaledit::Mode mode, std::string modifier);

// Records what a run reports as progress.
class RecordingProgress : public Progress {
public:
    void setRange(int minimum, int maximum) override {
        this->minimum = minimum;
        this->maximum = maximum;
    }
    void setValue(int value) override { values.push_back(value); }
    void setLabel(const std::string& label) override { labels.push_back(label); }
    bool cancelled() const override { return false; }

    int minimum = -1;
    int maximum = -1;
    std::vector<int> values;
    std::vector<std::string> labels;
};

}  // namespace zt::test
