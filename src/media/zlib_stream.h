#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zt::media {

// One zlib stream (RFC 1950) at zlib's default level.
std::vector<std::uint8_t> compressZlib(std::span<const std::uint8_t> bytes);

// Inflates one zlib stream that must give exactly `expectedSize` bytes: a stream that would
// give more is stopped there, one that gives fewer or is broken is refused. `what` names the
// member in the message ("The file "x" is damaged: ...").
std::vector<std::uint8_t> inflateZlib(std::span<const std::uint8_t> compressed,
                                      std::size_t expectedSize,
                                      const std::string& file,
                                      const std::string& what);

// The largest size a zlib stream of `compressedSize` bytes can inflate to; an announced size
// beyond it is a damaged index, refused before anything is allocated.
std::uint64_t maximumInflatedSize(std::uint64_t compressedSize);

}  // namespace zt::media
