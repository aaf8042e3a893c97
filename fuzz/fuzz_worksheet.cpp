// The worksheet reader: whatever the bytes, reading ends, and a worksheet it reads is one a file can hold
// and that reads back the same once written.
#include <cstdint>
#include <cstdlib>

#include "text_file.h"
#include "worksheet_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    bt::RecordReader reader(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const std::optional<bt::Worksheet> read = bt::readworksheet(reader);
    if (!read) return 0;
    bt::RecordWriter writer;
    for (const QString& record : bt::worksheetRecords(*read)) writer.write(record);
    bt::RecordReader again(writer.bytes());
    if (bt::readworksheet(again) != read) std::abort();
    if (!bt::textFitsFile(read->title)) std::abort();
    for (const bt::Question& q : read->questions) {
        if (!bt::textFitsFile(q.text)) std::abort();
        for (const QString& answer : q.answers)
            if (!bt::textFitsFile(answer)) std::abort();
    }
    return 0;
}
