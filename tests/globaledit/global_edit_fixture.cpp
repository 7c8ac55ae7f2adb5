#include "global_edit_fixture.h"

namespace zt::test {

PlayerRecord& GlobalEditTest::addPlayer(int team, int position) {
    auto player = std::make_unique<PlayerRecord>();
    player->set(pf::playerId, static_cast<std::uint16_t>(m_league.players.size() + 1));
    player->set(pf::teamIndex, static_cast<std::uint8_t>(team));
    player->set(pf::position, static_cast<std::uint8_t>(position));
    m_league.players.push_back(std::move(player));
    return *m_league.players.back();
}

globaledit::RunReport GlobalEditTest::modify(const globaledit::GlobalEditSettings& settings) {
    return globaledit::runModification(m_league, settings, m_context);
}

globaledit::GlobalEditSettings fieldSettings(int field, globaledit::Mode mode, std::string modifier) {
    globaledit::GlobalEditSettings settings;
    settings.field = field;
    settings.mode = mode;
    settings.modifier = std::move(modifier);
    return settings;
}

}  // namespace zt::test
