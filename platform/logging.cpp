#include "logging.h"

Q_LOGGING_CATEGORY(lcBrambleton, "brambleton")
