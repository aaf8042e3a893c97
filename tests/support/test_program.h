#pragma once
// A whole program for one test: its own copy of the content in a temporary folder, recording sound, scripted
// dialogs, a recording printer and an end-of-program callback that only counts. Screens are found by name
// ("Welldone") and their controls by control name and index ("Label3", 1), and driven with the pointer and
// the keys, as a pupil or a teacher drives them.

#include <QTemporaryDir>
#include <memory>

#include "brambleton.h"
#include "label_button.h"
#include "printer.h"
#include "test_files.h"

namespace bt::test {

// The screens, by the names they go by.
inline const QString kTitle = QStringLiteral("Titlefrm");
inline const QString kMenu = QStringLiteral("intro0");
inline const QString kQuiz = QStringLiteral("multiple");
inline const QString kResults = QStringLiteral("Welldone");
inline const QString kWrong = QStringLiteral("Wrong");
inline const QString kWizard = QStringLiteral("wizard");
inline const QString kCatalogue = QStringLiteral("worksheets");
inline const QString kTeacher = QStringLiteral("teacher");
inline const QString kGuide = QStringLiteral("guide");

inline const QString kClick = QStringLiteral("wav\\click.wav");

QString sourceContent();

// A worksheet file as the wizard writes it: question q (1 to 10) reads "What is question q about?" with the
// answers "Answer A" to "Answer D", the right one (q - 1) % 4 + 1 (A, B, C, D, A, ...).
QByteArray testSheet(const QString& title);
inline int rightAnswer(int q) {
    return (q - 1) % 4 + 1;
}
inline int wrongAnswer(int q) {
    return rightAnswer(q) % 4 + 1;
}

class TestProgram {
  public:
    // Copies the shipped content; with withRegister false the register file is left out.
    explicit TestProgram(bool withRegister = true);
    ~TestProgram();

    // Shows the backdrop with the title screen and waits until the window is on screen.
    bool start();
    // Starts, then clicks "OK" on the title screen; true when the menu is on top.
    bool startAtMenu();

    // Writes a register of these names, each with a test sheet (unless withFiles is false).
    bool addWorksheets(const QStringList& titles, bool withFiles = true);
    // From the menu, "Worksheet Catalogue", then the name in slot `slot` of its first page.
    bool openFromCatalogue(int slot = 1);
    // Answers the ten questions of the quiz on top: rightly, except the questions listed, answered wrongly
    // (or, with blank, left blank).
    bool answerQuiz(const QList<int>& wrong = {}, bool blank = false);
    // From the start: prints the worksheet of a quiz, its certificate for "Amy Jones" and a teacher page.
    bool printThreeJobs();

    Brambleton& program() { return *program_; }
    Context& context() { return program_->context(); }
    QString folder() const { return dir_.path(); }
    QString worksheets() const { return dir_.path() + QStringLiteral("/multiple"); }

    // The loaded screen of that name; null when it is not loaded.
    QWidget* screen(const QString& name) const;
    // The name of the screen on top; empty when none is shown.
    QString top() const;

    // A control of a loaded screen by control name and, for control arrays, index; null when missing.
    template <class T = QWidget>
    T* find(const QString& on, const QString& name, int index = -1) const {
        if (QWidget* s = screen(on))
            for (T* c : s->findChildren<T*>(name))
                if (index < 0 || c->property("index").toInt() == index) return c;
        return nullptr;
    }
    // Clicks a control as a pupil does (an option button or tick box at its indicator) and lets deferred
    // work run; false when the control is missing or not shown.
    bool click(const QString& on, const QString& name, int index = -1);
    // A label's text or a button's caption; the text of a box.
    QString text(const QString& on, const QString& name, int index = -1) const;
    bool shown(const QString& on, const QString& name, int index = -1) const;

    RecordingSound sound;
    RecordingSpeech speech;
    ScriptedDialogs dialogs;
    // Every print job's operations, in order; set printer.failAt to make the printer fail.
    RecordingPrinter printer;
    int printJobs = 0;
    int ended = 0;

  private:
    QTemporaryDir dir_;
    std::unique_ptr<Brambleton> program_;
};

// A test class of whole programs: each test function gets a fresh one in t_.
class ProgramTest : public QObject {
    Q_OBJECT
  protected:
    std::unique_ptr<TestProgram> t_;
  private Q_SLOTS:
    void init() { t_ = std::make_unique<TestProgram>(); }
    void cleanup() { t_.reset(); }
};

// Moves the pointer to a point of a widget (its centre by default), as a real pointer would.
void pointAt(QWidget* widget, QPoint at = QPoint(-1, -1));

// Lets pending deferred deletions happen, as the event loop would after a handler returns.
void settle();

}  // namespace bt::test
