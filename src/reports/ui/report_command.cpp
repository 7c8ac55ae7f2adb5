#include "reports/ui/report_command.h"

#include <exception>
#include <string>

#include "league/error.h"
#include "league/interaction.h"

namespace zt::reports::ui {

void runReportCommand(Interaction& interaction, const std::function<void()>& command) {
    try {
        command();
    } catch (const Error& e) {
        interaction.warning(e.what());
    } catch (const std::exception& e) {
        interaction.warning(std::string("Unexpected failure: ") + e.what());
    }
}

}  // namespace zt::reports::ui
