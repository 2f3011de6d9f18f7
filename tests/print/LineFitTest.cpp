#include "ComposerFixture.h"
#include "print/LineFit.h"
#include "print/PrintCommand.h"

#include <gtest/gtest.h>

namespace {

// The fake printer's metrics: every character 0.6 of the point size wide, except that in a
// font other than Courier an 'i' is half that, as in a proportional font.
class FakeMeasure : public TextMeasure {
public:
    double averageCharWidth(const PrintFont& font) override
    {
        return font.pointSize * (proportional(font) ? 0.5 : 0.6);
    }
    double textWidth(const PrintFont& font, const QString& text) override
    {
        double width = 0;
        for (QChar c : text)
            width += font.pointSize * (proportional(font) && c == u'i' ? 0.3 : 0.6);
        ++calls;
        return width;
    }
    int calls = 0;

private:
    static bool proportional(const PrintFont& font) { return font.name != QStringLiteral("Courier New"); }
};

Composer withLine(Composer composer, const QString& line)
{
    composer.lines = {QStringLiteral("Ann Smith"), line, QString(), QString(), QString()};
    return composer;
}

Composer landscape(Composer composer)
{
    composer.portrait = false;
    return composer;
}

Composer centered(Composer composer)
{
    composer.centered = true;
    composer.leftJustified = false;
    return composer;
}

Composer handIndent(const QString& indent)
{
    Composer composer = labelComposer(QStringLiteral("1"));
    composer.positionCaption.clear();
    composer.labelCount = 1;
    composer.leftPad = indent;
    return composer;
}

Composer largeFont(Composer composer)
{
    composer.largeFont = true;
    return composer;
}

QString letters(int count, QChar letter = u'x')
{
    return QString(count, letter);
}

} // namespace

