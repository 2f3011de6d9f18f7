#include "batch/BatchRequest.h"

#include <gtest/gtest.h>

using namespace Batch;

namespace {

QStringList words(const char* line)
{
    return QString::fromUtf8(line).split(u' ', Qt::SkipEmptyParts);
}

} // namespace

TEST(BatchArguments, WrongCommandLinesAreRefusedWithWhatIsWrong)
{
    const struct {
        const char* line;
        const char* problem;
    } cases[] = {
        {"", "no command given"},
        {"print --pdf a.pdf", "unknown command 'print'"},
        {"labels --pdf a.pdf A", "labels needs --position"},
        {"labels --position 5 A", "give --pdf FILE or --printer NAME"},
        {"labels --position 5 --pdf a.pdf --printer P A", "give --pdf FILE or --printer NAME"},
        {"labels --position 5 --pdf a.pdf --bold A", "Unknown option 'bold'"},
        {"labels --position 5 --pdf a.pdf A B C D E F", "at most five lines; 6 were given"},
        {"labels --position 5 --pdf a.pdf --copies 0 A", "--copies must be a whole number from 1 to 999, not '0'"},
        {"labels --position 5 --pdf a.pdf --copies 2x A", "not '2x'"},
        {"labels --position 5 --pdf a.pdf --portrait --landscape A", "--portrait or --landscape, not both"},
        {"labels --position 5 --pdf a.pdf --centered --left-justified A", "--centered or --left-justified"},
        {"labels --position 5 --pdf a.pdf --family laserjet A", "--family is one of deskjet-640c, officejet-pro"},
        {"labels --position", "Missing value after '--position'"},
        {"envelope --size 8 --pdf a.pdf A", "--size is an envelope size from 1 to 7, not '8'"},
        {"envelope --size 0 --pdf a.pdf A", "not '0'"},
        {"envelope --size 1 --pdf a.pdf --position 5 A", "Unknown option 'position'"},
        {"return-address --pdf a.pdf --centered A B C", "Unknown option 'centered'"},
        {"list-labels --pdf a.pdf", "list-labels needs the contact file: --file FILE.DAT"},
        {"report --file a.DAT --pdf a.pdf --search town --text x", "--search is one of first-name"},
        {"report --file a.DAT --pdf a.pdf --search city", "--search city needs the text to look for"},
        {"report --file a.DAT --pdf a.pdf --text x", "--text goes with --search"},
        {"report --file a.DAT --pdf a.pdf --sort city", "--sort is first-name or last-name, not 'city'"},
        {"report --file a.DAT --pdf a.pdf Smith", "report takes no lines of text: 'Smith'"},
        {"import --file a.DAT", "import needs the file to import: --csv FILE"},
        {"import --file a.DAT --csv a.csv --pdf a.pdf", "Unknown option 'pdf'"},
        {"import --file a.DAT --csv a.csv --vcard a.vcf", "--csv FILE or --vcard FILE, not both"},
        {"import --file a.DAT --vcard", "Missing value after '--vcard'"},
        {"export --file a.DAT --format xml", "--format is csv, text or vcard, not 'xml'"},
        {"export --file a.DAT --vcard-version 3", "--vcard-version goes with --format vcard"},
        {"export --file a.DAT --format vcard --vcard-version 2.1", "--vcard-version is 3 or 4, not '2.1'"},
        {"export --file a.DAT --search city", "--search city needs the text to look for"},
        {"export --format csv", "export needs the contact file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const Parsed parsed = parseArguments(words(c.line));
        EXPECT_EQ(parsed.outcome, Parsed::UsageError);
        EXPECT_TRUE(parsed.text.contains(QString::fromUtf8(c.problem))) << parsed.text.toStdString();
    }
}

TEST(BatchArguments, HelpIsTheToolsOrTheCommandsOwn)
{
    const struct {
        const char* line;
        const char* begins;
    } cases[] = {
        {"--help", "Usage: tessaprint-batch COMMAND"},
        {"-h", "Usage: tessaprint-batch COMMAND"},
        {"help", "Usage: tessaprint-batch COMMAND"},
        {"help envelope", "Usage: tessaprint-batch envelope"},
        {"labels --help", "Usage: tessaprint-batch labels"},
        {"envelope -h", "Usage: tessaprint-batch envelope"},
        {"return-address --help", "Usage: tessaprint-batch return-address"},
        {"list-labels --help", "Usage: tessaprint-batch list-labels"},
        // Help wins over what else is wrong on the line.
        {"report --pdf --help", "Usage: tessaprint-batch report"},
        {"import --help --csv", "Usage: tessaprint-batch import"},
        {"export --help", "Usage: tessaprint-batch export"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const Parsed parsed = parseArguments(words(c.line));
        ASSERT_EQ(parsed.outcome, Parsed::Help) << parsed.text.toStdString();
        EXPECT_TRUE(parsed.text.startsWith(QString::fromUtf8(c.begins))) << parsed.text.toStdString();
    }
    // Every envelope size is named in the envelope's help.
    EXPECT_TRUE(commandHelp(Command::Envelope).contains(QStringLiteral("7  Custom (edit Left and Top margin boxes)")));
}

TEST(BatchArguments, OptionsBecomeTheRequest)
{
    Parsed p = parseArguments({QStringLiteral("labels"), QStringLiteral("--position"), QStringLiteral(" 4 - 9"),
                               QStringLiteral("--pdf"), QStringLiteral("out.pdf"), QStringLiteral("--landscape"),
                               QStringLiteral("--centered"), QStringLiteral("--copies"), QStringLiteral("3"),
                               QStringLiteral("--family"), QStringLiteral("officejet-pro"), QStringLiteral("Ann"),
                               QString(), QStringLiteral("--"), QStringLiteral("-dash line")});
    ASSERT_EQ(p.outcome, Parsed::Run) << p.text.toStdString();
    EXPECT_EQ(p.request.command, Command::Labels);
    EXPECT_EQ(p.request.position, " 4 - 9"); // cleaned by the position rules, not here
    EXPECT_EQ(p.request.target.pdfPath, "out.pdf");
    EXPECT_EQ(p.request.target.deviceName, "Officejet Pro");
    EXPECT_EQ(p.request.portrait, std::optional<bool>(false));
    EXPECT_TRUE(p.request.centered);
    EXPECT_EQ(p.request.copies, 3);
    EXPECT_EQ(p.request.lines, (std::array<QString, 5>{"Ann", "", "-dash line", "", ""}));

    p = parseArguments({QStringLiteral("envelope"), QStringLiteral("--size"), QStringLiteral("7"),
                        QStringLiteral("--printer"), QStringLiteral("Office"), QStringLiteral("--bold"),
                        QStringLiteral("--large-font"), QStringLiteral("--indent"), QStringLiteral("40"),
                        QStringLiteral("--pad-rows"), QStringLiteral("-2"), QStringLiteral("Bo")});
    ASSERT_EQ(p.outcome, Parsed::Run) << p.text.toStdString();
    EXPECT_EQ(p.request.envelopeSize, 7);
    EXPECT_EQ(p.request.target.printerName, "Office");
    EXPECT_TRUE(p.request.target.deviceName.isEmpty());
    EXPECT_TRUE(p.request.bold && p.request.largeFont);
    EXPECT_EQ(p.request.indent, std::optional<QString>("40"));
    EXPECT_EQ(p.request.padRows, std::optional<QString>("-2"));
    EXPECT_FALSE(p.request.portrait.has_value());

    p = parseArguments(words("report --file Friends.DAT --pdf r.pdf --search zip --text 454 --sort last-name"));
    ASSERT_EQ(p.outcome, Parsed::Run) << p.text.toStdString();
    EXPECT_EQ(p.request.contactFile, "Friends.DAT");
    EXPECT_EQ(p.request.searchMode, ContactList::SearchMode::Zip);
    EXPECT_EQ(p.request.searchText, "454");
    EXPECT_EQ(p.request.sortOrder, ContactList::SortOrder::ByLastName);

    p = parseArguments(words("export --file F.DAT --format text --folder /tmp"));
    ASSERT_EQ(p.outcome, Parsed::Run) << p.text.toStdString();
    EXPECT_EQ(p.request.exportKind, ExportKind::Text);
    EXPECT_EQ(p.request.folder, "/tmp");

    p = parseArguments(words("import --file F.DAT --csv in.csv --create"));
    ASSERT_EQ(p.outcome, Parsed::Run) << p.text.toStdString();
    EXPECT_TRUE(p.request.create);
    EXPECT_EQ(p.request.csvFile, "in.csv");
    EXPECT_EQ(p.request.importFormat, ImportFormat::Csv);

    p = parseArguments(words("import --file F.DAT --vcard phone.vcf"));
    ASSERT_EQ(p.outcome, Parsed::Run) << p.text.toStdString();
    EXPECT_EQ(p.request.csvFile, "phone.vcf");
    EXPECT_EQ(p.request.importFormat, ImportFormat::VCard);
}
