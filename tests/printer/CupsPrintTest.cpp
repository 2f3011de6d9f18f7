// Printing through a real printer: a cups-pdf queue of the tests' own CUPS server. Each landed
// PDF is read back and held against the label stock and against the same printout written to a
// file. cups-pdf's PPD adds no margins of its own (no hardware margins, every paper imageable to
// its edges) and the queues print letter paper, so CUPS neither scales nor moves the page: a
// word lands where the file puts it (across within 0.003 pt here). The fonts come back
// re-embedded with other ascents, so their boxes are 2 pt shorter; down, words are compared by
// the middle of their boxes (0.08 pt apart here).
#include "CupsQueue.h"
#include "PrintDialogRobot.h"
#include "batch/BatchTool.h"
#include "platform/PrinterCalibration.h"
#include "platform/qt/QtPlatform.h"
#include "print/ComposerFixture.h"
#include "print/PrintCommand.h"
#include "support/PdfPrinter.h"
#include "support/PdfWords.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

const QString kPrinterProblem = QStringLiteral("A printer problem exists.  Check printer.");

// The lines and range both print paths print.
Composer sheetComposer()
{
    return labelComposer(QStringLiteral("1-30"));
}

QStringList batchLabels(const QStringList& target)
{
    const Composer composer = sheetComposer();
    QStringList arguments{QStringLiteral("labels"), QStringLiteral("--position"), composer.positionEntry};
    arguments << target;
    for (const QString& line : composer.lines)
        if (!line.isEmpty())
            arguments << line;
    return arguments;
}

// Words in reading order: by line (to a hundredth of an inch), then across.
std::vector<PdfWord> readWords(const QString& pdf)
{
    std::vector<PdfWord> words = readPdfWords(pdf);
    const auto middle = [](const PdfWord& w) { return qRound((w.yMin + w.yMax) * 50); };
    std::stable_sort(words.begin(), words.end(), [&](const PdfWord& a, const PdfWord& b) {
        return std::make_tuple(a.page, middle(a), a.xMin) < std::make_tuple(b.page, middle(b), b.xMin);
    });
    return words;
}

// Every word of landed where the same word of reference lies, moved by (dx, dy) inches.
void expectMovedBy(const std::vector<PdfWord>& landed, const std::vector<PdfWord>& reference, double dx, double dy,
                   double tolerance)
{
    ASSERT_EQ(landed.size(), reference.size());
    for (std::size_t i = 0; i < landed.size(); ++i) {
        const PdfWord& l = landed[i];
        const PdfWord& r = reference[i];
        EXPECT_EQ(l.text, r.text) << "word " << i;
        EXPECT_NEAR(l.xMin - r.xMin, dx, tolerance) << "'" << l.text.toStdString() << "' across";
        EXPECT_NEAR((l.yMin + l.yMax) / 2 - (r.yMin + r.yMax) / 2, dy, tolerance)
            << "'" << l.text.toStdString() << "' down";
    }
}

void expectOnTheSheet(const QString& pdf, int expectedWords)
{
    const auto [width, height] = readPdfPageSize(pdf);
    EXPECT_NEAR(width, 8.5, 0.01);
    EXPECT_NEAR(height, 11, 0.01);
    const std::vector<PdfWord> words = readPdfWords(pdf);
    EXPECT_EQ(static_cast<int>(words.size()), expectedWords);
    int labelsWithText = 0;
    const QStringList problems = checkWordsOnLabels(words, kThirtyLabelSheet, 0.02, labelsWithText);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
    EXPECT_EQ(labelsWithText, 30);
}

class CupsPrint : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Calibrations are stored, and read by the tool, in a settings folder of the test's own.
        qputenv("XDG_CONFIG_HOME", m_settings.path().toUtf8());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
    }

    // Prints through the queue with print; the PDF that landed of it.
    template <typename Print>
    QString landed(const CupsQueue& queue, Print print)
    {
        const QStringList before = queue.landed();
        print();
        const QString pdf = queue.waitForLanding(before);
        if (!pdf.isEmpty() && qEnvironmentVariableIsSet("TESSAPRINT_ARTIFACTS"))
            QFile::copy(pdf, pdfOutputPath(QStringLiteral("cups-%1").arg(QFileInfo(pdf).fileName()), m_files.path()));
        return pdf;
    }

    ToolRun batchToQueue(const CupsQueue& queue)
    {
        return runTool(batchLabels({QStringLiteral("--printer"), queue.name()}), m_files.path());
    }

    // The main window's Print with the queue chosen in the real print dialog.
    bool windowToQueue(const CupsQueue& queue, QStringList* messages = nullptr)
    {
        QtPlatform platform;
        PrintDialogRobot robot(queue.name());
        Composer composer = sheetComposer();
        const bool printed = printComposer(platform, composer);
        EXPECT_TRUE(robot.printerChosen);
        EXPECT_EQ(robot.chosenName, queue.name());
        EXPECT_EQ(robot.chosenFormat, QPrinter::NativeFormat) << "a printer, not a file";
        if (messages)
            *messages = robot.messages;
        else
            EXPECT_TRUE(robot.messages.isEmpty()) << robot.messages.join(u'\n').toStdString();
        return printed;
    }

    QString filePath(const QString& name) const { return pdfOutputPath(name, m_files.path()); }

    QTemporaryDir m_settings;
    QTemporaryDir m_files;
};

} // namespace

