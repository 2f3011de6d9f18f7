#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QString kProgramDir = QStringLiteral(TP_PROGRAM_DIR);

struct ToolRun {
    int exitCode = -1;
    QString out;
};

ToolRun run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}

QString document(const char* name)
{
    return kProgramDir + u'/' + QLatin1String(name);
}

int pages(const QString& pdf)
{
    const ToolRun info = run(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info.out);
    return info.exitCode == 0 && m.hasMatch() ? m.captured(1).toInt() : 0;
}

QString text(const QString& pdf)
{
    const ToolRun extracted = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    return extracted.exitCode == 0 ? extracted.out : QString();
}

} // namespace

TEST(HelpDocuments, BothAreBuiltBesideTheProgramAndOpenAsPdf)
{
    for (const char* name : {"vedUvuv.pdf", "doz_oruvi_zozuvivozuroz.pdf"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(QFileInfo(document(name)).isFile());
        EXPECT_TRUE(QFileInfo::exists(kProgramDir + QStringLiteral("/tessaprint")));
        EXPECT_GE(pages(document(name)), 1);
    }
}

TEST(HelpDocuments, TheStateTableHoldsEveryCode)
{
    const QString table = text(document("doz_oruvi_zozuvivozuroz.pdf"));
    ASSERT_FALSE(table.isEmpty());
    const struct {
        const char* code;
        const char* name;
    } codes[] = {
        {"AL", "Alabama"}, {"AK", "Alaska"}, {"AZ", "Arizona"}, {"AR", "Arkansas"}, {"CA", "California"},
        {"CO", "Colorado"}, {"CT", "Connecticut"}, {"DE", "Delaware"}, {"FL", "Florida"}, {"GA", "Georgia"},
        {"HI", "Hawaii"}, {"ID", "Idaho"}, {"IL", "Illinois"}, {"IN", "Indiana"}, {"IA", "Iowa"},
        {"KS", "Kansas"}, {"KY", "Kentucky"}, {"LA", "Louisiana"}, {"ME", "Maine"}, {"MD", "Maryland"},
        {"MA", "Massachusetts"}, {"MI", "Michigan"}, {"MN", "Minnesota"}, {"MS", "Mississippi"},
        {"MO", "Missouri"}, {"MT", "Montana"}, {"NE", "Nebraska"}, {"NV", "Nevada"}, {"NH", "New Hampshire"},
        {"NJ", "New Jersey"}, {"NM", "New Mexico"}, {"NY", "New York"}, {"NC", "North Carolina"},
        {"ND", "North Dakota"}, {"OH", "Ohio"}, {"OK", "Oklahoma"}, {"OR", "Oregon"}, {"PA", "Pennsylvania"},
        {"RI", "Rhode Island"}, {"SC", "South Carolina"}, {"SD", "South Dakota"}, {"TN", "Tennessee"},
        {"TX", "Texas"}, {"UT", "Utah"}, {"VT", "Vermont"}, {"VA", "Virginia"}, {"WA", "Washington"},
        {"WV", "West Virginia"}, {"WI", "Wisconsin"}, {"WY", "Wyoming"}, {"DC", "District of Columbia"},
        {"AS", "American Samoa"}, {"GU", "Guam"}, {"MP", "Northern Mariana Islands"}, {"PR", "Puerto Rico"},
        {"VI", "Virgin Islands"},
    };
    for (const auto& c : codes) {
        // The name and its code on one line of the table.
        const QRegularExpression row(QStringLiteral("%1\\s+%2\\b").arg(QRegularExpression::escape(QLatin1String(c.name)),
                                                                     QLatin1String(c.code)));
        EXPECT_TRUE(row.match(table).hasMatch()) << c.code << " " << c.name;
    }
}

TEST(HelpDocuments, TheManualCoversEveryTaskWithItsPictures)
{
    const QString pdf = document("vedUvuv.pdf");
    const QString manual = text(pdf);
    ASSERT_FALSE(manual.isEmpty());
    for (const char* topic : {"Printing labels", "label range", "Envelopes", "Return address labels", "Contacts",
                              "Searching", "Importing", "Exporting", "Birthday reminders", "From the keyboard"}) {
        EXPECT_TRUE(manual.contains(QLatin1String(topic), Qt::CaseInsensitive)) << topic;
    }
    EXPECT_GE(pages(pdf), 4);

    // Every picture the page names is in the PDF.
    QFile source(QStringLiteral(TP_SOURCE_DIR "/docs/manual.html"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const int named = QString::fromUtf8(source.readAll()).count(QStringLiteral("<img "));
    EXPECT_GE(named, 4);
    const ToolRun images = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    ASSERT_EQ(images.exitCode, 0);
    // Two heading lines, then one line per image drawn.
    const int drawn = images.out.split(u'\n', Qt::SkipEmptyParts).size() - 2;
    EXPECT_GE(drawn, named);
}
