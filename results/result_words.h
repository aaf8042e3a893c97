#pragma once
// What the results screen says, shows and plays for a score: the words by how close the score is to full
// marks, and the random picture and sound draws.

#include <QString>
#include <QStringList>

namespace bt {

struct ResultWords {
    enum class Kind {
        Perfect,  // score = outof: the certificate is offered
        Close,    // one or two short: "Good work."
        Other,    // further off
        Design,   // score above outof: the design texts stay
    };
    Kind kind;
    QString label1;  // the sentence about the score (empty for Design)
    QString label5;  // the hint line (empty where it is not set)
    QString action;  // the action button's caption (empty where it is not set)
};

ResultWords resultWords(int score, int outof);

// A draw: floor(r x n) for r uniform in [0, 1), so each of 0 .. n - 1 is equally likely.
int drawIndex(double r, int n);

// The nine pictures, in draw order.
const QStringList& resultPictures();
QString resultPicture(double r);

// The sounds a score may play, in draw order; empty when the score plays none.
QStringList resultSounds(int score);
// The sound for the score and a draw r; empty when the score plays none.
QString resultSound(int score, double r);

}  // namespace bt
