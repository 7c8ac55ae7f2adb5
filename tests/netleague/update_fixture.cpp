#include "update_fixture.h"

#include "support/league_builder.h"

namespace zt::test {

std::string publishEditorUpdate(const std::filesystem::path& www, const LoopbackServer& server) {
    const std::filesystem::path files = www / "velmora" / "vmedit";
    std::filesystem::create_directories(files);
    const std::string base = server.url("/velmora/vmedit/");
    writeText(files / "notes.rtf", "{\\rtf1 notes}");
    writeText(files / "patch.exe", "MZ patch");
    writeText(files / "version2003Editor.txt",
              "1.10\n*1.00-1.04\nx\ny\n1\n*1.05-1.09\n" + base + "notes.rtf\n" + base + "patch.exe\n8\n");
    return base;
}

}  // namespace zt::test