TEST_F(CupsPrint, TheBatchToolsSheetLandsOnItsLabelsWhereTheFilePutsThem)
{
    const CupsQueue queue(QStringLiteral("batch"));
    ASSERT_TRUE(queue.problem().isEmpty()) << queue.problem().toStdString();
    const QString file = filePath(QStringLiteral("cups-batch-file.pdf"));
    ASSERT_EQ(runTool(batchLabels({QStringLiteral("--pdf"), file}), m_files.path()).status, 0);

    ToolRun run;
    const QString pdf = landed(queue, [&] { run = batchToQueue(queue); });
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    ASSERT_FALSE(pdf.isEmpty()) << "nothing landed from " << queue.name().toStdString();
    expectOnTheSheet(pdf, 30 * 10);
    expectMovedBy(readWords(pdf), readWords(file), 0, 0, 0.003);
}

TEST_F(CupsPrint, TheWindowsPrintDialogPrintsOnTheChosenQueue)
{
    const CupsQueue queue(QStringLiteral("window"));
    ASSERT_TRUE(queue.problem().isEmpty()) << queue.problem().toStdString();
    const QString file = filePath(QStringLiteral("cups-window-file.pdf"));
    FakePlatform fake;
    fake.printAnswers.push_back(pdfAnswer(file));
    Composer composer = sheetComposer();
    ASSERT_TRUE(printComposer(fake, composer));

    bool printed = false;
    const QString pdf = landed(queue, [&] { printed = windowToQueue(queue); });
    ASSERT_TRUE(printed);
    ASSERT_FALSE(pdf.isEmpty()) << "nothing landed from " << queue.name().toStdString();
    expectOnTheSheet(pdf, 30 * 10);
    expectMovedBy(readWords(pdf), readWords(file), 0, 0, 0.003);
}

TEST_F(CupsPrint, ACalibrationStoredForTheQueueMovesEveryLandedWordByExactlyIt)
{
    const CupsQueue queue(QStringLiteral("calibrated"));
    ASSERT_TRUE(queue.problem().isEmpty()) << queue.problem().toStdString();
    QtPlatform platform;
    for (const bool window : {false, true}) {
        SCOPED_TRACE(window ? "window" : "batch tool");
        saveCalibration(platform, queue.name(), {});
        const auto print = [&] {
            if (window)
                EXPECT_TRUE(windowToQueue(queue));
            else
                EXPECT_EQ(batchToQueue(queue).status, 0);
        };
        const QString plain = landed(queue, print);
        saveCalibration(platform, queue.name(), {10, 20, 100});
        const QString moved = landed(queue, print);
        ASSERT_FALSE(plain.isEmpty());
        ASSERT_FALSE(moved.isEmpty());
        expectMovedBy(readWords(moved), readWords(plain), 0.10, 0.20, 0.002);
    }
}

TEST_F(CupsPrint, AQueueDisabledMidRunGivesThePrinterMessage)
{
    const CupsQueue queue(QStringLiteral("disabled"));
    ASSERT_TRUE(queue.problem().isEmpty()) << queue.problem().toStdString();
    ASSERT_FALSE(landed(queue, [&] { EXPECT_EQ(batchToQueue(queue).status, 0); }).isEmpty());

    ASSERT_TRUE(queue.disable());
    const QStringList before = queue.landed();
    const ToolRun run = batchToQueue(queue);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Printer error: ") + kPrinterProblem)) << run.err.toStdString();
    QStringList messages;
    EXPECT_FALSE(windowToQueue(queue, &messages));
    EXPECT_EQ(messages, QStringList{kPrinterProblem});
    EXPECT_TRUE(queue.pendingJobs().isEmpty()) << "a job was sent: " << queue.pendingJobs().toStdString();
    EXPECT_EQ(queue.landed(), before);
    queue.enable();
}
