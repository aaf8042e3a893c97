#pragma once
// Opening a teacher page (introduction, acknowledgments, a topic's key facts or teacher's notes) on the
// teacher screen, as the menu and the topic pages do.

#include <QString>

namespace bt {

struct Context;

struct TeacherPage {
    // The page's file name, the same in the wmf folder (what the screen shows) and in wmf2 (what it
    // prints): "key parts.wmf".
    QString file;
    // The acknowledgments: the publisher's logo shows, with its animation, on the page's own background.
    bool logo = false;
};

void openTeacherPage(Context& context, const TeacherPage& page);

}  // namespace bt
