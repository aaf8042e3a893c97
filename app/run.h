#pragma once
// Runs the program with the real services until it ends; returns the exit code. afterStart, when given,
// is called once the title screen has been shown and before the event loop starts (the start-up benchmark
// uses it to watch for the first paint).

#include <functional>

namespace bt {

class Brambleton;

int runBrambleton(int& argc, char** argv, const std::function<void(Brambleton&)>& afterStart = {});

}  // namespace bt
