// The register reader: whatever the bytes, reading ends within the register's 1000 names, and the names it
// reads, written back as a change writes them, read back the same.
#include <cstdint>
#include <cstdlib>

#include "text_file.h"
#include "worksheet_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    bt::RecordReader reader(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    bt::SharedValues shared;
    const bool whole = bt::readRegister(reader, shared);
    if (shared.worksheetcount < 0 || shared.worksheetcount > bt::kMaxWorksheets) std::abort();
    if (!whole) return 0;
    bt::RecordWriter writer;
    for (const QString& record : bt::registerRecords(shared)) writer.write(record);
    bt::RecordReader again(writer.bytes());
    bt::SharedValues reread;
    if (!bt::readRegister(again, reread) || reread.worksheetcount != shared.worksheetcount) std::abort();
    for (int i = 1; i <= shared.worksheetcount; ++i)
        if (reread.worksheetnames[i] != shared.worksheetnames[i]) std::abort();
    return 0;
}
