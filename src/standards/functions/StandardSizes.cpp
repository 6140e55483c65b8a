// Standard-size files and the choice of a size within tolerances.
#include "standards/functions/StandardSizes.h"

#include <memory>

#include "platform/core/ArrayText.h"
#include "platform/core/NumberText.h"
#include "platform/core/Rounding.h"
#include "platform/core/Sorting.h"
#include "platform/core/TextHelpers.h"
#include "standards/functions/DataFileCache.h"
#include "standards/functions/KeptTextFileParses.h"

namespace {

// A side that has no candidate lies this far away.
constexpr double kNoCandidateDistance = 999999999;

double leadingNumber(const Tvx_String& text) {
    return numtext::parseLeadingDouble(text.str());
}

std::shared_ptr<const StandardSizes> parseStandardSizes(const Tvx_StringArray& lines) {
    auto sizes = std::make_shared<StandardSizes>();
    for (const Tvx_String& line : lines) {
        const Tvx_String text = stripSymbols(removeLineComment(removeComments(line)), L" \t");
        if (text.isEmpty())
            continue;
        Tvx_String first;
        Tvx_String second;
        StandardSize size;
        if (splitStringAtSymbol(text, L'x', first, second, true)) {
            size.first = leadingNumber(first);
            size.second = leadingNumber(second);
        } else {
            size.first = leadingNumber(text);
        }
        sizes->append(size);
    }
    return sizes;
}

KeptTextFileParses<StandardSizes>& keptStandardSizes() {
    static KeptTextFileParses<StandardSizes> kept(&parseStandardSizes);
    return kept;
}

}  // namespace

std::shared_ptr<const StandardSizes> readStandardSizes(const Tvx_String& path) {
    DataFileCache* cache = DataFileCache::active();
    if (cache) {
        if (auto kept = cache->find<StandardSizes>(path, DataFileReading::StandardSizes))
            return kept;
    }
    std::shared_ptr<const StandardSizes> sizes = keptStandardSizes().get(path);
    if (cache && sizes)
        cache->keep(path, DataFileReading::StandardSizes, sizes);
    return sizes;
}

Tvx_DoubleArray standardSizeCandidates(StandardSizeKind kind, const StandardSizes& sizes,
                                       double thickness) {
    Tvx_DoubleArray candidates;
    for (const StandardSize& size : sizes) {
        switch (kind) {
            case StandardSizeKind::Size:
                candidates.append(size.first);
                break;
            case StandardSizeKind::Thickness:
                candidates.append(size.second);
                break;
            case StandardSizeKind::Width:
                if (size.second == 0 || size.second == thickness)
                    candidates.append(size.first);
                break;
        }
    }
    if (kind == StandardSizeKind::Width)
        ObjectExportSort(candidates);
    return candidates;
}

bool pickStandardValue(const Tvx_DoubleArray& candidates, double target, double down, double up,
                       double& value) {
    const double low = target - down;
    const double high = target + up;
    int above = -1;
    int below = -1;
    double aboveDistance = kNoCandidateDistance;
    double belowDistance = kNoCandidateDistance;
    for (int i = 0; i < candidates.length(); ++i) {
        const double distance = candidates[i] - target;
        if (distance > 0 && (above < 0 || distance < aboveDistance)) {
            above = i;
            aboveDistance = distance;
        } else if (distance <= 0 && (below < 0 || -distance < belowDistance)) {
            below = i;
            belowDistance = -distance;
        }
    }
    const auto acceptAbove = [&] {
        return above >= 0 && up >= aboveDistance && low <= candidates[above];
    };
    const auto acceptBelow = [&] {
        return below >= 0 && down >= belowDistance && high >= candidates[below];
    };
    const bool aboveFirst = belowDistance > aboveDistance;
    if (aboveFirst ? acceptAbove() : acceptBelow()) {
        value = candidates[aboveFirst ? above : below];
        return true;
    }
    if (aboveFirst ? acceptBelow() : acceptAbove()) {
        value = candidates[aboveFirst ? below : above];
        return true;
    }
    return false;
}

double roundedFallback(double target, double step, double up, double down) {
    const double low = target - down;
    const double high = target + up;
    double clamped = target;
    if (high < clamped)
        clamped = high;
    if (low > clamped)
        clamped = low;
    const double roundedUp = ObjectExportRoundUp(clamped, step, up);
    double roundedDown = ObjectExportRoundTo(clamped, step);
    if (clamped < roundedDown)
        roundedDown -= step;
    const double upDistance = roundedUp - target;
    const double downDistance = target - roundedDown;
    const bool upAccepted = up >= upDistance && high >= roundedUp;
    const bool downAccepted = down >= downDistance && low <= roundedDown;
    if (downDistance > upDistance) {
        if (upAccepted)
            return roundedUp;
        if (downAccepted)
            return roundedDown;
        return clamped;
    }
    if (downAccepted)
        return roundedDown;
    if (upAccepted)
        return roundedUp;
    return clamped;
}

double standardValueWithTolerance(const Tvx_DoubleArray& candidates, double step, double target,
                                  double down, double up) {
    double value = 0;
    if (pickStandardValue(candidates, target, down, up, value))
        return value;
    return roundedFallback(target, step, up, down);
}