TEST(LineFit, LinesLongerThanTheirLabelOrEnvelopeHoldAreFoundWithHowMuchFits)
{
    const QString five = QStringLiteral("Short");
    const struct {
        const char* name;
        Composer composer;
        bool returnAddress;
        QString line;
        FitStock stock;
        LineFitProblem problem;
        int fitting;
    } cases[] = {
        // 2 5/8 in labels in 10-point Courier: 29 characters from column 2, 35 or 68.
        {"label 1, exactly fits", labelComposer("1"), false, letters(29), FitStock::LabelSheet, LineFitProblem::None, 29},
        {"label 1, one over", labelComposer("1"), false, letters(30), FitStock::LabelSheet, LineFitProblem::TooLong, 29},
        {"label 1, empty", labelComposer("1"), false, QString(), FitStock::LabelSheet, LineFitProblem::None, 0},
        {"label 1, trailing spaces print nothing", labelComposer("1"), false, letters(29) + QString(10, u' '),
         FitStock::LabelSheet, LineFitProblem::None, 39},
        {"label 1, leading spaces move the text", labelComposer("1"), false, QString(5, u' ') + letters(25),
         FitStock::LabelSheet, LineFitProblem::TooLong, 29},
        {"labels 1-30, one over", labelComposer("1-30"), false, letters(30), FitStock::LabelSheet,
         LineFitProblem::TooLong, 29},
        {"centred, exactly fits", centered(labelComposer("5")), false, letters(29), FitStock::LabelSheet,
         LineFitProblem::None, 29},
        {"centred, one over", centered(labelComposer("5")), false, letters(30), FitStock::LabelSheet,
         LineFitProblem::TooLong, 29},
        {"landscape spreads the sheet with the font", landscape(labelComposer("4")), false, letters(30),
         FitStock::LabelSheet, LineFitProblem::TooLong, 29},
        {"indent typed by hand", handIndent("10"), false, letters(22), FitStock::LabelSheet,
         LineFitProblem::TooLong, 21},
        {"indent in the gap between labels", handIndent("33"), false, QStringLiteral("x"), FitStock::LabelSheet,
         LineFitProblem::TooLong, 0},
        // 1 3/4 in labels in 8-point Courier from columns 3, 35, 66 and 97.
        {"return address, exactly fits", labelComposer("1"), true, letters(23), FitStock::ReturnAddressSheet,
         LineFitProblem::None, 23},
        {"return address, one over", labelComposer("1"), true, letters(24), FitStock::ReturnAddressSheet,
         LineFitProblem::TooLong, 23},
        {"return address, spaces up to the next column", Composer{}, true, five + QString(26, u' '),
         FitStock::ReturnAddressSheet, LineFitProblem::None, 31},
        {"return address, spaces reach the next column", Composer{}, true, five + QString(27, u' '),
         FitStock::ReturnAddressSheet, LineFitProblem::PushesNextLabel, 31},
        // #10 in landscape at column 38, 12 points: up to a quarter inch from its right edge.
        {"envelope, exactly fits", envelopeComposer(1, 38, 33), false, letters(53), FitStock::Envelope,
         LineFitProblem::None, 53},
        {"envelope, one over", envelopeComposer(1, 38, 33), false, letters(54), FitStock::Envelope,
         LineFitProblem::TooLong, 53},
        {"envelope, large font counts the line's own letters", largeFont(envelopeComposer(1, 38, 33)), false,
         letters(50, u'M'), FitStock::Envelope, LineFitProblem::TooLong, 42},
        {"envelope, large font, narrow letters", largeFont(envelopeComposer(1, 38, 33)), false, letters(90, u'i'),
         FitStock::Envelope, LineFitProblem::TooLong, 85},
        {"small envelope at its own margins", envelopeComposer(2, 23, 32), false, letters(40), FitStock::Envelope,
         LineFitProblem::TooLong, 38},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeMeasure measure;
        const Composer composer = withLine(c.composer, c.line);
        const FitLayout layout = fitLayout(composer, c.returnAddress, measure);
        EXPECT_EQ(layout.stock, c.stock);
        const std::array<LineFit, 5> fits = fitLines(composer.lines, layout, measure);
        for (int empty : {2, 3, 4})
            EXPECT_EQ(fits[empty], LineFit{}) << "an empty line prints no ink";
        EXPECT_EQ(fits[1].problem, c.problem);
        EXPECT_EQ(fits[1].fitting, c.fitting);
        EXPECT_EQ(fitComposer(composer, c.returnAddress, measure), fits);
    }
}

