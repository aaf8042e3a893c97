#include "result_words.h"

#include <cmath>

#include "numtext.h"

namespace bt {

ResultWords resultWords(int score, int outof) {
    const QString scored = QStringLiteral("You have scored") + numText(score) + QStringLiteral(" out of") +
                           numText(outof) + QLatin1Char('.');
    const QString hint =
        QStringLiteral("Click the button above to check which questions you answered incorrectly.");
    const QString review = QStringLiteral("Check Wrong Answers");
    if (score == outof)
        return {ResultWords::Kind::Perfect, QStringLiteral("Excellent work. ") + scored, QString(),
                QStringLiteral("Print Certificate")};
    if (score == outof - 1 || score == outof - 2)
        return {ResultWords::Kind::Close, QStringLiteral("Good work. ") + scored, hint, review};
    if (score < outof - 2) return {ResultWords::Kind::Other, scored, hint, review};
    return {ResultWords::Kind::Design, QString(), QString(), QString()};
}

int drawIndex(double r, int n) {
    const int k = static_cast<int>(std::floor(r * n));
    return k < 0 ? 0 : (k >= n ? n - 1 : k);
}

const QStringList& resultPictures() {
    static const QStringList pictures{
        QStringLiteral("images\\comma.jpg"),    QStringLiteral("images\\elephantsm.jpg"),
        QStringLiteral("images\\gatekeep.jpg"), QStringLiteral("images\\peacock.jpg"),
        QStringLiteral("images\\painted.jpg"),  QStringLiteral("images\\redadmir.jpg"),
        QStringLiteral("images\\redad2.jpg"),   QStringLiteral("images\\tortois.jpg"),
        QStringLiteral("images\\white.jpg"),
    };
    return pictures;
}

QString resultPicture(double r) {
    return resultPictures().at(drawIndex(r, int(resultPictures().size())));
}

QStringList resultSounds(int score) {
    switch (score) {
        case 10:
            return {QStringLiteral("wav\\fanf2.wav"), QStringLiteral("wav\\fanf3.wav")};
        case 9:
            return {QStringLiteral("wav\\crowd.wav"), QStringLiteral("wav\\cheer2.wav"),
                    QStringLiteral("wav\\klaxon.wav")};
        case 8:
            return {QStringLiteral("wav\\flute.wav"), QStringLiteral("wav\\gong.wav"),
                    QStringLiteral("wav\\clap2.wav")};
        case 7:
            return {QStringLiteral("wav\\drumroll.wav"), QStringLiteral("wav\\laser2.wav"),
                    QStringLiteral("wav\\whizz.wav")};
        case 6:
            return {QStringLiteral("wav\\clap3.wav"), QStringLiteral("wav\\clown.wav")};
        default:
            return {};
    }
}

QString resultSound(int score, double r) {
    const QStringList row = resultSounds(score);
    return row.isEmpty() ? QString() : row.at(drawIndex(r, int(row.size())));
}

}  // namespace bt
