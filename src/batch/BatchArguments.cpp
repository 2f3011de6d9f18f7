#include "batch/BatchRequest.h"
#include "help/Version.h"

#include "print/EnvelopeSizes.h"
#include "print/PrintCommand.h"

#include <QCommandLineParser>

#include <vector>

namespace Batch {

namespace {

struct CommandName {
    Command command;
    const char* name;
};

constexpr CommandName kCommands[] = {
    {Command::Labels, "labels"},         {Command::Envelope, "envelope"}, {Command::ReturnAddress, "return-address"},
    {Command::ListLabels, "list-labels"}, {Command::Report, "report"},     {Command::Import, "import"},
    {Command::Export, "export"},
};

QString nameOf(Command command)
{
    for (const CommandName& c : kCommands)
        if (c.command == command)
            return QString::fromLatin1(c.name);
    return {};
}

struct SearchName {
    ContactList::SearchMode mode;
    const char* name;
};

using Mode = ContactList::SearchMode;
constexpr SearchName kSearches[] = {
    {Mode::FirstName, "first-name"}, {Mode::LastName, "last-name"}, {Mode::City, "city"},
    {Mode::State, "state"},          {Mode::Zip, "zip"},            {Mode::Email, "email"},
    {Mode::Category, "category"},    {Mode::Company, "company"},    {Mode::All, "all"},
};

// The names --family takes, in the order of specialPrinterFamilies().
const QStringList kFamilies{QStringLiteral("deskjet-640c"), QStringLiteral("officejet-pro")};

bool composes(Command command)
{
    return command == Command::Labels || command == Command::Envelope || command == Command::ReturnAddress;
}

// The commands that take a search of the contact file.
bool lists(Command command)
{
    return command == Command::ListLabels || command == Command::Report || command == Command::Export;
}

QCommandLineOption valued(const QString& name, const QString& value)
{
    return QCommandLineOption(name, QString(), value);
}

// The options a command takes; anything else is an unknown option.
std::vector<QCommandLineOption> optionsOf(Command command)
{
    std::vector<QCommandLineOption> options;
    options.emplace_back(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const Request probe{command};
    if (probe.prints()) {
        options.push_back(valued(QStringLiteral("pdf"), QStringLiteral("file")));
        options.push_back(valued(QStringLiteral("printer"), QStringLiteral("name")));
        options.push_back(valued(QStringLiteral("copies"), QStringLiteral("n")));
    }
    if (command == Command::Labels || command == Command::Envelope) {
        for (const char* flag : {"centered", "left-justified", "portrait", "landscape"})
            options.emplace_back(QString::fromLatin1(flag));
        options.push_back(valued(QStringLiteral("family"), QStringLiteral("family")));
    }
    if (command == Command::Labels)
        options.push_back(valued(QStringLiteral("position"), QStringLiteral("entry")));
    if (command == Command::Envelope) {
        options.push_back(valued(QStringLiteral("size"), QStringLiteral("n")));
        options.emplace_back(QStringLiteral("bold"));
        options.emplace_back(QStringLiteral("large-font"));
        options.push_back(valued(QStringLiteral("indent"), QStringLiteral("n")));
        options.push_back(valued(QStringLiteral("pad-rows"), QStringLiteral("n")));
    }
    if (!composes(command))
        options.push_back(valued(QStringLiteral("file"), QStringLiteral("file")));
    if (lists(command)) {
        options.push_back(valued(QStringLiteral("search"), QStringLiteral("field")));
        options.push_back(valued(QStringLiteral("text"), QStringLiteral("text")));
        options.push_back(valued(QStringLiteral("sort"), QStringLiteral("order")));
    }
    if (command == Command::Import) {
        options.push_back(valued(QStringLiteral("csv"), QStringLiteral("file")));
        options.push_back(valued(QStringLiteral("vcard"), QStringLiteral("file")));
        options.emplace_back(QStringLiteral("create"));
        options.push_back(valued(QStringLiteral("wait"), QStringLiteral("seconds")));
    }
    if (command == Command::Export) {
        options.push_back(valued(QStringLiteral("format"), QStringLiteral("format")));
        options.push_back(valued(QStringLiteral("vcard-version"), QStringLiteral("version")));
        options.push_back(valued(QStringLiteral("folder"), QStringLiteral("folder")));
    }
    return options;
}

Parsed usage(const QString& text)
{
    Parsed parsed;
    parsed.outcome = Parsed::UsageError;
    parsed.text = text;
    return parsed;
}

// A whole number within [low, high], or nothing.
std::optional<int> wholeNumber(const QString& text, int low, int high)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

// Reads the options of a command already known to take them; empty when they are sound.
QString readOptions(const QCommandLineParser& parser, Request& r)
{
    const auto has = [&](const char* name) { return parser.isSet(QString::fromLatin1(name)); };
    const auto value = [&](const char* name) { return parser.value(QString::fromLatin1(name)); };
    const QString command = nameOf(r.command);

    const QStringList positional = parser.positionalArguments();
    if (composes(r.command)) {
        if (positional.size() > 5)
            return QStringLiteral("%1 takes at most five lines; %2 were given").arg(command).arg(positional.size());
        for (int i = 0; i < positional.size(); ++i)
            r.lines[static_cast<std::size_t>(i)] = positional[i];
    } else if (!positional.isEmpty()) {
        return QStringLiteral("%1 takes no lines of text: '%2'").arg(command, positional.first());
    }

    if (r.prints()) {
        if (has("pdf") == has("printer"))
            return QStringLiteral("%1 prints to a PDF file or to a printer: give --pdf FILE or --printer NAME")
                .arg(command);
        r.target.pdfPath = value("pdf");
        r.target.printerName = value("printer");
        if (has("pdf") && r.target.pdfPath.trimmed().isEmpty())
            return QStringLiteral("--pdf needs a file name");
        if (has("printer") && r.target.printerName.trimmed().isEmpty())
            return QStringLiteral("--printer needs a printer name");
        if (has("copies")) {
            const auto copies = wholeNumber(value("copies"), 1, 999);
            if (!copies)
                return QStringLiteral("--copies must be a whole number from 1 to 999, not '%1'").arg(value("copies"));
            r.copies = *copies;
        }
    }

    if (r.command == Command::Labels || r.command == Command::Envelope) {
        if (has("centered") && has("left-justified"))
            return QStringLiteral("choose --centered or --left-justified, not both");
        r.centered = has("centered");
        if (has("portrait") && has("landscape"))
            return QStringLiteral("choose --portrait or --landscape, not both");
        if (has("portrait") || has("landscape"))
            r.portrait = has("portrait");
        if (has("family")) {
            const qsizetype family = kFamilies.indexOf(value("family"));
            if (family < 0)
                return QStringLiteral("--family is one of %1, not '%2'").arg(kFamilies.join(QStringLiteral(", ")),
                                                                             value("family"));
            r.target.deviceName = specialPrinterFamilies().at(family);
        }
    }
    if (r.command == Command::Labels) {
        if (!has("position"))
            return QStringLiteral("labels needs --position: a label from 1 to 30, or a range such as 4-9");
        r.position = value("position");
    }
    if (r.command == Command::Envelope) {
        if (has("size")) {
            const auto size = wholeNumber(value("size"), 1, 7);
            if (!size)
                return QStringLiteral("--size is an envelope size from 1 to 7, not '%1'").arg(value("size"));
            r.envelopeSize = *size;
        }
        r.bold = has("bold");
        r.largeFont = has("large-font");
        if (has("indent"))
            r.indent = value("indent");
        if (has("pad-rows"))
            r.padRows = value("pad-rows");
    }

    if (!composes(r.command)) {
        if (!has("file") || value("file").trimmed().isEmpty())
            return QStringLiteral("%1 needs the contact file: --file FILE.DAT").arg(command);
        r.contactFile = value("file");
    }
    if (lists(r.command)) {
        if (has("search")) {
            const QString field = value("search");
            const SearchName* found = nullptr;
            for (const SearchName& s : kSearches)
                if (field == QLatin1String(s.name))
                    found = &s;
            if (!found)
                return QStringLiteral("--search is one of first-name, last-name, city, state, zip, email, category, "
                                      "company, all; not '%1'")
                    .arg(field);
            r.searchMode = found->mode;
        }
        if (r.searchMode != Mode::All && !has("text"))
            return QStringLiteral("--search %1 needs the text to look for: --text TEXT").arg(value("search"));
        if (r.searchMode == Mode::All && has("text"))
            return QStringLiteral("--text goes with --search and a field other than all");
        r.searchText = value("text");
        if (has("sort")) {
            if (value("sort") == QLatin1String("first-name"))
                r.sortOrder = ContactList::SortOrder::ByFirstName;
            else if (value("sort") == QLatin1String("last-name"))
                r.sortOrder = ContactList::SortOrder::ByLastName;
            else
                return QStringLiteral("--sort is first-name or last-name, not '%1'").arg(value("sort"));
        }
    }
    if (r.command == Command::Import) {
        if (has("csv") && has("vcard"))
            return QStringLiteral("import reads one file: --csv FILE or --vcard FILE, not both");
        const char* const option = has("vcard") ? "vcard" : "csv";
        if (!has(option) || value(option).trimmed().isEmpty())
            return QStringLiteral("import needs the file to import: --csv FILE or --vcard FILE");
        r.csvFile = value(option);
        r.importFormat = has("vcard") ? ImportFormat::VCard : ImportFormat::Csv;
        r.create = has("create");
        if (has("wait")) {
            const std::optional<int> wait = wholeNumber(value("wait"), 0, 3600);
            if (!wait)
                return QStringLiteral("--wait is a number of seconds from 0 to 3600, not '%1'").arg(value("wait"));
            r.waitSeconds = *wait;
        }
    }
    if (r.command == Command::Export) {
        if (has("format")) {
            if (value("format") == QLatin1String("csv"))
                r.exportKind = ExportKind::Csv;
            else if (value("format") == QLatin1String("text"))
                r.exportKind = ExportKind::Text;
            else if (value("format") == QLatin1String("vcard"))
                r.exportKind = ExportKind::VCard;
            else
                return QStringLiteral("--format is csv, text or vcard, not '%1'").arg(value("format"));
        }
        if (has("vcard-version")) {
            if (r.exportKind != ExportKind::VCard)
                return QStringLiteral("--vcard-version goes with --format vcard");
            if (value("vcard-version") == QLatin1String("3"))
                r.vCardVersion = VCardVersion::V3;
            else if (value("vcard-version") != QLatin1String("4"))
                return QStringLiteral("--vcard-version is 3 or 4, not '%1'").arg(value("vcard-version"));
        }
        if (has("folder") && value("folder").trimmed().isEmpty())
            return QStringLiteral("--folder needs a folder");
        r.folder = value("folder");
    }
    return {};
}

} // namespace

Parsed parseArguments(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return usage(QStringLiteral("no command given"));
    const QString first = arguments.first();
    if (first == QLatin1String("--version") || first == QLatin1String("-v")) {
        Parsed parsed;
        parsed.outcome = Parsed::Version;
        parsed.text = QStringLiteral("tessaprint-batch %1.%2.%3\n").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
        return parsed;
    }
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help")) {
        Parsed parsed;
        parsed.outcome = Parsed::Help;
        parsed.text = toolHelp();
        // "help COMMAND" is that command's help.
        if (arguments.size() > 1) {
            for (const CommandName& c : kCommands)
                if (arguments[1] == QLatin1String(c.name))
                    parsed.text = commandHelp(c.command);
        }
        return parsed;
    }

