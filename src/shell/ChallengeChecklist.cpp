// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChallengeChecklist.h"

#include "app/ChallengeCheck.h"
#include "app/LiveResults.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ChallengeChecklist)
};

// Marks that read without colour too: a person who cannot tell red from green still sees which.
const QString PassMark = QStringLiteral("\u2714");
const QString FailMark = QStringLiteral("\u2718");
const QColor FailColour(0xc0, 0x00, 0x00);
const QColor PassColour(0x00, 0x70, 0x20);
const QColor UpdatingColour(0x80, 0x80, 0x80);

QString summaryText(const std::vector<RuleCheck> &checks)
{
    const auto broken = std::count_if(checks.begin(), checks.end(), [](const RuleCheck &c) { return !c.passed; });
    if (broken == 0)
        return Texts::tr("All rules kept.");
    return broken == 1 ? Texts::tr("1 rule broken.") : Texts::tr("%1 rules broken.").arg(broken);
}

} // namespace

ChallengeChecklist::ChallengeChecklist(LiveResults &live, QWidget *parent) : QFrame(parent), live_(live)
{
    setObjectName(QStringLiteral("ChallengeChecklist"));
    setFrameShape(QFrame::StyledPanel);
    setFixedWidth(PanelWidth);
    setAccessibleName(Texts::tr("Challenge checklist"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("ChallengeTitle"));
    title_->setWordWrap(true);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    state_ = new QLabel(this);
    state_->setObjectName(QStringLiteral("ChallengeState"));
    rules_ = new QListWidget(this);
    rules_->setObjectName(QStringLiteral("ChallengeRules"));
    rules_->setWordWrap(true);
    rules_->setSelectionMode(QAbstractItemView::NoSelection);
    rules_->setFocusPolicy(Qt::TabFocus);
    rules_->setAccessibleName(Texts::tr("Rules"));
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("ChallengeSummary"));
    summary_->setWordWrap(true);
    summary_->setFont(bold);
    layout->addWidget(title_);
    layout->addWidget(state_);
    layout->addWidget(rules_, 1);
    layout->addWidget(summary_);
    connect(&live_, &LiveResults::changed, this, &ChallengeChecklist::refresh);
    refresh();
}

QStringList ChallengeChecklist::lines() const
{
    QStringList shown;
    for (int row = 0; row < rules_->count(); ++row)
        shown << rules_->item(row)->text();
    return shown;
}

QString ChallengeChecklist::summary() const { return summary_->text(); }
QString ChallengeChecklist::heading() const { return title_->text(); }

void ChallengeChecklist::refresh()
{
    const std::shared_ptr<const Challenge> &challenge = live_.challenge();
    if (!challenge) {
        current_ = false;
        rules_->clear();
        return;
    }
    title_->setText(challenge->title.isEmpty() ? Texts::tr("Challenge") : challenge->title);
    // Only checks of this challenge count: those of another (or of none) are not its lines.
    const auto ofThis = [&challenge](const std::optional<LiveResult> &result) {
        return result && result->challenge == challenge;
    };
    const std::optional<LiveResult> &current = live_.current();
    const std::optional<LiveResult> &last = live_.lastShown();
    current_ = ofThis(current);
    if (current_) {
        state_->setText(Texts::tr("Checked as the design stands."));
        showChecks(*current);
    } else if (ofThis(last)) {
        state_->setText(live_.active() ? Texts::tr("Updating\u2026") : Texts::tr("Checked in Design mode."));
        showChecks(*last);
    } else {
        state_->setText(live_.active() ? Texts::tr("Checking\u2026") : Texts::tr("Checked in Design mode."));
        rules_->clear();
        summary_->clear();
    }
}

void ChallengeChecklist::showChecks(const LiveResult &result)
{
    rules_->clear();
    for (const RuleCheck &check : result.checks) {
        auto *item = new QListWidgetItem((check.passed ? PassMark : FailMark) + QLatin1Char(' ') + check.shownSentence,
                                         rules_);
        item->setForeground(!current_ ? UpdatingColour : check.passed ? PassColour : FailColour);
        item->setToolTip(check.rule);
        item->setData(Qt::AccessibleTextRole,
                      (check.passed ? Texts::tr("Kept: %1") : Texts::tr("Broken: %1")).arg(check.shownSentence));
    }
    if (!result.runs && result.checks.empty())
        summary_->setText(Texts::tr("Cannot run: %1").arg(result.cannotRun));
    else
        summary_->setText(summaryText(result.checks));
    QPalette palette = summary_->palette();
    palette.setColor(QPalette::WindowText, !current_ ? UpdatingColour
                                           : KeepsEveryRule(result.checks) ? PassColour
                                                                           : FailColour);
    summary_->setPalette(palette);
}

} // namespace zindle
