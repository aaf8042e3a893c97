#pragma once
// Modal message boxes with the product name "Brambleton" as caption: a message with an OK button, and a
// confirmation with OK and Cancel.

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
};

// Test double: records every box shown and answers confirmations from a script (OK = true). A confirmation
// with nothing left in the script is answered Cancel.
class ScriptedDialogs final : public Dialogs {
  public:
    enum class Kind { Message, Confirm };
    struct Shown {
        Kind kind;
        QString text;
    };

    void message(const QString& text) override { shown.append({Kind::Message, text}); }
    bool confirm(const QString& text) override {
        shown.append({Kind::Confirm, text});
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
