#pragma once

#include <string>
#include <string_view>

namespace zt {

// A piece of a file quoted in a message: control characters become "?". A NUL would end the
// message where a front end reads it, losing what follows (the name of the file).
std::string quotedInMessage(std::string_view text);

}  // namespace zt
