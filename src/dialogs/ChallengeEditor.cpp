// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChallengeEditor.h"

#include "LocalDecimalComma.h"
#include "files/ChallengeFile.h"
#include "files/ReplaceQuestion.h"
#include "model/NumberText.h"
#include "model/Prompter.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zindle {

namespace {

enum RuleColumn { RuleName, RuleOp, RuleLimit, RuleProblem };
const QStringList OperatorTexts{QString(), QStringLiteral("<="), QStringLiteral(">="), QStringLiteral("=")};

QString opText(RuleOperator op)
{
    switch (op) {
    case RuleOperator::None: return {};
    case RuleOperator::AtMost: return OperatorTexts[1];
    case RuleOperator::AtLeast: return OperatorTexts[2];
    case RuleOperator::Equal: return OperatorTexts[3];
    }
    return {};
}

const ScoringKind ScoringKinds[] = {ScoringKind::Time, ScoringKind::Distance, ScoringKind::Target,
                                    ScoringKind::Efficiency};

std::optional<double> typedNumber(const QString &typed) { return parseDouble(numberAsWritten(typed)); }

QTableWidget *table(QWidget *parent, const QString &name, const QStringList &headers)
{
    auto *t = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    t->setObjectName(name);
    t->setHorizontalHeaderLabels(headers);
    t->horizontalHeader()->setStretchLastSection(true);
    t->verticalHeader()->setVisible(false);
    t->setItemDelegate(new LocalDecimalCommaDelegate(t));
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Rows as high as the combo boxes in them, no higher.
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 14);
    return t;
}

// The Add and Remove buttons under a table; Remove takes the selected rows.
QWidget *rowButtons(QWidget *parent, QTableWidget *t, const std::function<void()> &add)
{
    auto *box = new QWidget(parent);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto *addButton = new QPushButton(ChallengeEditor::tr("Add"), box);
    addButton->setObjectName(t->objectName() + QStringLiteral("Add"));
    auto *removeButton = new QPushButton(ChallengeEditor::tr("Remove"), box);
    removeButton->setObjectName(t->objectName() + QStringLiteral("Remove"));
    QObject::connect(addButton, &QPushButton::clicked, box, add);
    QObject::connect(removeButton, &QPushButton::clicked, box, [t] {
        const QModelIndexList rows = t->selectionModel()->selectedRows();
        std::vector<int> numbers;
        for (const QModelIndex &index : rows)
            numbers.push_back(index.row());
        std::sort(numbers.rbegin(), numbers.rend());
        for (int number : numbers)
            t->removeRow(number);
    });
    row->addWidget(addButton);
    row->addWidget(removeButton);
    row->addStretch();
    return box;
}

QString cellText(const QTableWidget *t, int row, int column)
{
    const QTableWidgetItem *item = t->item(row, column);
    return item ? item->text().trimmed() : QString();
}

} // namespace

QString numberAsWritten(const QString &typed)
{
    const QLocale locale;
    QString text = typed.trimmed();
    if (locale.decimalPoint() == QLatin1String("."))
        return text;
    // "1.234,5" in Munich: the point groups thousands there and is no decimal point.
    if (!locale.groupSeparator().isEmpty() && text.contains(locale.decimalPoint()))
        text.remove(locale.groupSeparator());
    return text.replace(locale.decimalPoint(), QStringLiteral("."));
}

