#pragma once
// The read-aloud service: says texts in a synthetic voice, one after another. Saying returns at once; saying
// again, or stopping, cuts short whatever is being said. Where there is no voice it stays silent.

#include <QList>
#include <QStringList>

namespace bt {

class Speech {
  public:
    virtual ~Speech() = default;
    // True when a voice engine is installed, as far as can be told without making a voice.
    virtual bool available() = 0;
    // Makes the voice ready, so that the first text is said at once; false when no voice can be had (and
    // from then on available() is false too).
    virtual bool prepare() = 0;
    virtual void say(const QStringList& texts) = 0;
    virtual void stop() = 0;
};

// Test double: has a voice unless told otherwise, and remembers every list of texts it was asked to say,
// in order, and how often it was stopped.
class RecordingSpeech final : public Speech {
  public:
    bool available() override { return voice; }
    bool prepare() override { return voice; }
    void say(const QStringList& texts) override { said.append(texts); }
    void stop() override { ++stops; }

    bool voice = true;
    QList<QStringList> said;
    int stops = 0;
};

}  // namespace bt
