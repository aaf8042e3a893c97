// Brambleton: primary science activities for pupils, and worksheets and teacher pages for their teachers.

#include "run.h"

int main(int argc, char* argv[]) {
    return bt::runBrambleton(argc, argv);
}
