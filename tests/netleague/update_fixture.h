#pragma once

#include <filesystem>
#include <string>

#include "support/loopback_server.h"

namespace zt::test {

// An editor update on the test's web folder `www`, served by `server`: version2003Editor.txt
// offering 1.10 with a patch entry for 1.05-1.09, its release notes (notes.rtf) and an 8-byte
// patch.exe, under /velmora/vmedit/. Returns that folder's address.
std::string publishEditorUpdate(const std::filesystem::path& www, const LoopbackServer& server);

}  // namespace zt::test
