// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A student's portfolio for grading: at most four pages on the paper asked for. Page one is the
// design (its side view, sizes, predicted results and the overview of its templates), page two
// the prediction against the simulation and the runs measured, with the challenge's checklist,
// page three the journal's versions and their chart, page four the answers to the prompts.
// What does not fit its page is cut there (the journal keeps its first and latest versions and
// says how many it leaves out), so the portfolio never runs to a fifth page.

#include "model/Challenge.h"

#include <QByteArray>
#include <QImage>
#include <QPageSize>
#include <QString>
#include <optional>
#include <vector>

namespace zindle {

struct PortfolioVersion {
    int number = 0;
    QString when;          // as the journal records it
    QString time;          // the time to 15 ft as the result field holds it ("[3.10]" when short)
    std::optional<double> seconds; // for the chart: only a car that reached 15 ft
    QString mass;          // lb, as the result field holds it
    QString note;
};

struct PortfolioAnswer {
    QString prompt, answer; // an empty answer prints as not answered
};

struct PortfolioLine {
    QString caption, value;
};

struct PortfolioContent {
    QString challengeTitle; // empty without a challenge
    QString designName, source;
    QImage sideView;
    std::vector<QImage> templates; // one picture per template, in printing order
    std::vector<PortfolioLine> sizes, results;
    QString predicted, simulated, measured; // seconds as texts; empty where there is none
    std::vector<QString> runs;              // one line per measured run
    bool challenged = false;                // false: the checklist says no challenge was given
    std::vector<RuleCheck> checks;
    std::vector<PortfolioVersion> versions;
    std::vector<PortfolioAnswer> answers;
};

inline constexpr int PortfolioMaxPages = 4;

// The PDF in `pdf` and its number of pages; 0 (with nothing in `pdf`) when the document could
// not be made.
int portfolioPdf(const PortfolioContent &content, QPageSize::PageSizeId paper, QByteArray &pdf);

} // namespace zindle
