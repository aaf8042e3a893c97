#pragma once
// Sequential text files: the format of worksheets and of the worksheet register.
//
// On disk a file is a run of records, each on a line of its own ended by CR LF, one byte per character in
// Windows-1252. Text that Windows-1252 cannot hold (a Polish name, a curly quote outside the code page) is
// written instead as UTF-8 behind a byte-order mark, which the reader recognises; files that fit the code
// page are written exactly as before. Lines ended by LF or CR alone, as other programs write them, read
// the same.
//
// Reading goes field by field: blanks (spaces and tabs) at a field's start are skipped; a field that then
// begins with a double quote runs to the next double quote on its line (the quotes are dropped, and
// whatever follows up to the next comma or the line's end is skipped); any other field runs to the first
// comma or the line's end. A comma ends its field and the rest of the line is the next field. A line that
// is empty or holds only blanks reads as the empty string.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace bt {

class RecordReader {
  public:
    // Reads from the given file contents.
    explicit RecordReader(const QByteArray& bytes);

    // Opens a file for input; nothing when it is missing or cannot be read.
    static std::optional<RecordReader> open(const QString& path);

    // The next field; nothing once the end of the file is reached. quoted, when given, tells whether the
    // field was in double quotes.
    std::optional<QString> readField(bool* quoted = nullptr);
    // The next field as a whole number, as a count is read; nothing past the end or when the field is not
    // a whole number.
    std::optional<int> readNumber();

    bool atEnd() const { return pos_ >= text_.size(); }

  private:
    bool atLineEnd() const;
    void skipLineEnd();

    QString text_;
    qsizetype pos_ = 0;
};

// Collects records and writes them as a whole. A file is replaced atomically: the new contents go to a
// temporary file that is renamed over the old one only once it is complete, so a crash or a full disk
// leaves the old file in place.
class RecordWriter {
  public:
    void write(const QString& record) { records_.append(record); }
    // A count as the register stores it: a blank, the digits, a blank (" 3 ").
    void writeNumber(int value);

    // The file's bytes: every record followed by CR LF, in Windows-1252 when every character fits (and the
    // bytes do not begin as the mark does), otherwise UTF-8 behind a byte-order mark.
    QByteArray bytes() const;
    // Creates or replaces the file; false when it could not be written.
    bool commit(const QString& path) const;

  private:
    QStringList records_;
};

}  // namespace bt
