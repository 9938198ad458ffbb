#include "worksheet/steppause.h"

bool pauseHasEnded(double start, double now) {
    // Half a second as a fraction of a day, worked out at every reading.
    return now - start >= 0.05 / 8640;
}
