#include "worksheet_files.h"

#include <QDir>
#include <QLockFile>
#include <algorithm>

#include "content_paths.h"
#include "text_file.h"

namespace bt {

namespace {

QString escaped(QString text) {
    return text.replace(QLatin1Char(','), QLatin1Char('&'));
}
QString unescaped(QString text) {
    return text.replace(QLatin1Char('&'), QLatin1Char(','));
}

const QString kSpare = QStringLiteral(" ");
const QString kQuotedSpare = QStringLiteral("2");  // the file's quoted texts are kept as they are

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
bool startsUnread(const QString& text) {  // the reader would skip it, or take it for a quoted field
    return !text.isEmpty() && (isBlank(text.front()) || text.front() == u'"');
}

// A text that reads back the same written as earlier versions wrote it.
bool plainText(const QString& text) {
    return !text.contains(QLatin1Char('&')) && !startsUnread(text);
}

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// A register entry as written: quoted when it holds a comma or begins with a blank, so that it reads back
// as one whole name.
QString registerRecord(const QString& name) {
    return name.contains(QLatin1Char(',')) || startsUnread(name) ? quoted(name) : name;
}

using Names = decltype(SharedValues::worksheetnames);

bool writeRegister(const QString& path, const Names& names, int count) {
    RecordWriter out;
    out.writeNumber(count);
    for (int i = 1; i <= count; ++i) out.write(registerRecord(names[i]));
    return out.commit(path);
}

}  // namespace

QStringList registerRecords(const SharedValues& shared) {
    QStringList records{QLatin1Char(' ') + QString::number(shared.worksheetcount) + QLatin1Char(' ')};
    for (int i = 1; i <= shared.worksheetcount; ++i) records << registerRecord(shared.worksheetnames[i]);
    return records;
}

namespace {

// Every text of the worksheet, the title first.
QStringList textsOf(const Worksheet& worksheet) {
    QStringList texts{worksheet.title};
    for (const Question& q : worksheet.questions) {
        texts << q.text;
        for (const QString& answer : q.answers) texts << answer;
    }
    return texts;
}

}  // namespace

bool textFitsFile(const QString& text) {
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')) || !text.isValidUtf16())
        return false;
    return plainText(text) || !text.contains(QLatin1Char('"'));
}

QStringList worksheetRecords(const Worksheet& worksheet) {
    const QStringList texts = textsOf(worksheet);
    const bool quotes = !std::all_of(texts.begin(), texts.end(), plainText);
    const auto record = [](const QString& text) { return plainText(text) ? escaped(text) : quoted(text); };
    QStringList records;
    records << record(worksheet.title) << (quotes ? kQuotedSpare : kSpare);
    for (const Question& q : worksheet.questions) {
        records << record(q.text);
        for (const QString& answer : q.answers) records << record(answer);
        records << QString::number(q.correct) << kSpare;
    }
    return records;
}

bool writeWorksheet(const QString& path, const Worksheet& worksheet) {
    const QStringList texts = textsOf(worksheet);
    if (!std::all_of(texts.begin(), texts.end(), textFitsFile)) return false;
    RecordWriter out;
    for (const QString& record : worksheetRecords(worksheet)) out.write(record);
    return out.commit(path);
}

std::optional<Worksheet> readworksheet(RecordReader& file1) {
    Worksheet read;
    bool titleQuoted = false;
    const std::optional<QString> title = file1.readField(&titleQuoted);
    const std::optional<QString> spare = file1.readField();
    if (!title || !spare) return std::nullopt;
    const bool keepQuoted = *spare == kQuotedSpare;
    read.title = titleQuoted && keepQuoted ? *title : unescaped(*title);
    auto text = [&file1, keepQuoted](QString& into) {
        bool inQuotes = false;
        std::optional<QString> field = file1.readField(&inQuotes);
        if (field) into = inQuotes && keepQuoted ? *field : unescaped(*field);
        return field.has_value();
    };
    for (Question& q : read.questions) {
        if (!text(q.text)) return std::nullopt;
        for (QString& answer : q.answers)
            if (!text(answer)) return std::nullopt;
        const std::optional<QString> digit = file1.readField();
        if (!digit || digit->size() != 1 || (*digit)[0] < u'1' || (*digit)[0] > u'4' || !file1.readField())
            return std::nullopt;
        q.correct = (*digit)[0].unicode() - u'0';
    }
    return read;
}

std::optional<Worksheet> readWorksheetFile(const QString& path) {
    std::optional<RecordReader> file1 = RecordReader::open(path);
    return file1 ? readworksheet(*file1) : std::nullopt;
}

QString registerPath(const ContentPaths& paths) {
    return paths.resolve(QStringLiteral("multiple\\track.txt"));
}

QString worksheetPath(const ContentPaths& paths, const QString& title) {
    return paths.worksheetFolder() + QLatin1Char('/') + title + QLatin1String(".txt");
}

QString titleProblem(const QString& title) {
    if (title.isEmpty()) return QStringLiteral("You have not chosen a title for your worksheet");
    if (!title.isValidUtf16())
        return QStringLiteral(
            "This worksheet title holds a character that cannot be saved. Please retype the title.");
    if (title.front().isSpace() || title.back().isSpace())
        return QStringLiteral("A worksheet title cannot begin or end with a space. Please remove the space.");
    static const QString kForbidden = QStringLiteral("\\/:*?\"<>|");
    for (const QChar c : title) {
        if (kForbidden.contains(c))
            return QStringLiteral(
                "A worksheet title cannot contain any of these characters: \\ / : * ? \" < > |\n"
                "Please change the title.");
        if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
            c.category() == QChar::Separator_Paragraph)
            return QStringLiteral(
                "A worksheet title cannot contain a control character. Please retype the title.");
    }
    // Something to see: a letter, a number, a mark or a symbol, not only invisible characters (and not the
    // folder names "." and "..").
    const bool visible = std::any_of(title.begin(), title.end(), [](QChar c) {
        return c.isLetterOrNumber() || c.isPunct() || c.isSymbol();
    });
    if (!visible || title == QLatin1String(".") || title == QLatin1String(".."))
        return QStringLiteral("A worksheet title needs letters or numbers. Please change the title.");
    if (title.compare(QLatin1String("track"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("The title \"%1\" is used by the program itself. Please choose another title.")
            .arg(title);
    // Most file systems hold names of up to 255 bytes; the file adds ".txt".
    if (title.toUtf8().size() + 4 > 255)
        return QStringLiteral("This worksheet title is too long. Please shorten it.");
    return {};
}

bool readRegister(const QString& path, SharedValues& shared) {
    std::optional<RecordReader> file1 = RecordReader::open(path);
    return file1 && readRegister(*file1, shared);
}

bool readRegister(RecordReader& file1, SharedValues& shared) {
    const std::optional<int> count = file1.readNumber();
    if (!count) return false;
    if (*count < 0) {
        shared.worksheetcount = 0;
        return false;
    }
    for (int i = 1; i <= *count; ++i) {
        std::optional<QString> name = i <= kMaxWorksheets ? file1.readField() : std::nullopt;
        if (!name) {
            shared.worksheetcount = i - 1;
            return false;
        }
        shared.worksheetnames[i] = *name;
    }
    shared.worksheetcount = *count;
    return true;
}

namespace {

// How long a change waits for another copy of the program (on this machine or another sharing the folder)
// to finish changing the register. A lock whose owner cannot be told (a program killed as it made the lock
// file, before it wrote its name in it, or one on another machine) is taken over once it is this old; a
// change holds the lock for milliseconds.
constexpr int kLockWaitMs = 10000;
constexpr int kStaleLockMs = 5000;

// Takes the register's lock, waiting for another copy's change to end.
bool lockRegister(QLockFile& lock) {
    lock.setStaleLockTime(kStaleLockMs);
    return lock.tryLock(kLockWaitMs);
}

}  // namespace

namespace {

// Reads the register for a change: into memory only when the whole register reads.
bool readForChange(const QString& path, SharedValues& shared) {
    SharedValues read;
    if (!readRegister(path, read)) return false;
    shared.worksheetcount = read.worksheetcount;
    shared.worksheetnames = read.worksheetnames;
    return true;
}

}  // namespace

bool isRegistered(const SharedValues& shared, const QString& title) {
    const auto* names = shared.worksheetnames.begin() + 1;
    return std::find(names, names + shared.worksheetcount, title) != names + shared.worksheetcount;
}

bool trackworksheets(const QString& path, const QString& title, SharedValues& shared) {
    if (path.isEmpty()) return false;
    QLockFile lock(path + QLatin1String(".lock"));
    if (!lockRegister(lock) || !readForChange(path, shared)) return false;
    if (isRegistered(shared, title)) return true;
    const int count = shared.worksheetcount;
    if (count >= kMaxWorksheets) return false;
    shared.worksheetnames[count + 1] = title;
    return writeRegister(path, shared.worksheetnames, count + 1);
}

bool delworksheet(const QString& path, const QString& name, SharedValues& shared) {
    if (path.isEmpty()) return false;
    QLockFile lock(path + QLatin1String(".lock"));
    if (!lockRegister(lock) || !readForChange(path, shared)) return false;
    const int count = shared.worksheetcount;
    int p = 0;
    for (int i = 1; i <= count; ++i)
        if (shared.worksheetnames[i] == name) p = i;
    if (p == 0) return true;

    Names after = shared.worksheetnames;
    for (int i = p; i < count; ++i) after[i] = after[i + 1];
    after[count].clear();
    if (!writeRegister(path, after, count - 1)) return false;
    shared.worksheetnames = after;
    shared.worksheetcount = count - 1;
    return true;
}

}  // namespace bt