    const CommandName* command = nullptr;
    for (const CommandName& c : kCommands)
        if (first == QLatin1String(c.name))
            command = &c;
    if (!command)
        return usage(QStringLiteral("unknown command '%1'").arg(first));

    // Help wins over anything else on the line, even where an option would take it as its value.
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            Parsed parsed;
            parsed.outcome = Parsed::Help;
            parsed.text = commandHelp(command->command);
            return parsed;
        }
    }

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QCommandLineOption& option : optionsOf(command->command))
        parser.addOption(option);
    // The parser takes the program's name first.
    if (!parser.parse(QStringList{QStringLiteral("tessaprint-batch")} + arguments.mid(1)))
        return usage(first + QStringLiteral(": ") + parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        Parsed parsed;
        parsed.outcome = Parsed::Help;
        parsed.text = commandHelp(command->command);
        return parsed;
    }

    Parsed parsed;
    parsed.request.command = command->command;
    const QString problem = readOptions(parser, parsed.request);
    if (!problem.isEmpty())
        return usage(problem);
    parsed.outcome = Parsed::Run;
    return parsed;
}

QString toolHelp()
{
    return QStringLiteral(
        "Usage: tessaprint-batch COMMAND [OPTIONS] [LINE...]\n"
        "\n"
        "Prints Tessaprint's labels, envelopes and contact lists, and imports and exports contact\n"
        "files, without opening a window. Messages go to the error output; the exit status is 0\n"
        "when the command did its work, 1 when it was refused or failed, 2 for a wrong command line.\n"
        "\n"
        "Commands:\n"
        "  labels          up to five lines on a position or range of the 30-label sheet\n"
        "  envelope        up to five lines on an envelope of size 1 to 7\n"
        "  return-address  three lines on a sheet of 80 return-address labels\n"
        "  list-labels     a label for every contact a search of a contact file finds\n"
        "  report          the report of the contacts a search of a contact file finds\n"
        "  import          a CSV or vCard file into a contact file\n"
        "  export          a contact file to a CSV, text or vCard file\n"
        "\n"
        "Printouts go to --pdf FILE or to --printer NAME.\n"
        "'tessaprint-batch COMMAND --help' describes each command; --version shows the version.\n");
}

