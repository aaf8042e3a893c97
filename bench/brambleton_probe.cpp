// The program exactly as main() starts it, reporting the title screen's first paint.

#include "brambleton.h"
#include "run.h"
#include "screens.h"
#include "startup_probe.h"

int main(int argc, char* argv[]) {
    return bt::runBrambleton(argc, argv, [](bt::Brambleton& program) {
        new bt::bench::FirstPaintProbe(program.screens().loaded(bt::screen::kTitle));
    });
}
