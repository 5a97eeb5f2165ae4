// SPDX-License-Identifier: GPL-3.0-or-later
#include "PartSizeFields.h"

#include "dialogs/LocalDecimalComma.h"

#include "MainWindow.h"
#include "app/ParameterCheck.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLineEdit>

namespace zindle {

namespace {

// Which part-box item shows each field, where, and which pending-change slot it uses.
struct SizeField {
    const char *name;
    QString DesignRecord::*text;
    int item;
    bool bottom;
    int slot;
    const char *spoken; // what a screen reader says for the field, whichever part shows it
};
const SizeField sizeFieldTable[] = {
    {"SpringWidthEF", &DesignRecord::SpringWidth, 5, false, 14, "Spring width (in)"},
    {"SpringLengthEF", &DesignRecord::SpringLength, 5, true, 15, "Spring length (in)"},
    {"DriveAxleDiaEF", &DesignRecord::DriveAxleDia, 6, false, 16, "Drive axle diameter (in)"},
    {"OtherAxleDiaEF", &DesignRecord::OtherAxleDia, 7, false, 17, "Non-drive axle diameter (in)"},
    {"DriveWhlDiaEF", &DesignRecord::DriveWhlDia, 3, false, 18, "Drive wheel diameter (in)"},
    {"OtherWhlDiaEF", &DesignRecord::OtherWhlDia, 4, false, 19, "Non-drive wheel diameter (in)"},
    {"OtherAxleLengthEF", &DesignRecord::OtherAxleLength, 7, true, 20, "Non-drive axle length (in)"},
    {"DriveAxleLengthEF", &DesignRecord::DriveAxleLength, 6, true, 21, "Drive axle length (in)"},
};

ParameterTexts textsOf(const DesignRecord &d, const QString &caseOuterD)
{
    return ParameterTexts{d.DriveWhlDia, d.OtherWhlDia, d.DriveAxleDia, d.DriveAxleLength,
                          d.OtherAxleDia, d.OtherAxleLength, d.SpringWidth, d.SpringLength,
                          d.CaseRatio, d.Friction, caseOuterD};
}

} // namespace

PartSizeFields::PartSizeFields(MainWindow &window, QWidget *panel, QGridLayout *topStack,
                               QGridLayout *bottomStack, std::function<void()> edited,
                               std::function<void()> returnPressed)
    : QObject(panel), window_(window), keyPressed_(edited)
{
    for (const SizeField &f : sizeFieldTable) {
        auto *edit = new QLineEdit(panel);
        edit->setObjectName(QLatin1String(f.name));
        edit->setFixedWidth(64);
        edit->setAccessibleName(QLatin1String(f.spoken));
        edit->installEventFilter(this);
        acceptLocalDecimalComma(edit);
        (f.bottom ? bottomStack : topStack)->addWidget(edit, 0, 0);
        fields_.push_back(edit);
        const int slot = f.slot;
        connect(edit, &QLineEdit::textEdited, this, [this, slot] {
            editedSinceEnter_ = true;
            pending_[static_cast<size_t>(slot)] = true;
            // A change without a key (pasted with the mouse) must be appliable too.
            keyPressed_();
        });
        connect(edit, &QLineEdit::returnPressed, this, returnPressed);
    }
}

QLineEdit *PartSizeFields::field(int partNameIndex, bool bottom) const
{
    for (size_t i = 0; i < fields_.size(); ++i)
        if (sizeFieldTable[i].item == partNameIndex && sizeFieldTable[i].bottom == bottom)
            return fields_[i];
    return nullptr;
}

void PartSizeFields::hideAll()
{
    for (QLineEdit *field : fields_)
        field->hide();
}

void PartSizeFields::sync()
{
    const DesignRecord &design = window_.workspace().design;
    for (size_t i = 0; i < fields_.size(); ++i)
        // A typed size waiting for Apply stays as typed.
        if (!fields_[i]->hasFocus() && !pending_[static_cast<size_t>(sizeFieldTable[i].slot)])
            fields_[i]->setText(design.*(sizeFieldTable[i].text));
}

void PartSizeFields::fieldExit(QLineEdit *field)
{
    // Leaving a field takes a valid text into the design but recomputes nothing. Every check
    // covers all the sizes, so even an unchanged field can be refused for another one's value.
    Workspace &workspace = window_.workspace();
    for (size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i] != field)
            continue;
        QString &stored = workspace.design.*(sizeFieldTable[i].text);
        DesignEdit edit = window_.history().begin();
        DesignRecord trial = workspace.design;
        trial.*(sizeFieldTable[i].text) = field->text();
        if (ValidateParameters(textsOf(trial, workspace.results.CaseOuterDEF), window_.prompter())) {
            stored = field->text();
            if (editedSinceEnter_)
                workspace.MarkDesignChanged();
            editedSinceEnter_ = false;
            edit.commit(sizeChangeName(edit.before().design, workspace.design), StepKind::SizeTyped);
        } else {
            field->setText(stored);
        }
        return;
    }
}

std::vector<QString DesignRecord::*> PartSizeFields::applyPending()
{
    static const int order[] = {17, 19, 18, 16, 14, 20, 21, 15};
    Workspace &workspace = window_.workspace();
    std::vector<QString DesignRecord::*> taken;
    for (int slot : order) {
        size_t i = 0;
        while (i < fields_.size() && sizeFieldTable[i].slot != slot)
            ++i;
        if (i == fields_.size())
            continue;
        QLineEdit *field = fields_[i];
        const SizeField &f = sizeFieldTable[i];
        DesignRecord &design = workspace.design;
        if (!pending_[static_cast<size_t>(slot)])
            continue;
        pending_[static_cast<size_t>(slot)] = false;
        DesignRecord trial = design;
        trial.*(f.text) = field->text();
        if (!ValidateParameters(textsOf(trial, workspace.results.CaseOuterDEF), window_.prompter())) {
            field->setText(design.*(f.text));
            continue;
        }
        design.*(f.text) = field->text();
        taken.push_back(f.text);
        if (slot == 14 || slot == 15 || slot == 16) {
            design.RSpringWidth = design.SpringWidth;
            design.RSpringLength = design.SpringLength;
            design.RArborDia = design.DriveAxleDia;
        }
        workspace.MarkDesignChanged();
        window_.RefreshMode(0, 0, window_.CurrentMode());
        // The refresh leaves the field the user is in alone; after Enter it must show the size
        // the design really uses (the build may have enlarged or capped it).
        field->setText(design.*(f.text));
    }
    return taken;
}

void PartSizeFields::stopWatching()
{
    for (QLineEdit *field : fields_)
        field->removeEventFilter(this);
}

bool PartSizeFields::eventFilter(QObject *watched, QEvent *event)
{
    auto *field = qobject_cast<QLineEdit *>(watched);
    if (field && event->type() == QEvent::FocusIn) {
        editedSinceEnter_ = false;
    } else if (field && event->type() == QEvent::KeyPress) {
        // Any key makes Apply the button that Enter presses.
        if (keyPressed_)
            keyPressed_();
    } else if (field && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            fieldExit(field);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zindle