TEST(LineFit, NothingIsSaidWhereNothingMeaningfulPrints)
{
    Composer noMedium = labelComposer("1");
    noMedium.labelStock = false;
    Composer noAlignment = labelComposer("1");
    noAlignment.leftJustified = false;
    Composer noSize = envelopeComposer(1, 38, 33);
    noSize.envelopeSizeNumber = QStringLiteral("0");
    Composer upright = envelopeComposer(1, 38, 33);
    upright.portrait = true;
    Composer overflow = labelComposer("1");
    overflow.positionCaption.clear();
    overflow.leftPad = QStringLiteral("40000");
    Composer endBeforeStart = labelComposer("1");
    endBeforeStart.positionEntry = QStringLiteral("9-4");
    const struct {
        const char* name;
        Composer composer;
    } cases[] = {
        {"no medium", noMedium},
        {"no alignment", noAlignment},
        {"envelope without a size", noSize},
        {"envelope upright", upright},
        {"custom envelope", envelopeComposer(7, 30, 30)},
        {"indent past the 16-bit range", overflow},
        {"range Print refuses", endBeforeStart},
        {"landscape position off the page", landscape(labelComposer("28"))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeMeasure measure;
        const Composer composer = withLine(c.composer, letters(200));
        EXPECT_EQ(fitLayout(composer, false, measure).stock, FitStock::None);
        for (const LineFit& fit : fitComposer(composer, false, measure))
            EXPECT_EQ(fit.problem, LineFitProblem::None);
    }
}

TEST(LineFit, ReturnAddressSheetLooksOnlyAtTheThreeLinesItPrints)
{
    FakeMeasure measure;
    Composer composer;
    composer.lines = {letters(23), letters(24), letters(24), letters(99), letters(99)};
    const auto fits = fitComposer(composer, true, measure);
    EXPECT_EQ(fits[0].problem, LineFitProblem::None);
    EXPECT_EQ(fits[1].problem, LineFitProblem::TooLong);
    EXPECT_EQ(fits[2].problem, LineFitProblem::TooLong);
    EXPECT_EQ(fits[3].problem, LineFitProblem::None) << "lines 4 and 5 are refused at Print, not printed";
    EXPECT_EQ(fits[4].problem, LineFitProblem::None);
}

TEST(LineFit, APastedLineOfAnyLengthIsMeasuredAFewTimesOnly)
{
    FakeMeasure measure;
    const Composer composer = withLine(labelComposer("1-30"), letters(100000));
    const auto fits = fitComposer(composer, false, measure);
    EXPECT_EQ(fits[1], (LineFit{LineFitProblem::TooLong, 29}));
    EXPECT_LT(measure.calls, 200);
}

// Where the fit looks for the lines is where Print puts them.
TEST(LineFit, LayoutIsWherePrintPutsTheLines)
{
    Composer bold = envelopeComposer(1, 38, 33);
    bold.bold = true;
    Composer boldLarge = largeFont(bold);
    Composer uprightEnvelope = envelopeComposer(4, 28, 30);
    uprightEnvelope.portrait = true;
    Composer range = labelComposer("4-9");
    range.leftPad = QStringLiteral("50"); // replaced by the table's at Print
    const struct {
        const char* name;
        Composer composer;
    } cases[] = {
        {"one label", labelComposer("5")},
        {"a range", range},
        {"a whole sheet, centred", centered(labelComposer("1-30"))},
        {"landscape labels", landscape(labelComposer("1-6"))},
        {"indent typed by hand", handIndent("12")},
        {"negative entry", labelComposer("-5")},
        {"envelope", envelopeComposer(1, 38, 33)},
        {"bold envelope", bold},
        {"bold large envelope", boldLarge},
        {"upright envelope", uprightEnvelope},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ComposerLayout layout = composerLayout(c.composer);
        FakePlatform platform;
        Composer printed = c.composer;
        printComposer(platform, printed);
        ASSERT_TRUE(platform.messages.empty());
        const auto documents = platform.allDocuments();
        ASSERT_EQ(documents.size(), 1u);
        const auto& runs = documents[0].runs;
        ASSERT_EQ(runs.size(), layout.columns.size() * 5);
        for (std::size_t i = 0; i < runs.size(); ++i) {
            EXPECT_EQ(runs[i].column, layout.columns[i / 5]) << "run " << i;
            EXPECT_EQ(runs[i].font, layout.font) << "run " << i;
        }
    }
}

TEST(LineFit, MessagesNameTheLineAndWhatFits)
{
    const struct {
        int line;
        LineFit fit;
        FitStock stock;
        const char* message;
    } cases[] = {
        {5, {LineFitProblem::TooLong, 53}, FitStock::Envelope, "Line 5 is too long: 53 characters fit on the envelope."},
        {4, {LineFitProblem::TooLong, 1}, FitStock::LabelSheet, "Line 4 is too long: 1 character fits on a label."},
        {3, {LineFitProblem::PushesNextLabel, 31}, FitStock::ReturnAddressSheet,
         "Line 3 ends in spaces that push the next label down a line."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lineFitMessage(c.line, c.fit, c.stock), QString::fromUtf8(c.message));

    const std::array<LineFit, 5> fits{LineFit{LineFitProblem::None, 3}, LineFit{LineFitProblem::TooLong, 29},
                                      LineFit{}, LineFit{LineFitProblem::TooLong, 29}, LineFit{}};
    EXPECT_EQ(lineFitHint(fits, FitStock::LabelSheet),
              "Line 2 is too long: 29 characters fit on a label.\nLine 4 is too long: 29 characters fit on a label.");
}
