// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The race-day page the classroom's phones open: now racing, on deck, the standings, and a form
// for the timekeeper. It needs nothing but the server it came from; every name and number it
// shows is set as text, never as markup, so a design named like a script stays a name.

#include <QByteArray>

namespace zindle {

QByteArray EventPageHtml();

} // namespace zindle
