#include "wizard.h"

#include <QKeyEvent>

#include "colours.h"
#include "context.h"
#include "fonts.h"

namespace bt {

namespace {

constexpr TwipsBox kHeading{240, 60, 5655, 480};
constexpr TwipsBox kTitleLabel{5955, 165, 1545, 300};
constexpr TwipsBox kText1{7560, 120, 4215, 375};
constexpr TwipsBox kExit{10560, 7920, 1245, 495};
constexpr TwipsBox kSave{240, 7920, 3045, 495};

// Question q (0..9): five down the left column, five down the right, one every 1440 twips from top 600.
constexpr int blockLeft(int q) {
    return q < 5 ? 240 : 6120;
}
constexpr int blockTop(int q) {
    return 600 + 1440 * (q % 5);
}
constexpr TwipsBox questionLabel(int q) {
    return {blockLeft(q), blockTop(q), 2400, 240};
}
constexpr TwipsBox questionBoxAt(int q) {
    return {blockLeft(q), blockTop(q) + 240, 5655, 345};
}
// Answer j: A and B on the row 630 below the label, C and D on the row 960 below; each is its letter, its
// tick box and its answer box.
constexpr int answerLeft(int q, int j) {
    return blockLeft(q) + (j % 2) * 2850;
}
constexpr int answerTop(int q, int j) {
    return blockTop(q) + (j < 2 ? 630 : 960);
}
constexpr TwipsBox letterBox(int q, int j) {
    return {answerLeft(q, j), answerTop(q, j) + 15, 240, 270};
}
constexpr TwipsBox tickBoxAt(int q, int j) {
    return {answerLeft(q, j) + 240, answerTop(q, j) + 15, 255, 270};
}
constexpr TwipsBox answerBoxAt(int q, int j) {
    return {answerLeft(q, j) + 510, answerTop(q, j), 2295, 300};
}

constexpr bool layoutOnScreen() {
    for (int q = 0; q < kQuestions; ++q) {
        if (!onScreen(questionLabel(q)) || !onScreen(questionBoxAt(q))) return false;
        for (int j = 0; j < 4; ++j)
            if (!onScreen(letterBox(q, j)) || !onScreen(tickBoxAt(q, j)) || !onScreen(answerBoxAt(q, j)))
                return false;
        if (answerBoxAt(q, 3).top + answerBoxAt(q, 3).height > kSave.top) return false;
        // Each question's answers stay within its own column.
        if (answerBoxAt(q, 3).left + answerBoxAt(q, 3).width > questionBoxAt(q).left + questionBoxAt(q).width)
            return false;
    }
    return onScreen(kHeading) && onScreen(kTitleLabel) && onScreen(kText1) && onScreen(kExit) &&
           onScreen(kSave);
}
static_assert(layoutOnScreen());

constexpr int kExitIndex = 0;
constexpr int kSaveIndex = 1;
constexpr int kTitleLength = 25;
constexpr int kQuestionLength = 60;
constexpr int kAnswerLength = 30;

QLineEdit* textBox(QWidget* parent, const QString& name, int index, const TwipsBox& box, double points,
                   int maxLength) {
    auto* edit = makeControl<QLineEdit>(
        parent, name, box, screenFont(QStringLiteral("Times New Roman"), points), QColor(), index);
    edit->setMaxLength(maxLength);
    return edit;
}

}  // namespace

wizard::wizard(Context& context, QWidget* parent, const Worksheet* editing)
    : Screen(screen::kWizard.text(), parent), context_(context) {
    setAccessibleName(QStringLiteral("Multiple Choice Wizard"));
    const QString tahoma = QStringLiteral("Tahoma");
    addCaption(this, QStringLiteral("Label1"), QStringLiteral("Multiple Choice Wizard"), kHeading,
               screenFont(tahoma, 20.25, true), colours::kYellow, Qt::AlignLeft | Qt::AlignTop);
    addCaption(this, QStringLiteral("Label1"), QStringLiteral("Worksheet Title"), kTitleLabel,
               screenFont(tahoma, 9.75, true), colours::kYellow, Qt::AlignRight | Qt::AlignVCenter);
    text1_ = textBox(this, QStringLiteral("Text1"), 0, kText1, 12, kTitleLength);
    text1_->installEventFilter(this);
    text1_->setAccessibleName(QStringLiteral("Worksheet Title"));

    static const char* const kLetters[] = {"A.", "B.", "C.", "D."};
    for (int q = 0; q < kQuestions; ++q) {
        addCaption(this, QStringLiteral("Label1"),
                   QStringLiteral("Question") + QLatin1Char(' ') + QString::number(q + 1), questionLabel(q),
                   screenFont(tahoma, 9.75, true), colours::kYellow, Qt::AlignLeft | Qt::AlignTop);
        text2_[q] = textBox(this, QStringLiteral("Text2"), q, questionBoxAt(q), 12, kQuestionLength);
        text2_[q]->setAccessibleName(QStringLiteral("Question %1").arg(q + 1));
        text2_[q]->installEventFilter(this);
        for (int j = 0; j < 4; ++j) {
            const int i = 4 * q + j;
            addCaption(this, QStringLiteral("Label1"), QString::fromLatin1(kLetters[j]), letterBox(q, j),
                       screenFont(tahoma, 9.75, true), colours::kYellow, Qt::AlignLeft | Qt::AlignVCenter);
            auto* tick =
                makeControl<QCheckBox>(this, QStringLiteral("Check1"), tickBoxAt(q, j), QFont(), QColor(), i);
            tick->setAccessibleName(
                QStringLiteral("Question %1 answer %2 is correct").arg(q + 1).arg(QChar(u'A' + j)));
            check1_[i] = tick;
            text3_[i] = textBox(this, QStringLiteral("Text3"), i, answerBoxAt(q, j), 9.75, kAnswerLength);
            text3_[i]->setAccessibleName(
                QStringLiteral("Question %1 answer %2").arg(q + 1).arg(QChar(u'A' + j)));
            text3_[i]->installEventFilter(this);
        }
    }
    // The keyboard runs through the title, each question and its answers, then the tick boxes.
    QWidget* previous = text1_;
    for (int q = 0; q < kQuestions; ++q) {
        setTabOrder(previous, text2_[q]);
        previous = text2_[q];
        for (int j = 0; j < 4; ++j) {
            setTabOrder(previous, text3_[4 * q + j]);
            previous = text3_[4 * q + j];
        }
    }
    for (QCheckBox* tick : check1_) {
        setTabOrder(previous, tick);
        previous = tick;
    }

    for (LabelButton* b :
         {addButton(QStringLiteral("Label3"), kExitIndex, QStringLiteral("Exit"), kExit),
          addButton(QStringLiteral("Label3"), kSaveIndex, QStringLiteral("Save Worksheet"), kSave)})
        connect(b, &LabelButton::clicked, this, &wizard::Label3_Click);
    setFocusProxy(text1_);
    if (editing) {
        fill(contentOf(*editing));
        own_ = editing->title;
    }
}

void wizard::load() {
    setupform(this);
    for (QCheckBox* tick : check1_) setBackground(tick, colours::kScreen);
}

void wizard::fill(const WizardContent& c) {
    text1_->setText(c.title);
    for (int q = 0; q < kQuestions; ++q) text2_[q]->setText(c.questions[q]);
    for (int i = 0; i < 4 * kQuestions; ++i) {
        text3_[i]->setText(c.answers[i]);
        if (c.ticks[i]) check1_[i]->setChecked(true);
    }
    // Long texts show from their beginning.
    for (QLineEdit* box : findChildren<QLineEdit*>()) box->setCursorPosition(0);
}

WizardContent wizard::content() const {
    WizardContent c;
    c.title = text1_->text();
    for (int q = 0; q < kQuestions; ++q) c.questions[q] = text2_[q]->text();
    for (int i = 0; i < 4 * kQuestions; ++i) {
        c.answers[i] = text3_[i]->text();
        c.ticks[i] = check1_[i]->isChecked();
    }
    return c;
}

QList<QWidget*> wizard::tabOrder() const {
    QList<QWidget*> order{text1_};
    for (int q = 0; q < kQuestions; ++q) {
        order.append(text2_[q]);
        for (int j = 0; j < 4; ++j) order.append(text3_[4 * q + j]);
    }
    for (QCheckBox* tick : check1_) order.append(tick);
    for (QWidget* w : Screen::tabOrder())
        if (!order.contains(w)) order.append(w);
    return order;
}

bool wizard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return Screen::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    // Enter moves on through the boxes in keyboard order and adds nothing to the text.
    const int index = watched->property("index").toInt();
    if (watched == text1_) {
        text2_[0]->setFocus(Qt::TabFocusReason);
    } else if (watched->objectName() == QLatin1String("Text2")) {
        text3_[4 * index]->setFocus(Qt::TabFocusReason);
    } else if (index % 4 < 3) {
        text3_[index + 1]->setFocus(Qt::TabFocusReason);
    } else if (index < 4 * kQuestions - 1) {
        text2_[(index + 1) / 4]->setFocus(Qt::TabFocusReason);
    }
    return true;
}

void wizard::Label3_Click(int index) {
    if (index == kExitIndex)
        context_.screens->unload(screen::kWizard);
    else
        genwork();
    playSound(context_, kClickSound);
}

void wizard::genwork() {
    WizardContent c = content();
    if (const QString problem = checkWorksheet(c); !problem.isEmpty()) {
        context_.dialogs->message(problem);
        return;
    }
    // What the file cannot keep is changed where the teacher sees it, and nothing is saved this time.
    if (const QString changed = fitToFile(c); !changed.isEmpty()) {
        fill(c);
        context_.dialogs->message(changed);
        return;
    }
    if (c.title != own_) {
        const QString question = replaceQuestion(context_.paths, context_.shared, c.title);
        if (!question.isEmpty() && !context_.dialogs->ask(question)) return;
    }
    const QString said = saveWorksheet(context_.paths, context_.shared, c);
    if (said == kSaved) own_ = c.title;
    context_.dialogs->message(said);
}

void openWizard(Context& context, const Worksheet& worksheet) {
    context.screens->open(screen::kWizard,
                          [&](QWidget* parent) { return new wizard(context, parent, &worksheet); });
}

}  // namespace bt
