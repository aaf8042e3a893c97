#pragma once
// Worksheet files and the worksheet register.
//
// A worksheet is the file "multiple\<title>.txt": 72 records: the title, a spare record, then for each of
// the ten questions its text, answers A to D, the correct answer's digit "1" (A) to "4" (D) and a spare
// " ". The digit is stored as it is.
//
// Texts are stored as earlier versions stored them wherever that reads back the same: with every "," written
// as "&" and read back with every "&" as ",". A text that would not read back so (one that holds an "&" or
// begins with a blank or a double quote) is written in double quotes, which keep it as it is, and the spare
// record after the title is then "2" to say so. Where the spare is anything else (in earlier versions'
// files, and in files that need no quotes, whose bytes are as earlier versions wrote them) a quoted text
// reads as earlier versions read it, with "&" as ",". A text that holds a line break (CR or LF) or a broken
// character (an unpaired surrogate), or would need quotes and holds a double quote, cannot be stored.
//
// The register "multiple\track.txt" lists teacher worksheets in the order they were added: a count
// (" 3 "), then one title per record. It holds at most 1000 names; titles are compared exactly, letter
// case included. A title that holds a comma or begins with a blank is written in double quotes, which the
// reader drops, so it reads back whole.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "shared_state.h"

namespace bt {

class ContentPaths;
class RecordReader;

inline constexpr int kQuestions = 10;

struct Question {
    QString text;
    std::array<QString, 4> answers;  // A to D
    int correct = 1;                 // the right answer, 1 (A) to 4 (D)
    bool operator==(const Question&) const = default;
};

// A worksheet: its title and its ten questions, question q at index q - 1.
struct Worksheet {
    QString title;
    std::array<Question, kQuestions> questions;
    bool operator==(const Worksheet&) const = default;
};

// True when a worksheet file can hold the text and read it back exactly.
bool textFitsFile(const QString& text);

// The file's records, in order, as the writer stores them (a text that does not fit is written as well as
// the format allows).
QStringList worksheetRecords(const Worksheet& worksheet);

// Creates or replaces the worksheet file; false when it could not be written or holds a text that does not
// fit the file (nothing is then written).
bool writeWorksheet(const QString& path, const Worksheet& worksheet);

// Reads a worksheet from an open file; nothing when the file is short or a correct-answer record is not
// "1" to "4".
std::optional<Worksheet> readworksheet(RecordReader& file1);

// Opens the worksheet file at that path and reads it as above; nothing when it is missing or damaged.
std::optional<Worksheet> readWorksheetFile(const QString& path);

// The register's file and a worksheet's file in the worksheet folder. A worksheet file is named with the
// title exactly as typed.
QString registerPath(const ContentPaths& paths);
QString worksheetPath(const ContentPaths& paths, const QString& title);

// What is wrong with a title as the name of a worksheet file and a register entry, as a sentence that says
// what to change; empty when the title can be used.
QString titleProblem(const QString& title);

// Reads the register into worksheetcount and worksheetnames. Reading stops at the first record that fails
// and keeps what was read: worksheetcount then counts only the names actually read. A missing or unreadable
// register leaves worksheetcount as it was. False when anything failed.
bool readRegister(const QString& path, SharedValues& shared);
// The same from an open file.
bool readRegister(RecordReader& file1, SharedValues& shared);
// The register's records for the names in memory, as a change writes them.
QStringList registerRecords(const SharedValues& shared);

// A change to the register holds its lock file ("track.txt.lock") from reading it to writing it back, so
// that copies of the program sharing the folder never lose each other's changes; a lock left by a copy
// that died is taken over.
//
// True when the names in memory hold one equal to the title (letter case included).
bool isRegistered(const SharedValues& shared, const QString& title);

// Adds the title to the register unless an equal name is there. The in-memory worksheetcount keeps the
// count that was read. False when the register is missing or unreadable (memory is then as it was),
// already holds 1000 names, or cannot be rewritten; the register is then unchanged.
bool trackworksheets(const QString& path, const QString& title, SharedValues& shared);

// Removes the last register entry equal to the name and closes the gap, in the file and in memory. The
// worksheet file itself stays. False when the register is missing or unreadable (memory is then as it was)
// or cannot be rewritten.
bool delworksheet(const QString& path, const QString& name, SharedValues& shared);

}  // namespace bt
