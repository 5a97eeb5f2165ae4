// SPDX-License-Identifier: GPL-3.0-or-later
// The "Paper Prototype" window: its options, what each prints (into a PDF sink instead of the
// print dialog and printer), the simulation before printing, a cancelled print dialog, and the
// QPrinter sink writing a PDF file.

#include "shell/GuiTestSupport.h"

#include "dialogs/PaperPrototypeDialog.h"
#include "dialogs/PrinterPageSink.h"
#include "model/NumberText.h"
#include "output/PaperSize.h"
#include "output/Templates.h"
#include "output/WheelPages.h"
#include "sheet/EmptySheet.h"
#include "shell/SheetImage.h"

#include <QComboBox>
#include <QDir>
#include <QTest>
#include <QFile>
#include <QGroupBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>

namespace zindle::test {
namespace {

// Counts the printed items and their orientations on the way to a PDF file, which the dialog
// writes when the job is done, as it does for the print dialog's "print to file".
class CountingSink : public PdfFileSink {
public:
    CountingSink(const QString &path, std::vector<QPageLayout::Orientation> &log) : PdfFileSink(path, 150), log_(log) {}
    QPainter *beginItem(QPageLayout::Orientation orientation) override
    {
        log_.push_back(orientation);
        return PdfFileSink::beginItem(orientation);
    }

private:
    std::vector<QPageLayout::Orientation> &log_;
};

struct PrintWindow : StartedWindow {
    QTemporaryDir dir;
    std::vector<QPageLayout::Orientation> items;
    int dialogsShown = 0;
    SheetMode modeWhenPrinting = SheetMode::Design;
    bool cancel = false;

    PrintWindow()
    {
        dialog()->openPrinter = [this](QWidget *) -> std::unique_ptr<PageSink> {
            ++dialogsShown;
            modeWhenPrinting = w().CurrentMode();
            if (cancel)
                return nullptr;
            return std::make_unique<CountingSink>(dir.filePath(QStringLiteral("out.pdf")), items);
        };
    }
    PaperPrototypeDialog *dialog() { return w().paperPrototype(); }
    // The export dialog takes these board sizes in turn (a refused one is followed by the next)
    // and the machine and kerf given.
    void exportDialogTakes(QStringList boards, int machine = 1, const QString &kerf = QStringLiteral("0"))
    {
        other = [boards, machine, kerf](QDialog &shown) mutable {
            auto &choose = dynamic_cast<CutExportDialog &>(shown);
            choose.machineField()->setCurrentIndex(machine);
            choose.kerfField()->setText(kerf);
            while (!boards.isEmpty() && choose.result() != QDialog::Accepted) {
                choose.boardField()->setText(boards.takeFirst());
                choose.accept();
            }
            return choose.result();
        };
    }
    // The boards are drawn on a worker; the window writes them once they are in.
    void awaitExport()
    {
        EXPECT_TRUE(QTest::qWaitFor([this] { return !dialog()->exporting(); }, 120000));
    }
    void print(PrintJobKind job)
    {
        items.clear();
        dialog()->selectJob(job);
        dialog()->findChild<QPushButton *>(QStringLiteral("PPPrintBtn"))->click();
    }
};

TEST(PaperPrototype, OptionsCaptionsAndDefault)
{
    PrintWindow s;
    PaperPrototypeDialog *d = s.dialog();
    EXPECT_EQ(d->objectName(), QStringLiteral("TPPWin"));
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Paper Prototype"));
    EXPECT_EQ(d->findChild<QGroupBox *>()->title(), QStringLiteral("Print Options"));
    const std::pair<const char *, const char *> options[] = {
        {"PPSummaryBtn", "Print Report Only"},
        {"PPOneCoredBtn", "Print One Inner Layer Template"},
        {"PPOneFullBtn", "Print One Outer Layer Template"},
        {"PPWheelBtn", "Print Wheel Templates"},
        {"PPAllBtn", "Print Entire Set "},
    };
    for (const auto &[name, caption] : options) {
        auto *radio = d->findChild<QRadioButton *>(QLatin1String(name));
        ASSERT_NE(radio, nullptr) << name;
        EXPECT_EQ(radio->text(), QLatin1String(caption));
    }
    EXPECT_TRUE(d->findChild<QRadioButton *>(QStringLiteral("PPSummaryBtn"))->isChecked());
    EXPECT_EQ(d->selectedJob(), PrintJobKind::Report);
    d->findChild<QRadioButton *>(QStringLiteral("PPWheelBtn"))->click();
    EXPECT_EQ(d->selectedJob(), PrintJobKind::Wheels);
    EXPECT_FALSE(d->findChild<QRadioButton *>(QStringLiteral("PPSummaryBtn"))->isChecked());
    EXPECT_EQ(d->findChild<QPushButton *>(QStringLiteral("PPPrintBtn"))->text(), QStringLiteral("Print"));

    s.w().VPPrint();
    EXPECT_TRUE(d->isVisible());
    EXPECT_FALSE(d->isModal());
    QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("PPCancelBtn")), Qt::LeftButton);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(s.dialogsShown, 0);
    // Closing the window leaves Print Templates, which has nothing to show, for Design.
    EXPECT_EQ(s.w().CurrentMode(), SheetMode::Design);
    EXPECT_EQ(refreshLog(s.w()).back(), SheetMode::Design);
    s.w().VPPrint();
    QTest::keyClick(d, Qt::Key_Escape);
    EXPECT_EQ(s.w().CurrentMode(), SheetMode::Design);
}

