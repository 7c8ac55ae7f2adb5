#pragma once

#include <stdexcept>
#include <string>

namespace zt {

// The one exception type of the core. Its what() is the exact text the user sees,
// so front ends show it as it stands.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace zt
