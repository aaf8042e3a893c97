// The title check: a title it accepts names a file right inside the worksheet folder, and a worksheet and a
// register entry under it read back the same.
#include <QDir>
#include <cstdint>
#include <cstdlib>

#include "content_paths.h"
#include "text_file.h"
#include "worksheet_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The bytes as UTF-16, so that every character (unpaired surrogates too) can be tried.
    const QString title(reinterpret_cast<const QChar*>(data), qsizetype(size / 2));
    if (!bt::titleProblem(title).isEmpty()) return 0;
    const bt::ContentPaths paths(QStringLiteral("/nonexistent"), QStringLiteral("/nonexistent/multiple"));
    const QString path = bt::worksheetPath(paths, title);
    if (QDir::cleanPath(path).section(QLatin1Char('/'), 0, -2) != QLatin1String("/nonexistent/multiple"))
        std::abort();
    bt::Worksheet sheet;
    sheet.title = title;
    bt::RecordWriter writer;
    for (const QString& record : bt::worksheetRecords(sheet)) writer.write(record);
    bt::RecordReader reader(writer.bytes());
    const std::optional<bt::Worksheet> read = bt::readworksheet(reader);
    if (!read || read->title != title) std::abort();
    bt::SharedValues shared;
    shared.worksheetcount = 1;
    shared.worksheetnames[1] = title;
    bt::RecordWriter names;
    for (const QString& record : bt::registerRecords(shared)) names.write(record);
    bt::RecordReader registerReader(names.bytes());
    bt::SharedValues reread;
    if (!bt::readRegister(registerReader, reread) || reread.worksheetnames[1] != title) std::abort();
    return 0;
}
