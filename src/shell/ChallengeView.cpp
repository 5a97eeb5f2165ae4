// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChallengeView.h"

#include "ChallengeChecklist.h"
#include "MainWindow.h"
#include "app/LiveResults.h"
#include "dialogs/ChallengeEditor.h"
#include "files/ChallengeFile.h"

#include <QAction>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QMenu>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ChallengeView)
};

} // namespace

ChallengeView::ChallengeView(MainWindow &window, QBoxLayout &sheetRow) : window_(window)
{
    checklist_ = new ChallengeChecklist(window.liveResults(), sheetRow.parentWidget());
    checklist_->hide();
    sheetRow.addWidget(checklist_);

    auto *file = window.findChild<QMenu *>(QStringLiteral("FileMenu"));
    QAction *before = window.action(QStringLiteral("ConvertPos"));
    if (!file)
        return;
    const auto add = [&](const QString &name, const QString &text, auto slot) {
        auto *action = new QAction(text, file);
        action->setObjectName(name);
        QObject::connect(action, &QAction::triggered, &window, slot);
        file->insertAction(before, action);
        return action;
    };
    file->insertSeparator(before);
    add(QStringLiteral("OpenChallengePos"), Texts::tr("Open C&hallenge..."), [this] { OpenChallenge(); });
    close_ = add(QStringLiteral("CloseChallengePos"), Texts::tr("Close Challen&ge"), [this] { CloseChallenge(); });
    add(QStringLiteral("NewChallengePos"), Texts::tr("Ne&w Challenge..."), [this] { NewChallenge(); });
    edit_ = add(QStringLiteral("EditChallengePos"), Texts::tr("Ed&it Challenge..."), [this] { EditChallenge(); });
    file->insertSeparator(before);
    close_->setEnabled(false);
    edit_->setEnabled(false);
}

int ChallengeView::besideSheetWidth() const { return challenge_ ? ChallengeChecklist::PanelWidth : 0; }

void ChallengeView::OpenChallenge()
{
    window_.settleBeforeModal();
    const QString path = window_.prompter().openPath(Texts::tr("Open Challenge"),
                                                     {Texts::tr("Challenge") + QStringLiteral("|*.json")});
    if (!path.isEmpty())
        OpenChallengeFile(path);
}

bool ChallengeView::OpenChallengeFile(const QString &path)
{
    ChallengeRead read = ReadChallenge(path);
    if (!read.ok) {
        window_.prompter().message(read.shownError(), FileErrorCaption());
        return false;
    }
    take(std::make_shared<const Challenge>(std::move(read.challenge)), path);
    return true;
}

void ChallengeView::CloseChallenge() { take(nullptr, {}); }

void ChallengeView::NewChallenge() { edit(Challenge{}, {}); }

void ChallengeView::EditChallenge()
{
    if (challenge_)
        edit(*challenge_, path_);
}

void ChallengeView::edit(const Challenge &start, const QString &path)
{
    ChallengeEditor editor(window_.prompter(), start, path, &window_);
    if (window_.runModalDialog(editor) != QDialog::Accepted || editor.savedPath().isEmpty())
        return;
    // What was written is what is checked, read back as any challenge file is.
    OpenChallengeFile(editor.savedPath());
}

void ChallengeView::take(std::shared_ptr<const Challenge> challenge, const QString &path)
{
    const bool widthChanges = !challenge != !challenge_;
    challenge_ = std::move(challenge);
    path_ = path;
    close_->setEnabled(challenge_ != nullptr);
    edit_->setEnabled(challenge_ != nullptr);
    window_.liveResults().setChallenge(challenge_);
    checklist_->setVisible(challenge_ != nullptr);
    if (widthChanges && window_.centralWidget() && window_.centralWidget()->layout()) {
        // The sheet is scaled into the room the checklist leaves, at once, not at the next resize.
        window_.centralWidget()->layout()->activate();
        window_.WindowResized();
    }
    window_.liveInputsMayHaveChanged();
}

} // namespace zindle
