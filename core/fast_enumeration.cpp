#include "draw_enumeration.h"

namespace lorvex {

void enumerateDrawsFast(const SystemTable& system, int blockSize, PatternList& patterns,
                        ProgressObserver& observer) {
    enumerateDrawsReference(system, blockSize, patterns, observer);
}

}  // namespace lorvex
