#pragma once

#include <cstddef>

namespace zt::bench {

// Bytes currently allocated through operator new in this process (the benchmark binary
// replaces the global allocation functions to count them).
std::size_t liveHeapBytes();

}  // namespace zt::bench
