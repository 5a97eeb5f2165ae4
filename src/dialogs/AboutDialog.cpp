// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutDialog.h"

#include "dialogs/ClickLabel.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace zindle {

QPixmap AboutPicture()
{
    QPixmap picture(360, 150);
    picture.fill(QColor(0, 170, 255));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // Ground.
    painter.fillRect(0, 124, 360, 26, QColor(238, 187, 153));
    // Body: the layered side profile of a racer.
    QPainterPath body;
    body.moveTo(40, 112);
    body.lineTo(40, 70);
    body.lineTo(120, 70);
    body.cubicTo(170, 40, 250, 50, 320, 100);
    body.lineTo(320, 112);
    body.closeSubpath();
    painter.setPen(QPen(QColor(80, 80, 80), 2));
    painter.setBrush(QColor(255, 250, 235));
    painter.drawPath(body);
    painter.save();
    painter.setClipPath(body);
    painter.setPen(QPen(QColor(200, 190, 170), 1));
    for (int y = 62; y < 112; y += 8)
        painter.drawLine(42, y, 318, y);
    painter.restore();
    painter.setPen(QPen(QColor(80, 80, 80), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(body);
    // Wheels.
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(QColor(60, 60, 60));
    painter.drawEllipse(QPointF(85, 104), 22, 22);
    painter.drawEllipse(QPointF(280, 112), 12, 12);
    painter.setBrush(QColor(230, 230, 230));
    painter.drawEllipse(QPointF(85, 104), 6, 6);
    painter.drawEllipse(QPointF(280, 112), 3, 3);
    // Name.
    QFont font = painter.font();
    font.setPointSize(26);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 4, 360, 44), Qt::AlignCenter, QStringLiteral("Zindle"));
    return picture;
}

AboutDialog::AboutDialog(const HelpLinks &help, QWidget *parent) : QDialog(parent), help_(help)
{
    setObjectName(QStringLiteral("TAbout"));
    setWindowTitle(tr("About Zindle"));
    // No border icons: the window is left only through its own clicks.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto *image = new ClickLabel(QString(), this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(AboutPicture());
    connect(image, &ClickLabel::clicked, this, &AboutDialog::Dismiss);
    layout->addWidget(image, 0, Qt::AlignHCenter);

    auto *version = new ClickLabel(tr("Version 4.1"), this);
    version->setObjectName(QStringLiteral("Label1"));
    QFont big = version->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    version->setFont(big);
    connect(version, &ClickLabel::clicked, this, &AboutDialog::Dismiss);
    layout->addWidget(version, 0, Qt::AlignHCenter);

    auto link = [this, layout](const QString &name, const QString &text, const QString &path) {
        auto *label = new ClickLabel(text, this);
        label->setObjectName(name);
        label->setCursor(Qt::PointingHandCursor);
        // Tab reaches the links and Enter opens them; the one with the focus is framed, as it is
        // underlined already.
        label->setFocusPolicy(Qt::TabFocus);
        label->setStyleSheet(QStringLiteral("QLabel { color: #0000cc; text-decoration: underline; }"
                                            "QLabel:focus { border: 1px dotted #0000cc; }"));
        connect(label, &ClickLabel::clicked, this, [this, path] { help_.open(path); });
        layout->addWidget(label, 0, Qt::AlignHCenter);
    };
    link(QStringLiteral("Label4"), tr("Visit the Zindle help pages"), QStringLiteral("/"));
    link(QStringLiteral("Label2"), tr("Download latest version"), QStringLiteral("/download.html"));

    auto *date = new QLabel(tr("20 Oct 03"), this);
    date->setObjectName(QStringLiteral("Label3"));
    layout->addWidget(date, 0, Qt::AlignHCenter);

    startButton_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton),
                                   tr("Start designing"), this);
    startButton_->setObjectName(QStringLiteral("StartDesigningBtn"));
    startButton_->setCursor(Qt::PointingHandCursor);
    startButton_->setDefault(true);
    connect(startButton_, &QPushButton::clicked, this, &AboutDialog::Dismiss);
    layout->addWidget(startButton_, 0, Qt::AlignHCenter);
    setFocusProxy(startButton_);
    startButton_->setFocus();
}

void AboutDialog::CentreOnScreen(const QScreen *screen)
{
    if (!screen)
        return;
    ensurePolished();
    adjustSize();
    QRect placed(QPoint(0, 0), frameGeometry().size());
    placed.moveCenter(screen->availableGeometry().center());
    move(placed.topLeft());
}

void AboutDialog::Dismiss()
{
    const bool wasVisible = isVisible();
    done(QDialog::Accepted);
    if (!wasVisible)
        hide();
    emit dismissed();
}

void AboutDialog::mousePressEvent(QMouseEvent *event)
{
    QDialog::mousePressEvent(event);
    Dismiss();
}

void AboutDialog::reject() { Dismiss(); }

void AboutDialog::closeEvent(QCloseEvent *event)
{
    // Closing by the window system counts as a dismissal too, so start-up always goes on.
    event->ignore();
    Dismiss();
}

} // namespace zindle
