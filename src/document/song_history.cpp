#include "document/song_history.h"

#include <algorithm>

namespace trovale {

namespace {

bool sameTable(const ChordTable& a, const ChordTable& b) {
    return a.Symbols == b.Symbols && a.Fingerings == b.Fingerings && a.TypeCodes == b.TypeCodes;
}

}  // namespace

SongState stateOf(const SongDocument& doc) {
    return {doc.Lines, doc.LineKinds, doc.Chords, doc.Template, doc.Layout};
}

void SongHistory::record(const SongState& before, const SongDocument& after, int group) {
    // Only the run of lines between the common beginning and the common end changed.
    const std::size_t oldSize = before.Lines.size(), newSize = after.Lines.size();
    std::size_t first = 0;
    while (first < oldSize && first < newSize && before.Lines[first] == after.Lines[first] &&
           before.LineKinds[first] == after.LineKinds[first])
        ++first;
    std::size_t tail = 0;
    while (tail < oldSize - first && tail < newSize - first &&
           before.Lines[oldSize - 1 - tail] == after.Lines[newSize - 1 - tail] &&
           before.LineKinds[oldSize - 1 - tail] == after.LineKinds[newSize - 1 - tail])
        ++tail;
    const bool sameSettings = before.Template == after.Template && before.Layout == after.Layout;
    if (first == oldSize && first == newSize && sameTable(before.Chords, after.Chords) &&
        sameSettings)
        return;

    const auto slice = [](const auto& v, std::size_t from, std::size_t to) {
        return std::vector(v.begin() + static_cast<std::ptrdiff_t>(from),
                           v.begin() + static_cast<std::ptrdiff_t>(to));
    };
    Side oldSide{slice(before.Lines, first, oldSize - tail),
                 slice(before.LineKinds, first, oldSize - tail), before.Chords, before.Template,
                 before.Layout};
    Side newSide{slice(after.Lines, first, newSize - tail),
                 slice(after.LineKinds, first, newSize - tail), after.Chords, after.Template,
                 after.Layout};

    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(position_), steps_.end());
    if (saved_ > static_cast<long long>(position_)) saved_ = -1;
    const bool merge = group != 0 && group == openGroup_ && !steps_.empty() &&
                       saved_ != static_cast<long long>(position_) &&
                       steps_.back().first == first &&
                       steps_.back().after.lines.size() == oldSide.lines.size();
    if (merge) {
        steps_.back().after = std::move(newSide);
    } else {
        steps_.push_back({first, std::move(oldSide), std::move(newSide)});
        ++position_;
        if (steps_.size() > kMaxSteps) {
            steps_.pop_front();
            --position_;
            saved_ = saved_ > 0 ? saved_ - 1 : -1;
        }
    }
    openGroup_ = group;
}

void SongHistory::apply(SongDocument& doc, std::size_t first, const Side& from, const Side& to) {
    const auto at = static_cast<std::ptrdiff_t>(first);
    const auto count = static_cast<std::ptrdiff_t>(from.lines.size());
    doc.Lines.erase(doc.Lines.begin() + at, doc.Lines.begin() + at + count);
    doc.Lines.insert(doc.Lines.begin() + at, to.lines.begin(), to.lines.end());
    doc.LineKinds.erase(doc.LineKinds.begin() + at, doc.LineKinds.begin() + at + count);
    doc.LineKinds.insert(doc.LineKinds.begin() + at, to.kinds.begin(), to.kinds.end());
    doc.Chords = to.chords;
    doc.Template = to.templ;
    doc.Layout = to.layout;
}

bool SongHistory::Side::sameSettings(const Side& other) const {
    return templ == other.templ && layout == other.layout;
}

bool SongHistory::undoChangesSettings() const {
    if (!canUndo()) return false;
    const Step& step = steps_[position_ - 1];
    return !step.before.sameSettings(step.after);
}

bool SongHistory::redoChangesSettings() const {
    if (!canRedo()) return false;
    const Step& step = steps_[position_];
    return !step.before.sameSettings(step.after);
}

bool SongHistory::undo(SongDocument& doc) {
    if (!canUndo()) return false;
    const Step& step = steps_[--position_];
    apply(doc, step.first, step.after, step.before);
    openGroup_ = 0;
    updateModified(doc);
    return true;
}

bool SongHistory::redo(SongDocument& doc) {
    if (!canRedo()) return false;
    const Step& step = steps_[position_++];
    apply(doc, step.first, step.before, step.after);
    openGroup_ = 0;
    updateModified(doc);
    return true;
}

void SongHistory::markSaved() {
    saved_ = static_cast<long long>(position_);
    openGroup_ = 0;
}

void SongHistory::updateModified(SongDocument& doc) const {
    doc.Modified = saved_ != static_cast<long long>(position_);
}

}  // namespace trovale
