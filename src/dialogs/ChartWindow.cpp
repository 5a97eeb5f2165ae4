// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartWindow.h"

#include "files/FileAccess.h"
#include "files/FileErrors.h"
#include "files/ReplaceQuestion.h"
#include "model/Prompter.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace zindle {

class ChartWindow::Canvas : public QWidget {
public:
    explicit Canvas(const ChartWindow &window) : QWidget(const_cast<ChartWindow *>(&window)), window_(window)
    {
        setMinimumSize(320, 300);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (window_.painter_) {
            painter.setRenderHint(QPainter::Antialiasing);
            window_.painter_(painter, QRectF(rect()));
        }
    }

private:
    const ChartWindow &window_;
};

ChartWindow::ChartWindow(const QString &title, Prompter &prompter, QWidget *parent)
    : QWidget(parent, Qt::Tool), title_(title), prompter_(prompter)
{
    setWindowTitle(title);
    auto *column = new QVBoxLayout(this);
    canvas_ = new Canvas(*this);
    text_ = new QLabel(this);
    text_->setAlignment(Qt::AlignCenter);
    text_->setWordWrap(true);
    text_->setMinimumSize(320, 300);
    text_->setStyleSheet(QStringLiteral("background: white; color: #444;"));
    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("ChartCaption"));
    caption_->setTextFormat(Qt::PlainText);
    caption_->setWordWrap(true);
    caption_->hide();
    column->addWidget(canvas_, 1);
    column->addWidget(text_, 1);
    column->addWidget(caption_);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    save_ = new QPushButton(tr("Save Chart..."), this);
    save_->setObjectName(QStringLiteral("SaveChartBtn"));
    save_->setAutoDefault(false);
    buttons->addWidget(save_);
    column->addLayout(buttons);
    connect(save_, &QPushButton::clicked, this, [this] { SaveClick(); });
    showText(QString());
    resize(560, 620);
    // On a small screen (1024x600) the usual height would put Save Chart below its edge; the
    // frame and title bar need room too.
    if (const QScreen *shown = screen())
        resize(size().boundedTo(shown->availableGeometry().size() - QSize(16, 64)).expandedTo(minimumSizeHint()));
}

void ChartWindow::showChart(const QString &name, ChartPainter painter)
{
    name_ = name;
    painter_ = std::move(painter);
    setWindowTitle(name.isEmpty() ? title_ : tr("%1 - %2").arg(name, title_));
    text_->hide();
    canvas_->show();
    save_->setEnabled(true);
    canvas_->update();
}

void ChartWindow::showText(const QString &text)
{
    name_.clear();
    painter_ = nullptr;
    setWindowTitle(title_);
    text_->setText(text);
    setCaption(QString());
    canvas_->hide();
    text_->show();
    save_->setEnabled(false);
}

void ChartWindow::setCaption(const QString &caption)
{
    caption_->setText(caption);
    caption_->setVisible(!caption.isEmpty());
}

QString ChartWindow::caption() const { return caption_->text(); }

QString ChartWindow::text() const
{
    return painter_ ? QString() : text_->text();
}

QImage ChartWindow::picture(QSize size) const
{
    if (!painter_)
        return {};
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter_(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

void ChartWindow::SaveClick()
{
    if (!painter_)
        return;
    // The painter may be replaced by a refresh while the file prompt waits.
    const ChartPainter painter = painter_;
    const QString title = name_.isEmpty() ? title_ : name_ + QLatin1Char(' ') + title_;
    const QString path = AskPathToWrite(prompter_, tr("Save Chart"),
                                        {tr("PNG picture") + QStringLiteral("|*.png"),
                                         tr("SVG drawing") + QStringLiteral("|*.svg"),
                                         tr("PDF document") + QStringLiteral("|*.pdf")},
                                        title + QStringLiteral(".png"));
    if (path.isEmpty())
        return;
    const std::optional<ChartFormat> format = chartFormatOf(path);
    if (!format) {
        prompter_.message(tr("A chart is saved as .png, .svg or .pdf."), FileErrorCaption());
        return;
    }
    // The file gets the window's proportions, at least as large as a printed page's chart.
    const QSizeF shown = canvas_->size();
    const double grow = std::max(1.0, 900.0 / std::max(1.0, shown.width()));
    const QSize size = (shown * grow).toSize();
    const QByteArray bytes = renderChart(*format, size, title, painter);
    const WriteOutcome outcome = bytes.isEmpty() ? FailedWrite(FileText::plain(tr("The chart could not be drawn.")))
                                                 : WriteFileAtomically(path, bytes);
    if (!outcome.ok)
        prompter_.message(outcome.shownError(), FileErrorCaption());
}

} // namespace zindle
