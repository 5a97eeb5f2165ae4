// SPDX-License-Identifier: GPL-3.0-or-later
#include "RefreshPlayer.h"

namespace zindle {

RefreshPlayer::RefreshPlayer()
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (playOnce())
            scheduleNext();
    });
}

RefreshPlayer::~RefreshPlayer() { timer_.stop(); }

void RefreshPlayer::add(Piece piece) { pieces_.push_back(std::move(piece)); }

void RefreshPlayer::then(const std::function<void()> &step)
{
    if (!busy()) {
        step();
        return;
    }
    add({nullptr, [step](bool) { step(); }, nullptr});
}

void RefreshPlayer::start()
{
    if (current_ || pieces_.empty() || timer_.isActive())
        return;
    if (immediate_) {
        while (playOnce()) {
        }
        return;
    }
    scheduleNext();
}

void RefreshPlayer::scheduleNext()
{
    if (pieces_.empty())
        return;
    const Piece &next = pieces_.front();
    timer_.start(next.interval ? next.interval() : 0);
}

bool RefreshPlayer::playOnce()
{
    // The pieces without a share of their own (a step that waited) end in the same tick as the
    // share before them; a tick paints at most one share.
    while (!pieces_.empty()) {
        current_ = std::move(pieces_.front());
        pieces_.pop_front();
        currentDropped_ = false;
        const bool more = current_->play && current_->play();
        if (currentDropped_) // the share started something that stopped the player
            return false;
        Piece piece = std::move(*current_);
        current_.reset();
        if (more) {
            pieces_.push_front(std::move(piece));
            return true;
        }
        if (piece.end)
            piece.end(true);
    }
    return false;
}

void RefreshPlayer::stop()
{
    timer_.stop();
    std::deque<Piece> dropped;
    dropped.swap(pieces_);
    if (current_) {
        dropped.push_front(std::move(*current_));
        current_.reset();
        currentDropped_ = true;
    }
    for (Piece &piece : dropped)
        if (piece.end)
            piece.end(false);
}

} // namespace zindle