TEST(PaperPrototype, EachOptionPrintsItsItems)
{
    PrintWindow s;
    MainWindow &w = s.w();
    w.VPPrint();
    using O = QPageLayout::Orientation;
    s.print(PrintJobKind::Report); // the report, then why the car is fast
    EXPECT_EQ(s.items, (std::vector<O>{QPageLayout::Portrait, QPageLayout::Portrait}));
    EXPECT_TRUE(s.dialog()->lastOutcome().ok);

    s.print(PrintJobKind::OneInnerLayer);
    EXPECT_EQ(s.items, (std::vector<O>{QPageLayout::Landscape}));
    EXPECT_EQ(s.dialog()->printState.TemplateLayerNumber, 0);
    s.print(PrintJobKind::OneOuterLayer);
    EXPECT_EQ(s.items, (std::vector<O>{QPageLayout::Landscape}));

    // The default car: two wheels of each kind, each pair on one page.
    const size_t wheelPages = WheelPages(s.workspace.design).size();
    EXPECT_EQ(wheelPages, 2u);
    s.print(PrintJobKind::Wheels);
    EXPECT_EQ(s.items.size(), wheelPages);

    s.print(PrintJobKind::EntireSet);
    const int templates = TemplateCount(s.workspace.results);
    EXPECT_EQ(templates, 6);
    ASSERT_EQ(s.items.size(), 1 + size_t(templates) + wheelPages);
    EXPECT_EQ(s.items.front(), QPageLayout::Portrait);
    for (size_t i = 1; i < s.items.size(); ++i)
        EXPECT_EQ(s.items[i], QPageLayout::Landscape) << i;
    EXPECT_EQ(s.dialog()->printState.TemplateLayerNumber, templates);
    EXPECT_EQ(s.dialog()->lastOutcome().itemsPrinted, int(s.items.size()));
    EXPECT_EQ(s.dialog()->jobsRun(), 5);
    EXPECT_GT(QFileInfo(s.dir.filePath(QStringLiteral("out.pdf"))).size(), 1000);

    // Wheels larger than 5 in need a page each.
    s.workspace.design.DriveWhlDia = QStringLiteral("5.1");
    s.print(PrintJobKind::Wheels);
    EXPECT_EQ(s.items.size(), 3u);
}

TEST(PaperPrototype, AnUnsimulatedDesignIsSimulatedBeforePrintingAndDesignIsRedrawnAfter)
{
    PrintWindow s;
    MainWindow &w = s.w();
    ASSERT_FALSE(s.workspace.list.current().DesignSimulated);
    w.VPPrint();
    const size_t refreshes = refreshLog(w).size();
    s.print(PrintJobKind::Report);
    EXPECT_EQ(s.modeWhenPrinting, SheetMode::Simulate);
    EXPECT_TRUE(s.workspace.list.current().DesignSimulated);
    ASSERT_EQ(refreshLog(w).size(), refreshes + 2);
    EXPECT_EQ(refreshLog(w)[refreshes], SheetMode::Simulate);
    EXPECT_EQ(refreshLog(w).back(), SheetMode::Design);
    EXPECT_EQ(s.items.size(), 2u); // the report and why the car is fast

    // Simulated now: the next print goes straight to the print dialog.
    w.VPPrint();
    s.print(PrintJobKind::OneOuterLayer);
    EXPECT_EQ(s.modeWhenPrinting, SheetMode::Print);
    EXPECT_EQ(s.items.size(), 1u);
}

