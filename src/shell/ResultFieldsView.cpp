#include "ResultFieldsView.h"

#include "dialogs/ClickLabel.h"
#include "ShellWidgets.h"
#include "physics/ResultFields.h"

#include <QGridLayout>
#include <QLineEdit>

namespace zindle {

namespace {

// The result fields the main window shows, by their ResultFields member.
struct ShownResult {
    const char *name;
    QString ResultFields::*field;
};
const ShownResult shownResults[] = {
    {"LayersCoredEF", &ResultFields::LayersCoredEF},   {"LayersFullEF", &ResultFields::LayersFullEF},
    {"LayersWideEF", &ResultFields::LayersWideEF},     {"CarWidthEF", &ResultFields::CarWidthEF},
    {"CaseWidthEF", &ResultFields::CaseWidthEF},       {"BottlesNeededEF", &ResultFields::BottlesNeededEF},
    {"ProjectedMassEF", &ResultFields::ProjectedMassEF}, {"FoamMassEF", &ResultFields::FoamMassEF},
    {"SpringMassEF", &ResultFields::SpringMassEF},     {"AxleMassEF", &ResultFields::AxleMassEF},
    {"MaxRealTorqueEF", &ResultFields::MaxRealTorqueEF}, {"RevsEF", &ResultFields::RevsEF},
    {"TimeEF", &ResultFields::TimeEF},                 {"TopSpeedEF", &ResultFields::TopSpeedEF},
    {"PoweredDistanceEF", &ResultFields::PoweredDistanceEF},
};

} // namespace

QLineEdit *ResultFieldsView::addField(QWidget *parent, QGridLayout *grid, int row, int column,
                                      const QString &caption, const QString &helpPath,
                                      const QString &fieldName, const QString &labelName)
{
    QLabel *label;
    if (helpPath.isEmpty()) {
        label = new QLabel(caption, parent);
    } else {
        label = helpCaption(caption, helpPath, help_, parent);
        label->setCursor(Qt::PointingHandCursor);
        label->setStyleSheet(QStringLiteral("color: #0000aa;"));
    }
    label->setObjectName(labelName);
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(fieldName);
    edit->setReadOnly(true);
    edit->setFixedWidth(96);
    edits_.push_back(edit);
    grid->addWidget(label, row, column, Qt::AlignRight);
    grid->addWidget(edit, row, column + 1);
    return edit;
}

void ResultFieldsView::show(const ResultFields &results)
{
    for (const ShownResult &r : shownResults) {
        const QString name = QLatin1String(r.name);
        for (QLineEdit *edit : edits_)
            if (edit->objectName() == name) {
                edit->setText(results.*(r.field));
                edit->setCursorPosition(0); // the leading digits are the ones that matter
            }
    }
}

} // namespace zindle
