// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tool window that shows one chart drawn by a chart painter, at whatever size the user gives
// the window, or a short text when there is nothing to chart. "Save Chart..." writes the chart
// as the painter draws it to a PNG, SVG or PDF file.

#include "charts/ChartFile.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace zindle {

class Prompter;

class ChartWindow : public QWidget {
    Q_OBJECT
public:
    ChartWindow(const QString &title, Prompter &prompter, QWidget *parent);

    // `name` heads the window title and names the saved file.
    void showChart(const QString &name, ChartPainter painter);
    void showText(const QString &text);
    // A line under the chart in plain words (what it says, for a student); cleared by showText.
    void setCaption(const QString &caption);
    QString caption() const;

    bool showsChart() const { return static_cast<bool>(painter_); }
    QString text() const;
    // The chart as it would be saved (tests; an empty picture when there is no chart).
    QImage picture(QSize size) const;
    void SaveClick();

private:
    class Canvas;
    QString title_, name_;
    Prompter &prompter_;
    ChartPainter painter_;
    Canvas *canvas_ = nullptr;
    QLabel *text_ = nullptr;
    QLabel *caption_ = nullptr;
    QPushButton *save_ = nullptr;
};

} // namespace zindle
