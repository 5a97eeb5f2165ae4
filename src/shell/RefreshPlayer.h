// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays what a refresh recorded. A refresh computes to its end and returns; what the window
// animates (the growing element grid, the frames of the entire cycle, the race's ticks, the
// build view's stages) is queued here as pieces, each painting a little per tick of one timer
// on the window's thread. Nothing a piece does processes events: between two ticks the window
// is the user's, and whatever they start there begins by stopping the player.
//
// Every piece ends exactly once, when it has played its last tick or when the player drops it,
// and its end runs either way: a piece that locked something unlocks it, and what waits behind
// an animation (the result fields, the advisories) is always shown.

#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>
#include <optional>

namespace zindle {

class RefreshPlayer : public QObject {
public:
    struct Piece {
        // Paints one tick's share; true while more of the piece remains.
        std::function<bool()> play;
        // After its last tick (completed) or when dropped (not completed).
        std::function<void(bool completed)> end;
        // Milliseconds between the piece's ticks; none: as soon as the window is free.
        std::function<int()> interval;
    };

    RefreshPlayer();
    // Drops the queue without ending anything: the window the pieces paint on is going.
    ~RefreshPlayer() override;

    void add(Piece piece);
    // `step` after everything queued; at once when nothing is.
    void then(const std::function<void()> &step);
    // Whatever is queued or playing.
    bool busy() const { return !pieces_.empty() || current_.has_value(); }
    // Starts playing the queue; the refresh that filled it has returned.
    void start();
    // Ends every piece, none of them completed, in their order.
    void stop();
    // Plays every piece to its end within start(), without waiting for ticks (the tests, which
    // check what a refresh leaves rather than how it unfolds).
    void setImmediate(bool immediate) { immediate_ = immediate; }
    bool immediate() const { return immediate_; }

private:
    // Plays the front piece's next share; false once the queue is empty.
    bool playOnce();
    void scheduleNext();

    std::deque<Piece> pieces_;
    std::optional<Piece> current_; // the piece whose share is being painted
    bool currentDropped_ = false;
    QTimer timer_;
    bool immediate_ = false;
};

} // namespace zindle