QString commandHelp(Command command)
{
    const QString output = QStringLiteral(
        "  --pdf FILE          print into this PDF file (later copies beside it: FILE-2.pdf, ...)\n"
        "  --printer NAME      print on this printer\n"
        "  --copies N          copies, each a document of its own (1 to 999; default 1)\n");
    const QString composing = QStringLiteral(
        "  --left-justified    each line starts at the indent (default)\n"
        "  --centered          each line centred in the 30 columns from the indent\n"
        "  --family FAMILY     lay out for a printer family whose driver needs the paper named:\n"
        "                      deskjet-640c or officejet-pro (otherwise the printer's name decides)\n");
    const QString search = QStringLiteral(
        "  --file FILE.DAT     the contact file\n"
        "  --search FIELD      first-name, last-name, city, state, zip, email, category, company\n"
        "                      or all (default): the contacts whose field contains --text\n"
        "  --text TEXT         what the field must contain (letter case ignored, except in zip)\n"
        "  --sort ORDER        first-name (default) or last-name\n");
    QString sizes;
    const QStringList entries = envelopeSizeEntries();
    for (int i = 0; i < entries.size(); ++i)
        sizes += QStringLiteral("                        %1  %2\n").arg(i + 1).arg(entries[i]);

    switch (command) {
    case Command::Labels:
        return QStringLiteral("Usage: tessaprint-batch labels --position ENTRY (--pdf FILE | --printer NAME) "
                              "[OPTIONS] LINE...\n\n"
                              "Prints up to five lines on labels of a 30-label sheet (three across, ten down).\n\n"
                              "  --position ENTRY    a label from 1 to 30, counted left to right and row by row,\n"
                              "                      or a range such as 4-9; 1-30 fills the sheet\n"
                              "  --portrait          (default)\n"
                              "  --landscape\n")
               + composing + output;
    case Command::Envelope:
        return QStringLiteral("Usage: tessaprint-batch envelope --size N (--pdf FILE | --printer NAME) "
                              "[OPTIONS] LINE...\n\n"
                              "Prints up to five lines on an envelope.\n\n"
                              "  --size N            the envelope:\n")
               + sizes
               + QStringLiteral("  --landscape         (default)\n"
                                "  --portrait          the margins start at indent 2 and pad rows 3\n"
                                "  --bold              bold letters\n"
                                "  --large-font        large italic letters\n"
                                "  --indent N          the column each line starts at (default: the size's)\n"
                                "  --pad-rows N        the empty lines above the first (default: the size's)\n")
               + composing + output;
    case Command::ReturnAddress:
        return QStringLiteral("Usage: tessaprint-batch return-address (--pdf FILE | --printer NAME) [OPTIONS] "
                              "LINE1 LINE2 LINE3\n\n"
                              "Prints a sheet of 80 return-address labels (four across, twenty down) of three "
                              "lines.\n\n")
               + output;
    case Command::ListLabels:
        return QStringLiteral("Usage: tessaprint-batch list-labels --file FILE.DAT (--pdf FILE | --printer NAME) "
                              "[OPTIONS]\n\n"
                              "Prints a label for every contact found, three across, sheet after sheet.\n\n")
               + search + output;
    case Command::Report:
        return QStringLiteral("Usage: tessaprint-batch report --file FILE.DAT (--pdf FILE | --printer NAME) "
                              "[OPTIONS]\n\n"
                              "Prints the report of the contacts found, one line each.\n\n")
               + search + output;
    case Command::Import:
        return QStringLiteral("Usage: tessaprint-batch import --file FILE.DAT (--csv FILE | --vcard FILE) [--create]\n"
                              "                              [--wait SECONDS]\n\n"
                              "Adds the contacts of a CSV file exported by an e-mail program (or by export), or of a\n"
                              "vCard file (.vcf, versions 2.1, 3.0 and 4.0) from a phone or mail program, that are\n"
                              "not on file yet.\n\n"
                              "  --file FILE.DAT     the contact file\n"
                              "  --csv FILE          the CSV file to import\n"
                              "  --vcard FILE        the vCard file to import\n"
                              "  --create            create the contact file when there is none\n"
                              "  --wait SECONDS      while another Tessaprint has the file open, wait this long\n"
                              "                      for it (default 5), then give up having written nothing\n");
    case Command::Export:
        return QStringLiteral("Usage: tessaprint-batch export --file FILE.DAT [--format csv|text|vcard] [--vcard-version 3|4]\n"
                              "                              [--folder DIR] [--search FIELD --text TEXT [--sort ORDER]]\n\n"
                              "Writes every contact to ZAZE_NAME.csv (comma-separated), DODU_NAME.txt\n"
                              "(|-separated) or NAME.vcf (vCard), NAME being the contact file's name without .DAT.\n\n"
                              "  --file FILE.DAT     the contact file\n"
                              "  --format FORMAT     csv (default), text or vcard\n"
                              "  --vcard-version N   vCard 4 (default) or 3\n"
                              "  --folder DIR        where the file goes (default: your documents folder when\n"
                              "                      installed, the program's folder in a build; beside the\n"
                              "                      contact file when that cannot be written)\n"
                              "  --search FIELD      only the contacts whose field contains --text, in the order of\n"
                              "                      --sort, as the contact list shows them (FIELD as for report)\n"
                              "  --text TEXT         what the field must contain\n"
                              "  --sort ORDER        first-name (default) or last-name\n");
    }
    return toolHelp();
}

} // namespace Batch
