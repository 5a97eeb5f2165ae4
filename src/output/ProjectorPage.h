// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The race day on the classroom's projector: the heat now racing and the one on deck with the
// cars in their lanes, the leaders, and how phones join (the page's address and the join code).
// Drawn for the back row: white and yellow on black, type scaled to the screen's height, no
// more lines than fit.
#include <QPainter>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

namespace zindle {

struct ProjectorLane {
    int lane = 1;   // counted from 1
    QString car;    // empty: nobody runs the lane
    QString result; // the time once recorded ("1.55 s", "DNF"), else empty
};

struct ProjectorState {
    QString title;
    QString nowCaption;  // "Now racing: heat 5 of 24", or that every heat is run
    std::vector<ProjectorLane> now;
    QString deckCaption; // "On deck: heat 6"
    std::vector<ProjectorLane> deck;
    QStringList leaders; // "1.\tRed Comet\t1.55 s": place, name and result; best first
    QString address;     // empty while the page is not served
    QString joinCode;
};

void paintProjectorPage(QPainter &painter, const QRect &area, const ProjectorState &state);

} // namespace zindle
