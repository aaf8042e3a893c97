#pragma once
// Runs the program with the real services until it ends; returns the exit code. afterStart, when given,
// is called once the title screen has been shown and before the event loop starts (the start-up benchmark
// uses it to watch for the first paint).
//
// The program's own command line: --help, --version and --worksheets FOLDER, which keeps teachers'
// worksheets and the register in FOLDER (a shared school folder) instead of the user's data folder. The
// environment variable BRAMBLETON_WORKSHEETS does the same; the option wins. Tools that read their own
// arguments pass CommandLine::Ignored (the environment variable still counts).

#include <functional>

namespace bt {

class Brambleton;

// Gives the program's windows their icon, for the desktop's window list and task bar.
void showBrambletonIcon();

enum class CommandLine { Read, Ignored };

int runBrambleton(int& argc, char** argv, const std::function<void(Brambleton&)>& afterStart = {},
                  CommandLine commandLine = CommandLine::Read);

}  // namespace bt
