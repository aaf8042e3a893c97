#include "context.h"

namespace bt {

void playSound(Context& context, const QString& relativePath) {
    if (context.shared.soundon == 1 && context.sound) context.sound->play(relativePath);
}

}  // namespace bt
