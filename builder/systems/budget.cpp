#include "builder/systems/budget.h"

#include "builder/design/bounds.h"
#include "builder/systems/mending_parts.h"

namespace lorvex::builder {

BuiltSystem buildWithinRows(const BuildRequest& request, std::size_t rowsAtMost,
                            const BuildOptions& options) {
    const Deadline deadline = options.deadline;
    const DesignShape shape = reducedShape(request);
    BuiltSystem built;
    built.lowerBound = lowerBound(shape);
    std::vector<Block> start;
    if (built.lowerBound <= rowsAtMost) {
        // Half the time for the smallest system; when it fits, nothing more is needed.
        BuildOptions half = options;
        half.deadline = deadline.share(2);
        built = buildSystem(request, half);
        if (built.rows.size() <= rowsAtMost) return built;
        for (const Row row : built.rows) start.push_back(reducedRow(request, row));
    }
    const std::vector<Block> blocks =
        fewestMissed(shape, rowsAtMost, start, {}, searchLimits(options, deadline, 0));
    built.rows.clear();
    for (const Block block : blocks) built.rows.push_back(requestRow(request, block));
    built.proof = verifyRows(request.numbers, numbersOf(built.rows), keyMask(request),
                             request.drawn, request.guarantee);
    return built;
}

}  // namespace lorvex::builder