// The text pdftotext reads from the report, or nothing without the tool.
QString pdfText(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(PaperPrototype, TheReportOfADesignSelectedAgainShowsItsOwnNumbersNotTheLastSimulated)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    PrintWindow s;
    MainWindow &w = s.w();
    // Racer, then Pickup simulated; Racer selected again, unchanged and still marked simulated.
    w.DesignListClick(1);
    w.VPDynamic();
    const ResultFields racer = s.workspace.results;
    w.DesignListClick(2);
    w.VPDynamic();
    const ResultFields pickup = s.workspace.results;
    ASSERT_NE(racer.ProjectedMassEF, pickup.ProjectedMassEF);
    w.DesignListClick(1);
    ASSERT_TRUE(s.workspace.list.current().DesignSimulated);

    w.VPPrint();
    s.print(PrintJobKind::Report);
    EXPECT_EQ(s.modeWhenPrinting, SheetMode::Simulate);
    const QString text = pdfText(s.dir.filePath(QStringLiteral("out.pdf")));
    EXPECT_TRUE(text.contains(QStringLiteral("ZINDLE Design Report for Racer"))) << qPrintable(text);
    for (const auto &[caption, field] :
         {std::pair{"Total Car Mass: ", &ResultFields::ProjectedMassEF},
          std::pair{"Predicted Max Torque: ", &ResultFields::MaxRealTorqueEF},
          std::pair{"x-centroid: ", &ResultFields::TrueCentroidEF}}) {
        EXPECT_TRUE(text.contains(QLatin1String(caption) + text00(floatOr(racer.*field, 0)))) << caption;
        if (racer.*field != pickup.*field) {
            EXPECT_FALSE(text.contains(QLatin1String(caption) + text00(floatOr(pickup.*field, 0)))) << caption;
        }
    }
}

TEST(PaperPrototype, ACancelledPrintDialogPrintsNothing)
{
    PrintWindow s;
    MainWindow &w = s.w();
    w.VPSet();
    w.VPDynamic();
    w.VPPrint();
    ASSERT_TRUE(s.workspace.list.current().DesignSimulated);
    const size_t refreshes = refreshLog(w).size();
    const QImage sheet = w.image()->canvas().copy();
    const DesignRecord design = s.workspace.design;
    s.cancel = true;
    s.print(PrintJobKind::EntireSet);
    EXPECT_EQ(s.dialogsShown, 1);
    EXPECT_TRUE(s.items.empty());
    EXPECT_EQ(s.dialog()->jobsRun(), 0);
    EXPECT_EQ(refreshLog(w).size(), refreshes);
    EXPECT_EQ(w.image()->canvas(), sheet);
    EXPECT_EQ(s.workspace.design.SpringWidth, design.SpringWidth);
    EXPECT_EQ(s.workspace.design.OuterPts, design.OuterPts);
    EXPECT_FALSE(QFile::exists(s.dir.filePath(QStringLiteral("out.pdf"))));
}

TEST(PaperPrototype, APdfThatCannotBeWrittenIsReportedNotPassedOver)
{
    PrintWindow s;
    // A folder that does not exist: the write fails after the whole job has run.
    s.dialog()->openPrinter = [&](QWidget *) -> std::unique_ptr<PageSink> {
        return std::make_unique<PdfFileSink>(s.dir.filePath(QStringLiteral("missing/folder/x.pdf")), 150);
    };
    s.print(PrintJobKind::Report);
    ASSERT_FALSE(s.prompter.messages().isEmpty());
    EXPECT_TRUE(s.prompter.messages().last().startsWith(QStringLiteral("Cannot write"))) << s.prompter.messages().last().toStdString();
    EXPECT_EQ(s.prompter.shown.back().caption, QStringLiteral("Error"));
    EXPECT_FALSE(s.dialog()->lastOutcome().ok);
}

QString outputFolder()
{
    QDir dir(QCoreApplication::applicationDirPath());
    dir.cdUp();
    dir.mkpath(QStringLiteral("screenshots"));
    return dir.filePath(QStringLiteral("screenshots"));
}

