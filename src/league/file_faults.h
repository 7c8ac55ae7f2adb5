#pragma once

#include <cstdint>

namespace zt {

// A test seam on the program's write paths: once armed with failAt(n), the n-th file operation
// from then on fails with EIO, exactly as a failing disk would make it fail. The operations are
// counted in the order they happen: opening a file for writing, each write to it, its flush
// (close), and every rename or link that puts a file or its backup in place. Only that one
// operation fails; the ones after it succeed again, as they would after a passing fault. Undoing
// a failed commit is not counted, so a test sees the undo it would rely on. Unarmed, each
// operation costs one test of a flag. The program has one thread, and so has the seam.
class FileFaults {
public:
    enum class Operation { Open, Write, Flush, Rename };

    static void failAt(std::uint64_t n);
    static void disarm();
    // Whether the armed operation was reached (and failed) since failAt.
    static bool fired();
    // The operations counted since failAt.
    static std::uint64_t counted();

    // 0 when the operation may go on, else the error number it fails with.
    static int check(Operation operation) noexcept { return s_armed ? next(operation) : 0; }

private:
    static int next(Operation operation) noexcept;

    static inline bool s_armed = false;
    static inline std::uint64_t s_failAt = 0;
    static inline std::uint64_t s_counted = 0;
    static inline bool s_fired = false;
};

// Disarms the seam when a test's scope ends, whatever way it ends.
class FileFaultsScope {
public:
    explicit FileFaultsScope(std::uint64_t n) { FileFaults::failAt(n); }
    ~FileFaultsScope() { FileFaults::disarm(); }
    FileFaultsScope(const FileFaultsScope&) = delete;
    FileFaultsScope& operator=(const FileFaultsScope&) = delete;
};

}  // namespace zt
