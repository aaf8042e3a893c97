#pragma once
// What the wizard holds, the checks it runs before saving, and the catalogue's pages.

#include <QString>
#include <QStringList>
#include <array>

#include "shared_state.h"
#include "worksheet_files.h"

namespace bt {

class ContentPaths;

// The wizard's boxes: the title, ten questions, forty answers (4q + j for answer j of question q + 1) and
// forty tick boxes in the same order.
struct WizardContent {
    QString title;
    std::array<QString, kQuestions> questions;
    std::array<QString, 4 * kQuestions> answers;
    std::array<bool, 4 * kQuestions> ticks{};
};

// The first thing wrong with the worksheet, as the message the teacher sees; empty when it can be saved.
// In order: an empty title, a title that cannot name a worksheet file, then question by question an empty
// question or answer, no tick, more than one tick. Only an empty box counts as empty: blanks fill it.
QString checkWorksheet(const WizardContent& content);

// The worksheet the boxes hold; each question's ticked answer is its only tick.
Worksheet worksheetOf(const WizardContent& content);

// The boxes filled from a worksheet.
WizardContent contentOf(const Worksheet& worksheet);

// Changes what a worksheet file cannot hold into the nearest it can, in the boxes the teacher sees: a line
// break becomes a blank, a broken character (an unpaired surrogate) goes, and the double quotes of a text
// that must be stored in quotes become curly ones. Returns the message naming the first question changed;
// empty when nothing needed changing. The title is titleProblem()'s.
QString fitToFile(WizardContent& content);

// The question to ask before saving under this title, when a worksheet of that title is there already (its
// file, or its name in the register); empty when there is none. A topic's own quiz is named as such.
QString replaceQuestion(const ContentPaths& paths, const SharedValues& shared, const QString& title);

inline const QString kSaveProblem = QStringLiteral("There was a problem saving your worksheet");
inline const QString kSaved = QStringLiteral("Your worksheet has been saved.");

// Writes the worksheet file, then enters the title in the register, and reads both back. Returns the
// message to show: kSaved, or kSaveProblem when the file or the register could not be written or does not
// read back as saved (a file written before a register failure stays).
QString saveWorksheet(const ContentPaths& paths, SharedValues& shared, const WizardContent& content);

// One page of the catalogue: page p (from 0) shows register entries 24p + 1 to 24p + 24.
struct CatalogPage {
    static constexpr int kSlots = 24;
    // Enough pages for every name the register can hold: 42 pages for 1000 names.
    static constexpr int kLastPage = (kMaxWorksheets - 1) / kSlots;
    QStringList names;  // at most 24
    bool previous = false;
    bool next = false;
    QString caption;  // "Page 3"
};
CatalogPage catalogPage(const SharedValues& shared, int page);

}  // namespace bt