TEST(PrinterPageSink, EntireSetThroughAPrinterWritingAPdfFileOnA4OrLetter)
{
    PrintWindow s;
    MainWindow &w = s.w();
    struct Paper {
        QPageSize::PageSizeId id;
        const char *name, *upright, *across; // pdfinfo's sizes in points
    };
    const Paper papers[] = {{QPageSize::A4, "a4", "595 x 842", "842 x 595"},
                            {QPageSize::Letter, "letter", "612 x 792", "792 x 612"}};
    for (const Paper &paper : papers) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(300);
        // What the user chose in the print dialog.
        printer.setPageSize(QPageSize(paper.id));
        const QString path = outputFolder() + QStringLiteral("/entire-set-") + QLatin1String(paper.name) + QStringLiteral(".pdf");
        QFile::remove(path);
        printer.setOutputFileName(path);
        int sinkItems = 0, sinkJobs = 0;
        s.dialog()->openPrinter = [&](QWidget *) -> std::unique_ptr<PageSink> {
            auto sink = std::make_unique<PrinterPageSink>(printer);
            struct Watch : PageSink {
                std::unique_ptr<PrinterPageSink> inner;
                int &items, &jobs;
                Watch(std::unique_ptr<PrinterPageSink> s, int &i, int &j) : inner(std::move(s)), items(i), jobs(j) {}
                ~Watch() override
                {
                    inner->finish();
                    items = inner->itemCount();
                    jobs = inner->jobCount();
                }
                QPainter *beginItem(QPageLayout::Orientation o) override { return inner->beginItem(o); }
                bool endItem() override { return inner->endItem(); }
            };
            return std::make_unique<Watch>(std::move(sink), sinkItems, sinkJobs);
        };
        w.VPPrint();
        s.print(PrintJobKind::EntireSet);
        EXPECT_TRUE(s.dialog()->lastOutcome().ok);
        EXPECT_EQ(sinkItems, 9);
        EXPECT_EQ(sinkJobs, 1); // every item a page of the one file
        ASSERT_TRUE(QFile::exists(path));

        const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
        if (pdfinfo.isEmpty())
            continue;
        QProcess info;
        info.start(pdfinfo, {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("2"), path});
        ASSERT_TRUE(info.waitForFinished(20000));
        const QString text = QString::fromUtf8(info.readAllStandardOutput());
        EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Pages:\\s+9\\b")))) << text.toStdString();
        // The report upright, the templates across, on the paper chosen.
        EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Page\\s+1 size:\\s+") + QLatin1String(paper.upright))))
            << text.toStdString();
        EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Page\\s+2 size:\\s+") + QLatin1String(paper.across))))
            << text.toStdString();
    }
}

TEST(PrinterPageSink, WithNoPrinterTheDialogStartsOnTheLocalesPaper)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(DefaultPaperSize() == QPageSize::A4 ? QPageSize::Letter : QPageSize::A4));
    ChooseInitialPaper(printer);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), DefaultPaperSize());
}

} // namespace
} // namespace zindle::test

