#pragma once

namespace zt::season::ui {
class Tmanagerfrm;
class Tplayoffsfrm;
class Tschedulefrm;
class Tseasonfrm;
class Tteaminfofrm;
}  // namespace zt::season::ui

namespace zt::app {

class TForm1;

// The season windows over the main window: their messages and files go through the main window's
// interaction and dialogs. Each deletes itself when closed; the menu commands run them modally,
// tests show them. Team Info and Manager profile are for the current player's team: null when
// there is none (no current player, or a free agent). The schedule and playoffs windows refuse a
// league without their file with zt::Error.
season::ui::Tteaminfofrm* createTeamInfoWindow(TForm1& window);
season::ui::Tmanagerfrm* createManagerProfileWindow(TForm1& window);
season::ui::Tseasonfrm* createSeasonOptionsWindow(TForm1& window);
season::ui::Tschedulefrm* createScheduleWindow(TForm1& window);
season::ui::Tplayoffsfrm* createPlayoffsWindow(TForm1& window);

}  // namespace zt::app
