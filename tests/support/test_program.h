#pragma once
// A whole program for one test: its own copy of the content in a temporary folder, recording sound, scripted
// dialogs, and an end-of-program callback that only counts.

#include <QTemporaryDir>
#include <memory>

#include "brambleton.h"
#include "label_button.h"
#include "printer.h"

namespace bt::test {

// The repository's content folder.
QString sourceContent();

// Copies a folder tree; false when anything failed.
bool copyTree(const QString& from, const QString& to);

class TestProgram {
  public:
    // Copies the shipped content; with withRegister false the register file is left out.
    explicit TestProgram(bool withRegister = true);
    ~TestProgram();

    // Shows the backdrop with the title screen and waits until the window is on screen.
    bool start();
    // Starts, then clicks "OK" on the title screen, as every visit to the program begins; true when the
    // menu is on top.
    bool startAtMenu();

    Brambleton& program() { return *program_; }
    Context& context() { return program_->context(); }
    SharedValues& shared() { return program_->context().shared; }
    ScreenRegistry& screens() { return *program_->context().screens; }
    QWidget* screen(const QString& name) const;
    QString folder() const { return dir_.path(); }
    QString worksheets() const { return dir_.path() + QStringLiteral("/multiple"); }

    RecordingSound sound;
    ScriptedDialogs dialogs;
    // Every print job's operations, in order; set printer.failAt to make the printer fail.
    RecordingPrinter printer;
    int printJobs = 0;
    int ended = 0;

  private:
    QTemporaryDir dir_;
    std::unique_ptr<Brambleton> program_;
};

// The label of an array on a screen, by control name and index; null when there is none.
LabelButton* labelOf(QWidget* screen, const QString& name, int index);

// Moves the pointer to a point of a widget (its centre by default), as a real pointer would.
void pointAt(QWidget* widget, QPoint at = QPoint(-1, -1));

// Lets pending deferred deletions happen, as the event loop would after a handler returns.
void settle();

}  // namespace bt::test
