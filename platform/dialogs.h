#pragma once
// Modal message boxes with the product name "Brambleton" as caption: a message with an OK button, a
// confirmation with OK and Cancel, and a question with Yes and No.

#include <QList>
#include <QString>

namespace bt {

inline const QString kProductName = QStringLiteral("Brambleton");

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Shows the text with an OK button and returns when it is dismissed.
    virtual void message(const QString& text) = 0;
    // Shows the text with OK and Cancel; true when OK was chosen.
    virtual bool confirm(const QString& text) = 0;
    // Shows the text with Yes and No (No the default); true when Yes was chosen.
    virtual bool ask(const QString& text) = 0;
};

// Test double: records every box shown and answers confirmations and questions from one script (OK or
// Yes = true). With nothing left in the script the answer is Cancel or No.
class ScriptedDialogs final : public Dialogs {
  public:
    enum class Kind { Message, Confirm, Ask };
    struct Shown {
        Kind kind;
        QString text;
    };

    void message(const QString& text) override { shown.append({Kind::Message, text}); }
    bool confirm(const QString& text) override {
        shown.append({Kind::Confirm, text});
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    bool ask(const QString& text) override {
        shown.append({Kind::Ask, text});
        return answers.isEmpty() ? false : answers.takeFirst();
    }

    QStringList texts() const {
        QStringList out;
        for (const Shown& s : shown) out.append(s.text);
        return out;
    }

    QList<Shown> shown;
    QList<bool> answers;
};

}  // namespace bt
