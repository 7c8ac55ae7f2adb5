#include "app/command_modules.h"

namespace zt::app {

void installCommandModules(TForm1&) {
    // One line per module, in menu order.
}

}  // namespace zt::app
