#pragma once
// The values that screens hand to each other, one instance for the whole run, held by the context.
// Whole numbers start at 0 and texts empty. The question arrays use slots 1 to 10 (slot 0 is never used);
// the register's names use slots 1 to worksheetcount, at most 1000.

#include <QString>
#include <array>

namespace bt {

inline constexpr int kQuestions = 10;
inline constexpr int kMaxWorksheets = 1000;

struct SharedValues {
    int soundon = 0;    // 1: sounds are played; 0 until the main menu first loads
    int score = 0;      // correct answers or items in the last activity
    int outof = 0;      // what the last activity is marked out of
    QString certtitle;  // the quiz heading when the last quiz was marked
    QString worktitle;  // title of the worksheet read last

    std::array<QString, kQuestions + 1> questtext;
    std::array<QString, kQuestions + 1> answera;
    std::array<QString, kQuestions + 1> answerb;
    std::array<QString, kQuestions + 1> answerc;
    std::array<QString, kQuestions + 1> answerd;
    std::array<QString, kQuestions + 1> correctanswer;  // "1" (A) to "4" (D)
    std::array<int, kQuestions + 1> marks{};            // 1 right, 0 wrong or unanswered
    int questnum = 0;                                   // 1 to 10; 11 while marking

    int worksheetcount = 0;
    std::array<QString, kMaxWorksheets + 1> worksheetnames;

    int guidepage = 0;    // 1 to 10
    int catalogpage = 0;  // counted from 0
    QString deletename;
    int logoframe = 0;
};

}  // namespace bt
