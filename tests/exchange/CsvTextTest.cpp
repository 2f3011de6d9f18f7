#include "ExchangeTestSupport.h"

#include "contacts/Windows1252.h"
#include "exchange/CsvStream.h"

#include <QBuffer>

using namespace exchange_testing;

namespace {

std::vector<std::vector<std::string>> cellsOf(const QString& text)
{
    std::vector<std::vector<std::string>> out;
    for (const CsvRecord& r : splitCsvRecords(text)) {
        std::vector<std::string> cells;
        for (const QString& c : r.cells)
            cells.push_back(c.toStdString());
        out.push_back(cells);
    }
    return out;
}

using Cells = std::vector<std::vector<std::string>>;

} // namespace

TEST(CsvText, RecordsHonourQuotes)
{
    const struct {
        QString text;
        Cells cells;
    } rows[] = {
        {QStringLiteral("a,b\r\nc,d\r\n"), {{"a", "b"}, {"c", "d"}}},
        {QStringLiteral("a,b\nc,d"), {{"a", "b"}, {"c", "d"}}},         // LF only, no last line end
        {QStringLiteral("a,b\rc,d\r"), {{"a", "b"}, {"c", "d"}}},       // CR only
        {QStringLiteral("a,,\r\n\r\nb"), {{"a", "", ""}, {""}, {"b"}}}, // empty cells and an empty line
        {QStringLiteral("\"Lee, Ann\",x"), {{"Lee, Ann", "x"}}},
        {QStringLiteral("\"say \"\"hi\"\"\",x"), {{"say \"hi\"", "x"}}},
        {QStringLiteral("\"12 Main St\r\nApt 4\",Town\r\nnext,line"), {{"12 Main St\r\nApt 4", "Town"}, {"next", "line"}}},
        {QStringLiteral("5\" disk,\"\""), {{"5\" disk", ""}}}, // a quote inside a plain cell is a character
        {QStringLiteral(" \"x\",y\"\"z"), {{" \"x\"", "y\"\"z"}}},  // and so is one after a space
        // An opening quote that never closes costs only its own line.
        {QStringLiteral("\"open,a\r\nb,c"), {{"\"open", "a"}, {"b", "c"}}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(cellsOf(row.text), row.cells) << row.text.toStdString();
}

TEST(CsvText, EachRecordSaysWhereTheNextStartsAndWhetherItEnded)
{
    const QString text = QStringLiteral("a,\"b\r\nc\"\r\nd\n\"open");
    const struct {
        qsizetype from, next;
        bool ended;
    } rows[] = {{0, 10, true}, {10, 12, true}, {12, 17, false}};
    for (const auto& row : rows) {
        const CsvRecordRead read = readCsvRecord(text, row.from);
        EXPECT_EQ(read.next, row.next) << row.from;
        EXPECT_EQ(read.ended, row.ended) << row.from;
    }
    EXPECT_EQ(storableText(QStringLiteral("a,b\r\nc\nd")), QStringLiteral("a,b c d"));
}

TEST(CsvText, LineGivesAPlainLineBackAndQuotedCellsWithoutCommas)
{
    const struct {
        QString text;
        QString line;
    } rows[] = {
        {QStringLiteral("First,Middle,Last,,5\" disk"), QStringLiteral("First,Middle,Last,,5\" disk")},
        {QStringLiteral("\"Lee, Ann\",\"x\""), QStringLiteral("Lee  Ann,x")},
        {QStringLiteral("\"12 Main St\r\nApt 4\",Town"), QStringLiteral("12 Main St Apt 4,Town")},
    };
    for (const auto& row : rows)
        EXPECT_EQ(splitCsvRecords(row.text).front().line(), row.line) << row.text.toStdString();
}

TEST(CsvText, DecodingByByteOrderMarkThenUtf8ThenWindows1252)
{
    const QString accented = QStringLiteral("Jos\u00e9,Pe\u00f1a");
    QByteArray utf16le("\xFF\xFE", 2);
    for (const QChar c : accented) {
        utf16le.append(char(c.unicode() & 0xFF));
        utf16le.append(char(c.unicode() >> 8));
    }
    QByteArray utf16be("\xFE\xFF", 2);
    for (const QChar c : accented) {
        utf16be.append(char(c.unicode() >> 8));
        utf16be.append(char(c.unicode() & 0xFF));
    }
    const struct {
        QByteArray bytes;
        QString text;
    } rows[] = {
        {accented.toUtf8(), accented},
        {QByteArray("\xEF\xBB\xBF") + accented.toUtf8(), accented},
        {toWindows1252(accented), accented},
        {QByteArray("\xEF\xBB\xBF") + toWindows1252(accented), accented}, // a mark on a 1252 file
        {utf16le, accented},
        {utf16be, accented},
        {QByteArray("caf\x80", 4), QStringLiteral("caf\u20ac")}, // 0x80 is the euro sign in 1252
        {QByteArray(), QString()},
    };
    for (const auto& row : rows)
        EXPECT_EQ(decodeCsvText(row.bytes), row.text) << row.bytes.toHex().toStdString();
}

// Read a piece at a time, a file gives the records it gives read whole, wherever a piece ends:
// inside a CR LF, a quoted line break, a doubled quote, a UTF-8 or UTF-16 character, or before
// a combining accent.
TEST(CsvText, StreamedRecordsAreThoseOfTheWholeText)
{
    const QByteArray utf16 = QByteArray("\xFF\xFE", 2) + QByteArray("A\0,\0\"\0b\0\r\0\n\0c\0\"\0\r\0\xE9\0", 20) + "x";
    const QByteArray inputs[] = {
        "a,b\r\nc,d\r\n",
        "\"x\r\ny\",\"q\"\"q\"\r\nz,\"\"\r",
        "a,\"b\r\nc,d\r\ne\rf\ng",
        "\xEF\xBB\xBF" "Zoe\xCC\x81,Jos\xC3\xA9\r\ncaf\xC3\xA9\xEF\xBB\xBF,\xF0\x9F\x98\x80\n",
        "caf\xC3\xA9,ok\r\nlate,\x80\r\n",
        "caf\xC3",
        utf16,
        QByteArray("\xFE\xFF\0a\0,\0b", 8),
        "",
        "\r\n",
    };
    for (const QByteArray& bytes : inputs) {
        const QVector<CsvRecord> whole = splitCsvRecords(decodeCsvText(bytes));
        for (int piece : {1, 2, 3, 5, 7, 65536}) {
            QBuffer buffer;
            buffer.setData(bytes);
            buffer.open(QIODevice::ReadOnly);
            CsvStream stream(buffer, piece);
            qsizetype n = 0;
            while (const std::optional<CsvRecord> record = stream.next()) {
                ASSERT_LT(n, whole.size()) << bytes.toHex().toStdString() << " in pieces of " << piece;
                EXPECT_TRUE(record->cells == whole[n].cells && record->quoted == whole[n].quoted)
                    << bytes.toHex().toStdString() << " record " << n << " in pieces of " << piece;
                ++n;
            }
            EXPECT_EQ(n, whole.size()) << bytes.toHex().toStdString() << " in pieces of " << piece;
        }
    }
}
