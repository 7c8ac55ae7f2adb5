#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>

namespace zt {

class League;
struct LeagueImage;
struct UndoStep;

// Undo and redo for the open league. The stack keeps an image of the league as it stood after
// the last step; after each command the league is compared with it and what changed becomes
// one step, holding the earlier and later copies of just those records. Undo and redo copy them
// back, so the league returns to the same bytes, and its changed flag follows: back at the state
// last saved, the league is unchanged again. Recording leaves the flag to the command.
class UndoStack {
public:
    // Steps kept; the oldest go first.
    static constexpr std::size_t kMaxSteps = 100;
    static constexpr std::size_t kMaxBytes = std::size_t{512} << 20;

    UndoStack();
    ~UndoStack();
    UndoStack(const UndoStack&) = delete;
    UndoStack& operator=(const UndoStack&) = delete;

    // Starts over on `league` as it is now, with no steps (null: no league open).
    void reset(League* league);

    // Makes what changed since the last step one step. Returns whether anything had changed.
    // A save since (by any command) makes the state after it the saved one.
    bool record();

    bool canUndo() const { return !m_done.empty(); }
    bool canRedo() const { return !m_undone.empty(); }
    std::size_t undoCount() const { return m_done.size(); }
    std::size_t redoCount() const { return m_undone.size(); }

    // What changed since the last step is recorded first, so it is what undo takes back.
    void undo();
    void redo();

private:
    void applyStep(const UndoStep& step, bool forwards);
    void noticeSave();
    void followChangedFlag();

    League* m_league = nullptr;
    std::unique_ptr<LeagueImage> m_image;
    std::deque<std::unique_ptr<UndoStep>> m_done;
    std::deque<std::unique_ptr<UndoStep>> m_undone;
    std::size_t m_bytes = 0;
    // Steps done since the league was opened, and the count at the state its files hold
    // (none when that state can no longer be reached).
    std::size_t m_position = 0;
    std::optional<std::size_t> m_savedPosition;
    std::uint64_t m_savesSeen = 0;
};

}  // namespace zt
