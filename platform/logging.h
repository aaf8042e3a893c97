#pragma once
// The program's log category, "brambleton": what the program notes for whoever runs it from a terminal (a
// sound module that would not load, a screen asked for that does not exist). Nothing is logged to a file.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcBrambleton)
