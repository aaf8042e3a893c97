#pragma once
// The values that are truly program-wide, one instance for the whole run, held by the context: the sound
// and read-aloud switches, the worksheet register in memory and the frame of the logo animation. Whole
// numbers start at 0 and texts empty. What one screen hands another is not kept here: it is handed to the
// receiving screen's opener as a value. The register's names use slots 1 to worksheetcount, at most 1000.

#include <QString>
#include <array>

namespace bt {

inline constexpr int kMaxWorksheets = 1000;

struct SharedValues {
    int soundon = 0;    // 1: sounds are played; 0 until the main menu first loads
    int readaloud = 0;  // 1: screens read their texts aloud; off until switched on, then kept for the run

    int worksheetcount = 0;
    std::array<QString, kMaxWorksheets + 1> worksheetnames;

    int logoframe = 0;  // the last frame the logo animation showed, 0 to 19
};

}  // namespace bt
