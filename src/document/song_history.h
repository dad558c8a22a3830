#pragma once
// Undo and redo of the changes made to a song in its window. A step keeps only the lines
// that changed and the chord table on both sides, so a long song costs little per step.

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "document/song_document.h"

namespace trovale {

// What an edit may change.
struct SongState {
    std::vector<std::string> Lines;
    std::vector<std::uint8_t> LineKinds;
    ChordTable Chords;
    Modelo Template;
    PageLayout Layout;
};

SongState stateOf(const SongDocument& doc);

class SongHistory {
  public:
    static constexpr std::size_t kMaxSteps = 500;

    // Records the change from `before` to the song as it now is. Steps with the same non-zero
    // `group` that follow one another (typing into one row) become one.
    void record(const SongState& before, const SongDocument& after, int group = 0);
    // Typing after a pause starts a new step even in the same row.
    void closeGroup() { openGroup_ = 0; }

    bool canUndo() const { return position_ > 0; }
    bool canRedo() const { return position_ < steps_.size(); }
    // Both set Modified from whether the song is back at its saved state.
    bool undo(SongDocument& doc);
    bool redo(SongDocument& doc);
    // Whether the step undo or redo would take changes the template or the page layout, which
    // measure every row again.
    bool undoChangesSettings() const;
    bool redoChangesSettings() const;
    // The song as it stands is the saved one.
    void markSaved();

  private:
    struct Side {
        std::vector<std::string> lines;
        std::vector<std::uint8_t> kinds;
        ChordTable chords;
        Modelo templ;
        PageLayout layout;
        bool sameSettings(const Side& other) const;
    };
    struct Step {
        std::size_t first = 0;  // first changed line
        Side before, after;
    };
    static void apply(SongDocument& doc, std::size_t first, const Side& from, const Side& to);
    void updateModified(SongDocument& doc) const;

    std::deque<Step> steps_;
    std::size_t position_ = 0;  // steps before it are done
    // Position of the saved state; -1 when it was dropped from the history.
    long long saved_ = 0;
    int openGroup_ = 0;
};

}  // namespace trovale
