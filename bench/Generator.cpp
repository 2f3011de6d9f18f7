#include "bench/Generator.h"

#include <QFile>
#include <QTextStream>

#include <cstdint>
#include <stdexcept>

namespace bench {

namespace {

const char* const firstNames[] = {
    "James", "Mary", "Robert", "Patricia", "John", "Jennifer", "Michael", "Linda", "David",
    "Elizabeth", "William", "Barbara", "Richard", "Susan", "Joseph", "Jessica", "Thomas", "Sarah",
    "Charles", "Karen", "Chris", "Lisa", "Daniel", "Nancy", "Matthew", "Betty", "Anthony", "Sandra",
    "Mark", "Margaret", "Donald", "Ashley", "Steven", "Kimberly", "Andrew", "Emily", "Paul", "Donna",
    "Joshua", "Michelle", "Kenneth", "Carol", "Kevin", "Amanda", "Brian", "Melissa", "George",
    "Deborah", "Timothy", "Stephanie", "Ronald", "Dorothy", "Jason", "Rebecca", "Edward", "Sharon",
    "Jeffrey", "Laura", "Ryan", "Cynthia", "Jacob", "Amy", "Gary", "Kathleen", "Nicholas",
    "Angela", "Eric", "Shirley", "Jonathan", "Brenda", "Stephen", "Emma", "Larry", "Anna", "Justin",
    "Pamela", "Scott", "Nicole", "Brandon", "Samantha", "Benjamin", "Katherine", "Samuel",
    "Christine", "Gregory", "Helen", "Alexander", "Debra", "Patrick", "Rachel", "Frank", "Carolyn",
    "Raymond", "Janet", "Jack", "Maria", "Dennis", "Catherine", "Jerry", "Heather", "Tyler", "Diane",
    "Aaron", "Olivia", "Jose", "Julie", "Adam", "Joyce", "Nathan", "Victoria", "Henry", "Ruth",
    "Zachary", "Virginia", "Douglas", "Lauren", "Peter", "Kelly", "Kyle", "Christina", "Noah",
    "Joan", "Ethan", "Evelyn", "Jeremy", "Judith", "Walter", "Andrea", "Christian", "Hannah",
    "Keith", "Megan", "Roger", "Cheryl", "Terry", "Jacqueline", "Austin", "Martha", "Sean",
    "Madison", "Gerald", "Teresa", "Carl", "Gloria", "Harold", "Sara", "Dylan", "Janice", "Arthur",
    "Ann", "Lawrence", "Kathryn", "Jordan", "Abigail", "Jesse", "Sophia", "Bryan", "Frances",
    "Billy", "Jean", "Bruce", "Alice", "Gabriel", "Judy", "Joe", "Isabella", "Logan", "Julia",
    "Alan", "Grace", "Juan", "Amber", "Albert", "Denise", "Willie", "Danielle", "Elijah", "Marilyn",
    "Wayne", "Beverly", "Randy", "Charlotte", "Vincent", "Natalie", "Mason", "Theresa", "Roy",
    "Diana", "Ralph", "Brittany", "Bobby", "Doris", "Russell", "Kayla", "Bradley", "Alexis",
    "Philip", "Lori", "Eugene", "Marie", "Zoe", "Ingrid", "Bjorn", "Siobhan", "Rene", "Chloe",
};

const char* const lastNames[] = {
    "Smith", "Johnson", "Williams", "Brown", "Jones", "Garcia", "Miller", "Davis", "Rodriguez",
    "Martinez", "Hernandez", "Lopez", "Gonzalez", "Wilson", "Anderson", "Thomas", "Taylor",
    "Moore", "Jackson", "Martin", "Lee", "Perez", "Thompson", "White", "Harris", "Sanchez", "Clark",
    "Ramirez", "Lewis", "Robinson", "Walker", "Young", "Allen", "King", "Wright", "Scott", "Torres",
    "Nguyen", "Hill", "Flores", "Green", "Adams", "Nelson", "Baker", "Hall", "Rivera", "Campbell",
    "Mitchell", "Carter", "Roberts", "Gomez", "Phillips", "Evans", "Turner", "Diaz", "Parker",
    "Cruz", "Edwards", "Collins", "Reyes", "Stewart", "Morris", "Morales", "Murphy", "Cook",
    "Rogers", "Gutierrez", "Ortiz", "Morgan", "Cooper", "Peterson", "Bailey", "Reed", "Kelly",
    "Howard", "Ramos", "Kim", "Cox", "Ward", "Richardson", "Watson", "Brooks", "Chavez", "Wood",
    "James", "Bennett", "Gray", "Mendoza", "Ruiz", "Hughes", "Price", "Alvarez", "Castillo",
    "Sanders", "Patel", "Myers", "Long", "Ross", "Foster", "Jimenez", "Powell", "Jenkins", "Perry",
    "Russell", "Sullivan", "Bell", "Coleman", "Butler", "Henderson", "Barnes", "Gonzales", "Fisher",
    "Vasquez", "Simmons", "Romero", "Jordan", "Patterson", "Alexander", "Hamilton", "Graham",
    "Reynolds", "Griffin", "Wallace", "Moreno", "West", "Cole", "Hayes", "Bryant", "Herrera",
    "Gibson", "Ellis", "Tran", "Medina", "Aguilar", "Stevens", "Murray", "Ford", "Castro",
    "Marshall", "Owens", "Harrison", "Fernandez", "McDonald", "Woods", "Washington", "Kennedy",
    "Wells", "Vargas", "Henry", "Chen", "Freeman", "Webb", "Tucker", "Guzman", "Burns", "Crawford",
    "Olson", "Simpson", "Porter", "Hunter", "Gordon", "Mendez", "Silva", "Shaw", "Snyder", "Mason",
    "Dixon", "Munoz", "Hunt", "Hicks", "Holmes", "Palmer", "Wagner", "Black", "Robertson", "Boyd",
    "Rose", "Stone", "Salazar", "Fox", "Warren", "Mills", "Meyer", "Rice", "Schmidt", "Garza",
    "Daniels", "Ferguson", "Nichols", "Stephens", "Soto", "Weaver", "Ryan", "Gardner", "Payne",
    "Grant", "Dunn", "Kelley", "Spencer", "Hawkins", "Arnold", "Pierce", "Vazquez", "Hansen",
    "Peters", "Santos", "Hart", "Bradley", "Knight", "Elliott", "Cunningham", "Duncan", "Armstrong",
    "Hudson", "Carroll", "Lane", "Riley", "Andrews", "Ray", "Berry", "Perkins", "Hoffman",
    "Johnston", "Matthews", "Pena", "Richards", "Contreras", "Willis", "Carpenter", "Lawrence",
    "Sandoval", "O'Brien", "Goldsmith", "Van der Berg", "St. Clair", "MacKenzie", "Lindqvist",
    "Okafor", "Kowalczyk", "Nakamura", "Oyelaran-Smythe",
};

// For new contacts in the CSV files: names that no stored last name contains.
const char* const newLastNames[] = {
    "Quillfeather", "Zabrowski", "Thistlewood", "Yarborough", "Vandersloot", "Wexley",
    "Ulverston", "Pembridge", "Xiong-Harte", "Quenneville", "Zeitlinger", "Drummore",
};

struct Place {
    const char* city;
    const char* state;
    const char* zip;
};
const Place places[] = {
    {"Springfield", "IL", "62701"}, {"Portland", "OR", "97205"}, {"Austin", "TX", "78701"},
    {"Madison", "WI", "53703"}, {"Burlington", "VT", "05401"}, {"Boulder", "CO", "80302"},
    {"Asheville", "NC", "28801"}, {"Savannah", "GA", "31401"}, {"Tucson", "AZ", "85701"},
    {"Ann Arbor", "MI", "48104"}, {"Santa Fe", "NM", "87501"}, {"Duluth", "MN", "55802"},
    {"Providence", "RI", "02903"}, {"Boise", "ID", "83702"}, {"Fargo", "ND", "58102"},
    {"Lexington", "KY", "40507"}, {"Salem", "MA", "01970"}, {"Eugene", "OR", "97401"},
    {"Charleston", "SC", "29401"}, {"Rochester", "NY", "14604"}, {"Bozeman", "MT", "59715"},
    {"Pittsburgh", "PA", "15222"}, {"Richmond", "VA", "23219"}, {"Omaha", "NE", "68102"},
    {"Sacramento", "CA", "95814"}, {"Albuquerque", "NM", "87102"}, {"Des Moines", "IA", "50309"},
    {"Chattanooga", "TN", "37402"}, {"Spokane", "WA", "99201"}, {"Toronto", "ON", "M5V 2T6"},
    {"Vancouver", "BC", "V6B 1A1"}, {"Anchorage", "AK", "99501"}, {"Honolulu", "HI", "96813"},
    {"Wilmington", "DE", "19801"}, {"Cheyenne", "WY", "82001"}, {"Bangor", "ME", "04401-2345"},
};

const char* const streets[] = {
    "Oak St", "Maple Ave", "Cedar Ln", "Elm St", "Washington Blvd", "Lakeview Dr", "Hillcrest Rd",
    "Park Pl", "Sunset Blvd", "Church St", "Mill Rd", "River Rd", "Highland Ave", "Chestnut St",
    "Willow Way", "Meadowbrook Ct", "Old Post Rd", "Country Club Dr", "Spring Garden St",
};

const char* const categories[] = {
    "Family", "Friends", "Work", "Golf", "Church", "School", "Neighbors", "Book Club",
    "Holiday Cards", "Clients", "Vendors", "Soccer", "Choir", "Alumni", "Volunteers", "Doctors",
};

const char* const companies[] = {
    "Acme Hardware", "Blue Ridge Dental", "Northwind Traders", "Cedar & Pine Realty",
    "Riverside Insurance", "Summit Accounting", "Harbor Marine Supply", "Greenleaf Landscaping",
    "Pioneer Credit Union", "Maplewood Pediatrics", "Lakeside Auto Repair", "Brightside Bakery",
    "Tri-County Plumbing", "Old Town Books", "Keystone Engineering", "Silver Lining Catering",
};

const char* const domains[] = {"example.com", "mail.net", "post.org", "school.edu", "city.gov",
                               "inbox.com"};

const char* const notes[] = {
    "Met at the spring fundraiser", "Prefers e-mail; call only after 6 pm",
    "Send holiday card every year", "Gate code 4411", "Allergic to peanuts - remember at parties",
    "Kids: Sam and Lily", "Retired in 2019, winters in Florida",
};

// SplitMix64: a fixed, well-mixed sequence per contact.
struct Random {
    uint64_t state;
    explicit Random(uint64_t start) : state(start * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
    uint64_t next()
    {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % uint64_t(n)); }
    bool percent(int p) { return below(100) < p; }
    template <typename T, std::size_t N>
    const T& pick(const T (&items)[N])
    {
        return items[below(int(N))];
    }
};

QString pad2(int n)
{
    return QString::number(n).rightJustified(2, u'0');
}

QString phone(Random& r)
{
    const QString area = QString::number(200 + r.below(800));
    const QString exchange = QString::number(200 + r.below(800));
    const QString line = QString::number(r.below(10000)).rightJustified(4, u'0');
    if (r.percent(15)) // an area code in parentheses
        return u'(' + area + QStringLiteral(") ") + exchange + u'-' + line;
    return area + u'-' + exchange + u'-' + line;
}

// Every field at its own width, as a save would have written it.
QString fit(const QString& value, int width)
{
    return value.left(width).leftJustified(width, u' ');
}

} // namespace

Contact generatedContact(int index)
{
    Random r(uint64_t(index) + 1);
    Contact c;
    const QString first = QString::fromLatin1(r.pick(firstNames));
    const QString last = QString::fromLatin1(r.pick(lastNames));
    c.FirstName = first;
    c.MiddleInitial = r.percent(60) ? QString(QChar(u'A' + r.below(26))) : QString();
    c.LastName = last;
    c.Street1 = QString::number(1 + r.below(9999)) + u' ' + QString::fromLatin1(r.pick(streets));
    c.Street2 = r.percent(20) ? QStringLiteral("Apt ") + QString::number(1 + r.below(400)) : QString();
    const Place& place = r.pick(places);
    c.City = QString::fromLatin1(place.city);
    c.State = QString::fromLatin1(place.state);
    c.Zip = QString::fromLatin1(place.zip);
    c.Country = r.percent(90) ? QStringLiteral("USA") : QStringLiteral("CANADA");
    c.HomePhone = r.percent(70) ? phone(r) : QString();
    c.CellPhone = r.percent(80) ? phone(r) : QString();
    c.WorkPhone = r.percent(40) ? phone(r).left(13) : QString();
    // The index keeps every address unique, as real address books are.
    c.Email = r.percent(92) ? (first + u'.' + last).toLower().remove(u' ').remove(u'\'')
                                  + QString::number(index) + u'@' + QString::fromLatin1(r.pick(domains))
                            : QString();
    if (r.percent(75)) {
        const QDate born = QDate(1930 + r.below(80), 1, 1).addDays(r.below(365));
        c.Birthdate = QString::number(born.year()) + pad2(born.month()) + pad2(born.day());
    }
    QStringList cats;
    for (int k = 0, n = r.below(4); k < n; ++k) {
        const QString cat = QString::fromLatin1(r.pick(categories));
        if (!cats.contains(cat))
            cats << cat;
    }
    c.Category = cats.join(u';');
    c.Notes = r.percent(30) ? QString::fromLatin1(r.pick(notes)) : QString();
    c.Company = r.percent(40) ? QString::fromLatin1(r.pick(companies)) : QString();
    c.IncludeCompany = !c.Company.isEmpty() && r.percent(60) ? QStringLiteral("1") : QStringLiteral("0");
    c.BirthdayReminder = QStringLiteral("1");
    for (int i = 0; i < Contact::FieldCount; ++i)
        c.field(i) = fit(c.field(i), Contact::fieldInfo(i).width);
    return c;
}

namespace {

void writeContacts(const QString& path, int count, Contact (*contact)(int))
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot create " + path.toStdString());
    QByteArray block;
    block.reserve(1024 * Contact::RecordLength);
    for (int i = 0; i < count; ++i) {
        block.append(contact(i).toRecord());
        if (block.size() >= 1024 * Contact::RecordLength || i + 1 == count) {
            file.write(block);
            block.clear();
        }
    }
}

const char* const syllables[] = {
    "ka", "lo", "mi", "ran", "te", "vos", "bel", "du", "fi", "gor", "ha", "jen", "ki", "lu", "mar",
    "ne", "ol", "pa", "qui", "ros", "sa", "tor", "ul", "va", "wen", "xa", "yor", "zi", "bri", "cas",
    "del", "ez", "fro", "gi", "hul", "ip", "jo", "kes", "lin", "mo", "nor", "os", "pel", "ru", "sti",
    "tam", "ur", "vel", "wi", "yan", "zo", "ber", "cor", "dan", "el", "fen", "gal", "hor", "is", "kel",
};
constexpr int SyllableCount = int(std::size(syllables));
constexpr int NameCount = SyllableCount * SyllableCount * SyllableCount;

// Three syllables for each of NameCount indexes, no two alike; neighbours look unrelated.
QString distinctLastName(int index)
{
    int n = int((qint64(index) * 104729) % NameCount);
    QString name;
    for (int k = 0; k < 3; ++k, n /= SyllableCount)
        name += QString::fromLatin1(syllables[n % SyllableCount]);
    name[0] = name[0].toUpper();
    return name;
}

} // namespace

