#include "support/temp_dir.h"

#include <stdlib.h>

#include <stdexcept>
#include <string>

namespace zt::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ztedit-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

}  // namespace zt::test
