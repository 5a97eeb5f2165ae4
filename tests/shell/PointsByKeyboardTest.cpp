// SPDX-License-Identifier: GPL-3.0-or-later
// A student who cannot use a mouse: the outline is typed in the Points dialog, the car simulated
// and its report printed, with nothing but keys.

#include "GuiTestSupport.h"
#include "dialogs/PaperPrototypeDialog.h"
#include "dialogs/PointsDialog.h"
#include "output/PrintJobs.h"
#include "support/QtPrinters.h"

#include <QFileInfo>
#include <QTableWidget>
#include <QTest>

namespace zindle::test {
namespace {

// A key as the keyboard sends it, to whatever has the focus. The table's editor closes only on
// the next turn of the event loop after Enter, so each key gets one.
void press(Qt::Key key)
{
    QWidget *target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, key);
    QApplication::processEvents();
}

// The window a user would be typing in, as the desktop gives it the keys. The offscreen
// platform leaves the keys with a window whose menu has just closed, so this is said outright.
void activate(QWidget *window)
{
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QApplication::processEvents();
}

void type(const QString &text)
{
    for (const QChar c : text) {
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        QApplication::processEvents();
    }
}

TEST(PointsByKeyboard, AnOutlineIsTypedSimulatedAndPrintedWithKeysOnly)
{
    StartedWindow s;
    MainWindow &w = s.w();
    activate(&w);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    w.paperPrototype()->openPrinter = [&](QWidget *) -> std::unique_ptr<PageSink> {
        return std::make_unique<PdfFileSink>(pdf, 150);
    };
    const std::vector<std::pair<QString, QString>> typed{
        {"0.5", "3"}, {"9.5", "3"}, {"9.5", "5.5"}, {"0.5", "5.5"}, {"0.5", "3.5"}};
    s.other = [&](QDialog &dialog) {
        auto *points = dynamic_cast<PointsDialog *>(&dialog);
        if (!points)
            return int(QDialog::Rejected);
        points->show();
        activate(points);
        QTableWidget *table = points->table();
        EXPECT_EQ(QApplication::focusWidget(), table);
        while (table->rowCount() > 0)
            press(Qt::Key_Delete);
        for (const auto &[across, down] : typed) {
            press(Qt::Key_Insert);
            type(across);
            press(Qt::Key_Return);
            press(Qt::Key_Right);
            type(down);
            press(Qt::Key_Return);
            if (table->rowCount() == 1) {
                // One point is no outline: OK says so and the dialog stays.
                press(Qt::Key_Return);
                EXPECT_EQ(s.prompter.messages(), QStringList{"An outline needs at least 5 points; this one has 1."});
                EXPECT_TRUE(points->isVisible());
            }
        }
        press(Qt::Key_Return);
        return points->result();
    };

    QTest::keyClick(&w, Qt::Key_E, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_P);
    QTRY_COMPARE(s.workspace.design.OuterPts,
                 (std::vector<QPoint>{{36, 216}, {684, 216}, {684, 396}, {36, 396}, {36, 252}}));
    EXPECT_EQ(w.history().undoText(), QStringLiteral("Draw outer layer"));
    // As the desktop does when a dialog closes, the keys go to the main window again.
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));

    QTest::keyClick(&w, Qt::Key_F4);
    EXPECT_EQ(w.CurrentMode(), SheetMode::Simulate);
    EXPECT_FALSE(s.workspace.results.TimeEF.isEmpty());

    QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier);
    PaperPrototypeDialog *print = w.paperPrototype();
    ASSERT_TRUE(print->isVisible());
    activate(print);
    press(Qt::Key_Return);
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
    EXPECT_EQ(s.prompter.messages().size(), 1);
}

} // namespace
} // namespace zindle::test