void writeContactFile(const QString& path, int count)
{
    writeContacts(path, count, generatedContact);
}

Contact distinctContact(int index)
{
    Contact c = generatedContact(index);
    c.LastName = distinctLastName(index).leftJustified(Contact::fieldInfo(2).width, u' ');
    return c;
}

void writeDistinctContactFile(const QString& path, int count)
{
    writeContacts(path, count, distinctContact);
}

const char* layoutName(CsvLayout layout)
{
    switch (layout) {
    case CsvLayout::Yahoo: return "Yahoo";
    case CsvLayout::WebMail: return "WebMail";
    case CsvLayout::AddressBook: return "AddressBook";
    case CsvLayout::OwnExport: return "OwnExport";
    case CsvLayout::Generic: return "Generic";
    }
    return "?";
}

namespace {

struct CsvPerson {
    QString first, middle, last, email, street, city, state, zip, country, company, include;
    QString home, cell, work, category, notes;
    int month = 0, day = 0, year = 0; // 0: no birthday
};

CsvPerson csvPerson(int line)
{
    // A quarter repeat stored contacts 0..999; the rest are people no file holds.
    const bool duplicate = line % 4 == 0;
    const Contact c = generatedContact(duplicate ? (line * 7) % 1000 : 1000000 + line);
    CsvPerson p;
    p.first = c.FirstName.trimmed();
    p.middle = c.MiddleInitial.trimmed();
    p.last = c.LastName.trimmed();
    p.email = c.Email.trimmed();
    if (!duplicate) {
        Random r(uint64_t(line) + 77);
        p.last = QString::fromLatin1(r.pick(newLastNames));
        p.email = (p.first + u'.' + p.last).toLower().remove(u' ') + QString::number(line)
            + QStringLiteral("@newmail.com");
    } else if (p.email.isEmpty()) {
        p.email = p.first.toLower() + QStringLiteral("@example.com");
    }
    p.street = c.Street1.trimmed();
    p.city = c.City.trimmed();
    p.state = c.State.trimmed();
    p.zip = c.Zip.trimmed();
    p.country = c.Country.trimmed();
    p.company = c.Company.trimmed();
    p.include = c.IncludeCompany.trimmed();
    p.home = c.HomePhone.trimmed();
    p.cell = c.CellPhone.trimmed();
    p.work = c.WorkPhone.trimmed();
    p.category = c.Category.trimmed();
    p.notes = c.Notes.trimmed();
    const QString born = c.Birthdate.trimmed();
    if (born.size() == 8) {
        p.year = born.left(4).toInt();
        p.month = born.mid(4, 2).toInt();
        p.day = born.mid(6, 2).toInt();
    }
    return p;
}

QString slashDate(const CsvPerson& p)
{
    return p.year ? QStringLiteral("%1/%2/%3").arg(p.month).arg(p.day).arg(p.year) : QString();
}

QString quoted(const QStringList& cells)
{
    QStringList q;
    for (const QString& cell : cells)
        q << u'"' + cell + u'"';
    return q.join(u',');
}

QString header(CsvLayout layout)
{
    switch (layout) {
    case CsvLayout::Yahoo:
        return quoted({"First", "Middle", "Last", "Nickname", "Email", "Category", "Distribution Lists",
                       "Yahoo! ID", "Home", "Work", "Pager", "Fax", "Mobile", "Other", "Yahoo! Phone",
                       "Primary", "Alternate Email 1", "Alternate Email 2", "Personal Website",
                       "Business Website", "Title", "Company", "Work Address", "Work City", "Work State",
                       "Work ZIP", "Work Country", "Home Address", "Home City", "Home State", "Home ZIP",
                       "Home Country", "Birthday", "Anniversary", "Custom 1", "Comments"});
    case CsvLayout::WebMail:
        return QStringLiteral(
            "First Name,Middle Name,Last Name,Title,Suffix,Initials,Web Page,Gender,Birthday,"
            "Anniversary,Location,Language,Internet Free Busy,Notes,E-mail Address,E-mail 2 Address,"
            "E-mail 3 Address,Primary Phone,Home Phone,Home Phone 2,Mobile Phone,Pager,Home Fax,"
            "Home Address,Home Street,Home City,Home State,Home Postal Code,Home Country");
    case CsvLayout::AddressBook:
        return QStringLiteral("First Name,Last Name,Middle Name,E-mail Address");
    case CsvLayout::OwnExport:
        return QStringLiteral("First Name,MI,Last Name,Street1,Street2,City,State,Zip,Country,Company,"
                              "Include Company in Address,Home Phone,Cell Phone,Work Phone,Email,"
                              "Birthdate,Category,Notes");
    case CsvLayout::Generic:
        return QStringLiteral("First Name,Last Name,Title,Company,Phone,Fax,Mobile,Email,Notes");
    }
    return {};
}

QString line(CsvLayout layout, const CsvPerson& p)
{
    switch (layout) {
    case CsvLayout::Yahoo: {
        QStringList cells(36);
        cells[0] = p.first; cells[1] = p.middle; cells[2] = p.last; cells[4] = p.email;
        cells[5] = p.category; cells[8] = p.home; cells[9] = p.work; cells[12] = p.cell;
        cells[21] = p.company; cells[27] = p.street; cells[28] = p.city; cells[29] = p.state;
        cells[30] = p.zip; cells[31] = p.country; cells[32] = slashDate(p);
        return quoted(cells);
    }
    case CsvLayout::WebMail: {
        QStringList cells(29);
        cells[0] = p.first; cells[1] = p.middle; cells[2] = p.last; cells[8] = slashDate(p);
        cells[13] = p.notes; cells[14] = p.email; cells[18] = p.home; cells[20] = p.cell;
        cells[25] = p.city; cells[26] = p.state;
        return cells.join(u',');
    }
    case CsvLayout::AddressBook:
        return QStringList{p.first, p.last, p.middle, p.email}.join(u',');
    case CsvLayout::OwnExport: {
        const QString born = p.year ? QStringLiteral("%1-%2-%3").arg(pad2(p.month), pad2(p.day)).arg(p.year)
                                    : QString();
        return QStringList{p.first, p.middle, p.last, p.street, QString(), p.city, p.state, p.zip,
                           p.country, p.company, p.include, p.home, p.cell, p.work, p.email, born,
                           p.category, p.notes}
            .join(u',');
    }
    case CsvLayout::Generic:
        return QStringList{p.first, p.last, QStringLiteral("Manager"), p.company, p.home, QString(),
                           p.cell, p.email, p.notes}
            .join(u',');
    }
    return {};
}

} // namespace

void writeDistinctCsvFile(const QString& path, int lines)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot create " + path.toStdString());
    QByteArray text = header(CsvLayout::OwnExport).toLatin1() + "\r\n";
    for (int i = 0; i < lines; ++i) {
        // The names past the stored ones are nobody's on file.
        const bool stored = i % 4 == 0;
        const int index = stored ? int((qint64(i) * 7919) % 100000) : 100000 + i;
        const Contact c = distinctContact(index);
        CsvPerson p = csvPerson(i);
        p.first = c.FirstName.trimmed();
        p.last = c.LastName.trimmed();
        p.email = (p.first + u'.' + p.last).toLower() + QString::number(i) + QStringLiteral("@newmail.com");
        text += line(CsvLayout::OwnExport, p).toLatin1() + "\r\n";
        if (text.size() > (1 << 20)) {
            file.write(text);
            text.clear();
        }
    }
    file.write(text);
}

void writeCsvFile(const QString& path, CsvLayout layout, int lines)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot create " + path.toStdString());
    QByteArray text = header(layout).toLatin1() + "\r\n";
    for (int i = 0; i < lines; ++i)
        text += line(layout, csvPerson(i)).toLatin1() + "\r\n";
    file.write(text);
}

} // namespace bench