ChallengeEditor::ChallengeEditor(Prompter &prompter, const Challenge &challenge, const QString &path, QWidget *parent)
    : QDialog(parent), prompter_(prompter), path_(path)
{
    setObjectName(QStringLiteral("ChallengeEditor"));
    setWindowTitle(tr("Challenge"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    title_ = new QLineEdit(this);
    title_->setObjectName(QStringLiteral("ChallengeTitleField"));
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("ChallengeTextField"));
    text_->setMaximumHeight(3 * fontMetrics().lineSpacing() + 12);
    form->addRow(tr("&Title:"), title_);
    form->addRow(tr("Te&xt:"), text_);
    auto *scoringRow = new QHBoxLayout;
    scoring_ = new QComboBox(this);
    scoring_->setObjectName(QStringLiteral("ChallengeScoring"));
    scoring_->addItems({tr("Time to 15 ft"), tr("Distance"), tr("Closest to a target time"), tr("Energy efficiency")});
    target_ = new QLineEdit(this);
    target_->setObjectName(QStringLiteral("ChallengeTargetTime"));
    target_->setAccessibleName(tr("Target time in seconds"));
    acceptLocalDecimalComma(target_);
    scoringRow->addWidget(scoring_);
    scoringRow->addWidget(new QLabel(tr("target (s):"), this));
    scoringRow->addWidget(target_);
    auto *scoringLabel = new QLabel(tr("&Scoring:"), this);
    scoringLabel->setBuddy(scoring_);
    form->addRow(scoringLabel, scoringRow);
    layout->addLayout(form);

    layout->addWidget(new QLabel(tr("Rules:"), this));
    rules_ = table(this, QStringLiteral("ChallengeRulesTable"), {tr("Rule"), tr("Operator"), tr("Value"), tr("Problem")});
    connect(rules_, &QTableWidget::cellChanged, this, [this](int row, int column) {
        if (column == RuleLimit)
            checkRule(row);
    });
    // The rule names and operators fit their boxes; the refusal takes what is left.
    rules_->setColumnWidth(RuleName, 150);
    rules_->setColumnWidth(RuleOp, 80);
    rules_->setColumnWidth(RuleLimit, 120);
    layout->addWidget(rules_, 2);
    layout->addWidget(rowButtons(this, rules_, [this] { addRule(QStringLiteral("mass"), QStringLiteral("<="), {}); }));
    // The rubric and the prompts side by side: the rules keep the height.
    auto *lower = new QHBoxLayout;
    auto *rubricColumn = new QVBoxLayout;
    rubricColumn->addWidget(new QLabel(tr("Rubric:"), this));
    rubric_ = table(this, QStringLiteral("ChallengeRubricTable"), {tr("Text"), tr("Weight")});
    rubric_->horizontalHeader()->setStretchLastSection(false);
    rubric_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    rubricColumn->addWidget(rubric_, 1);
    rubricColumn->addWidget(rowButtons(this, rubric_, [this] { addRubricRow({}, QStringLiteral("1")); }));
    auto *promptsColumn = new QVBoxLayout;
    promptsColumn->addWidget(new QLabel(tr("Prompts:"), this));
    prompts_ = table(this, QStringLiteral("ChallengePromptsTable"), {tr("Text"), tr("When")});
    prompts_->horizontalHeader()->setStretchLastSection(false);
    prompts_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    prompts_->setColumnWidth(1, 200);
    promptsColumn->addWidget(prompts_, 1);
    promptsColumn->addWidget(rowButtons(this, prompts_, [this] { addPrompt({}, PromptWhen::BeforeFirstSimulation); }));
    lower->addLayout(rubricColumn, 2);
    lower->addLayout(promptsColumn, 3);
    layout->addLayout(lower, 1);
    problems_ = new QLabel(this);
    problems_->setObjectName(QStringLiteral("ChallengeProblems"));
    problems_->setWordWrap(true);
    problems_->setStyleSheet(QStringLiteral("color: #c00000"));
    layout->addWidget(problems_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Save)->setObjectName(QStringLiteral("ChallengeSave"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { save(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(scoring_, &QComboBox::currentIndexChanged, this, [this] { scoringChanged(); });
    fill(challenge);
    setMinimumSize(640, 520);
    resize(860, 640);
}

void ChallengeEditor::fill(const Challenge &challenge)
{
    title_->setText(challenge.title);
    text_->setPlainText(challenge.text);
    const auto kind = std::find(std::begin(ScoringKinds), std::end(ScoringKinds), challenge.scoring.kind);
    scoring_->setCurrentIndex(static_cast<int>(kind - std::begin(ScoringKinds)));
    // Shown as this desktop writes numbers.
    if (challenge.scoring.kind == ScoringKind::Target)
        target_->setText(QLocale().toString(challenge.scoring.targetTime, 'g', 15));
    scoringChanged();
    for (const ChallengeRule &rule : challenge.rules) {
        const RuleKind *kind = ruleKind(rule.name);
        QString limit = rule.limit;
        if (kind && kind->value == RuleValue::Number)
            limit.replace(QLatin1Char('.'), QLocale().decimalPoint());
        addRule(rule.name, opText(rule.op), limit);
    }
    for (const RubricRow &row : challenge.rubric)
        addRubricRow(row.text, QLocale().toString(row.weight, 'g', 15));
    for (const ChallengePrompt &prompt : challenge.prompts)
        addPrompt(prompt.text, prompt.when);
}

void ChallengeEditor::scoringChanged() { target_->setEnabled(scoring_->currentIndex() == 2); }

void ChallengeEditor::addRule(const QString &name, const QString &op, const QString &value)
{
    const int row = rules_->rowCount();
    rules_->insertRow(row);
    auto *names = new QComboBox(rules_);
    for (const RuleKind &kind : ruleKinds())
        names->addItem(QString::fromLatin1(kind.name));
    names->setCurrentText(name);
    auto *ops = new QComboBox(rules_);
    ops->addItems(OperatorTexts);
    ops->setCurrentText(op);
    const QSignalBlocker quiet(rules_);
    rules_->setCellWidget(row, RuleName, names);
    rules_->setCellWidget(row, RuleOp, ops);
    rules_->setItem(row, RuleLimit, new QTableWidgetItem(value));
    auto *problem = new QTableWidgetItem;
    problem->setFlags(Qt::ItemIsEnabled);
    problem->setForeground(QColor(0xc0, 0x00, 0x00));
    rules_->setItem(row, RuleProblem, problem);
    // The combo boxes move with removed rows: each finds its row when it changes.
    const auto recheck = [this, names] {
        for (int r = 0; r < rules_->rowCount(); ++r)
            if (rules_->cellWidget(r, RuleName) == names)
                checkRule(r);
    };
    connect(names, &QComboBox::currentIndexChanged, this, recheck);
    connect(ops, &QComboBox::currentIndexChanged, this, recheck);
    checkRule(row);
}

void ChallengeEditor::addRubricRow(const QString &text, const QString &weight)
{
    const int row = rubric_->rowCount();
    rubric_->insertRow(row);
    rubric_->setItem(row, 0, new QTableWidgetItem(text));
    rubric_->setItem(row, 1, new QTableWidgetItem(weight));
}

void ChallengeEditor::addPrompt(const QString &text, PromptWhen when)
{
    const int row = prompts_->rowCount();
    prompts_->insertRow(row);
    prompts_->setItem(row, 0, new QTableWidgetItem(text));
    auto *whens = new QComboBox(prompts_);
    whens->addItems({tr("before the first simulation"), tr("after a race")});
    whens->setCurrentIndex(when == PromptWhen::AfterRace ? 1 : 0);
    prompts_->setCellWidget(row, 1, whens);
}

namespace {

QString ruleText(const QTableWidget *rules, int row)
{
    const auto *name = qobject_cast<const QComboBox *>(rules->cellWidget(row, RuleName));
    const auto *op = qobject_cast<const QComboBox *>(rules->cellWidget(row, RuleOp));
    QString text = name ? name->currentText() : QString();
    if (op && !op->currentText().isEmpty()) {
        const QString value = cellText(rules, row, RuleLimit);
        // A word rule's value ("drive = rear", a material's name) is no number to convert.
        const RuleKind *kind = ruleKind(text);
        text += QLatin1Char(' ') + op->currentText() + QLatin1Char(' ') +
                (kind && kind->value == RuleValue::Number ? numberAsWritten(value) : value);
    }
    return text;
}

} // namespace

void ChallengeEditor::checkRule(int row)
{
    RuleRefusal refusal;
    const bool read = parseRule(ruleText(rules_, row), refusal).has_value();
    if (QTableWidgetItem *problem = rules_->item(row, RuleProblem)) {
        const QSignalBlocker quiet(rules_);
        problem->setText(read ? QString() : refusal.shown());
        problem->setToolTip(problem->text());
    }
}

QStringList ChallengeEditor::refusals() const
{
    QStringList said;
    for (int row = 0; row < rules_->rowCount(); ++row) {
        RuleRefusal refusal;
        if (!parseRule(ruleText(rules_, row), refusal))
            said << refusal.shown();
    }
    return said;
}

Challenge ChallengeEditor::challenge() const
{
    Challenge challenge;
    challenge.title = title_->text().trimmed();
    challenge.text = text_->toPlainText().trimmed();
    for (int row = 0; row < rules_->rowCount(); ++row) {
        RuleRefusal refusal;
        if (std::optional<ChallengeRule> rule = parseRule(ruleText(rules_, row), refusal))
            challenge.rules.push_back(*rule);
    }
    challenge.scoring.kind = ScoringKinds[std::clamp(scoring_->currentIndex(), 0, 3)];
    if (challenge.scoring.kind == ScoringKind::Target)
        challenge.scoring.targetTime = typedNumber(target_->text()).value_or(0);
    for (int row = 0; row < rubric_->rowCount(); ++row) {
        const QString text = cellText(rubric_, row, 0);
        if (!text.isEmpty())
            challenge.rubric.push_back({text, typedNumber(cellText(rubric_, row, 1)).value_or(1)});
    }
    for (int row = 0; row < prompts_->rowCount(); ++row) {
        const QString text = cellText(prompts_, row, 0);
        const auto *when = qobject_cast<const QComboBox *>(prompts_->cellWidget(row, 1));
        if (!text.isEmpty())
            challenge.prompts.push_back(
                {text, when && when->currentIndex() == 1 ? PromptWhen::AfterRace : PromptWhen::BeforeFirstSimulation});
    }
    return challenge;
}

bool ChallengeEditor::save()
{
    QStringList problems = refusals();
    if (scoring_->currentIndex() == 2) {
        const std::optional<double> target = typedNumber(target_->text());
        if (!target || *target <= 0)
            problems << tr("The target time must be a number of seconds above 0.");
    }
    for (int row = 0; row < rubric_->rowCount(); ++row)
        if (!cellText(rubric_, row, 0).isEmpty() && !typedNumber(cellText(rubric_, row, 1)))
            problems << tr("The weight of rubric row %1 is not a number.").arg(row + 1);
    problems_->setText(problems.join(QLatin1Char('\n')));
    if (!problems.isEmpty())
        return false;
    const QString path = AskPathToWrite(prompter_, tr("Save Challenge"), {tr("Challenge") + QStringLiteral("|*.json")},
                                        path_, [](const QString &chosen) {
                                            return chosen.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive)
                                                       ? chosen
                                                       : chosen + QStringLiteral(".json");
                                        });
    if (path.isEmpty())
        return false;
    const WriteOutcome written = WriteChallenge(path, challenge());
    if (!written.ok) {
        prompter_.message(written.shownError(), FileErrorCaption());
        return false;
    }
    savedPath_ = path;
    accept();
    return true;
}

} // namespace zindle