namespace zindle::test {

TEST(PaperPrototype, ExportCutFilesFromTheWindowAndTheFileMenu)
{
    PrintWindow s;
    MainWindow &w = s.w();
    w.VPPrint();
    PaperPrototypeDialog *dialog = s.dialog();
    auto *exportButton = dialog->findChild<QPushButton *>(QStringLiteral("PPExportBtn"));
    ASSERT_NE(exportButton, nullptr);
    EXPECT_EQ(exportButton->text(), QStringLiteral("Export Cut Files..."));
    dialog->adjustSize();
    const QString shots = QStringLiteral(ZINDLE_SCREENSHOT_DIR);
    QDir().mkpath(shots);
    dialog->grab().save(shots + QStringLiteral("/paper-prototype-export.png"));

    // A board of 12 x 12 in takes the six layers and four wheels on several boards.
    const QString svg = s.dir.filePath(QStringLiteral("car.svg"));
    s.prompter.savePaths.push_back(svg);
    s.exportDialogTakes({QStringLiteral("twelve"), QStringLiteral("12x12")});
    exportButton->click();
    s.awaitExport();
    ASSERT_GE(s.prompter.messages().size(), 2);
    EXPECT_TRUE(s.prompter.messages()[0].contains(QStringLiteral("\"twelve\" is not a board size")));
    EXPECT_TRUE(s.prompter.messages().back().startsWith(QStringLiteral("The templates fit on "))) << s.prompter.messages().back().toStdString();
    EXPECT_TRUE(QFile::exists(svg));
    EXPECT_TRUE(QFile::exists(s.dir.filePath(QStringLiteral("car-2.svg"))));
    EXPECT_EQ(dialog->cutChoices.board, QStringLiteral("12x12"));
    EXPECT_EQ(refreshLog(w).back(), SheetMode::Design);

    // File > Export templates... asks the same; a cancelled file dialog writes nothing.
    QAction *item = nullptr;
    for (QAction *a : w.findChildren<QAction *>())
        if (a->objectName() == QStringLiteral("ExportTemplatesPos"))
            item = a;
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("&Export templates..."));
    const size_t shown = s.prompter.messages().size();
    s.prompter.savePaths.push_back(QString());
    item->trigger();
    EXPECT_EQ(s.prompter.messages().size(), shown);
    const QString dxf = s.dir.filePath(QStringLiteral("car.dxf"));
    s.prompter.savePaths.push_back(dxf);
    s.exportDialogTakes({QStringLiteral("20x30")});
    item->trigger();
    s.awaitExport();
    EXPECT_TRUE(QFile::exists(dxf));
    EXPECT_EQ(s.prompter.messages().back(), QStringLiteral("The templates fit on 1 board, written to ") + dxf + ".");

    // The SVG set again on one large board, once the student agrees to replace it: the earlier
    // boards after it go, and the message says so.
    s.prompter.savePaths.push_back(svg);
    s.prompter.confirmAnswers.push_back(Answer::Yes);
    s.exportDialogTakes({QStringLiteral("20x30")});
    item->trigger();
    s.awaitExport();
    EXPECT_TRUE(s.prompter.shown[s.prompter.shown.size() - 2].text.startsWith(QStringLiteral("\"car.svg\" already exists")));
    const QString car2 = s.dir.filePath(QStringLiteral("car-2.svg"));
    EXPECT_TRUE(s.prompter.messages().back().startsWith(
        QStringLiteral("The templates fit on 1 board, written to ") + svg + QStringLiteral(".\nRemoved the boards of an earlier export: ") + car2))
        << s.prompter.messages().back().toStdString();
    EXPECT_FALSE(QFile::exists(car2));
    EXPECT_TRUE(QFile::exists(dxf));

    // Stopped while the boards are laid out: nothing written, nothing said.
    const size_t before = s.prompter.messages().size();
    s.prompter.savePaths.push_back(s.dir.filePath(QStringLiteral("stopped.svg")));
    s.exportDialogTakes({QStringLiteral("20x30")});
    exportButton->click();
    ASSERT_TRUE(dialog->exporting());
    dialog->findChild<QPushButton *>(QStringLiteral("PPStopExportBtn"))->click();
    s.awaitExport();
    EXPECT_FALSE(QFile::exists(s.dir.filePath(QStringLiteral("stopped.svg"))));
    EXPECT_EQ(s.prompter.messages().size(), before);
}

TEST(PaperPrototype, TheExportCutsWithTheMachinesKerf)
{
    PrintWindow s;
    s.w().VPPrint();
    // The largest circle is a wheel's outline, which a kerf grows by half its width.
    const auto wheelRadiusMm = [&s](const QString &kerf) {
        const QString svg = s.dir.filePath(QStringLiteral("kerf-%1.svg").arg(kerf));
        s.prompter.savePaths.push_back(svg);
        s.exportDialogTakes({QStringLiteral("20x30")}, 0, kerf);
        s.dialog()->ExportCutFiles();
        s.awaitExport();
        QFile file(svg);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        double largest = 0;
        const QRegularExpression radius(QStringLiteral("<circle [^>]*r=\"([0-9.]+)\""));
        for (const QRegularExpressionMatch &m : radius.globalMatch(QString::fromUtf8(file.readAll())))
            largest = std::max(largest, m.captured(1).toDouble());
        return largest;
    };
    const double uncut = wheelRadiusMm(QStringLiteral("0"));
    ASSERT_GT(uncut, 10);
    EXPECT_NEAR(wheelRadiusMm(QStringLiteral("0.1")) - uncut, 0.05 * 25.4, 0.001);
    EXPECT_EQ(s.dialog()->cutChoices.kerfIn, 0.1);
}

} // namespace zindle::test
