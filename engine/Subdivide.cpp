#include <cerrno>
#include <cstdlib>
#include <new>

#include "engine/FontFX.h"
#include "platform/LineDDA.h"

namespace vortel {

namespace {

// Gathers the walked positions of the outline, keeping one point about every `minStep` tenths
// of a pixel (Manhattan distance) and always the first point of a segment, so corners survive.
struct Collector {
    std::vector<Point>& points;
    std::vector<uint8_t>& types;
    int64_t minStep;
    int64_t writeIndex = 0;   // counts every point the walk would keep, stored or not
    int32_t segmentCounter = 0;
    Point reference{-1000, -1000};
    uint8_t type = PT_MOVETO;
    bool full = false;        // once a point was refused, nothing more is stored

    void add(int32_t x, int32_t y) {
        const int64_t distance = std::llabs(int64_t(x) - reference.x) + std::llabs(int64_t(y) - reference.y);
        if (distance < minStep && segmentCounter > 0)
            --writeIndex;
        else
            reference = Point{x, y};
        if (writeIndex < MaxSubdividedPoints && !full) {
            points[writeIndex] = Point{x, y};
            types[writeIndex] = type;
        } else {
            full = true;
        }
        ++segmentCounter;
        ++writeIndex;
    }
    void markLastClosing() {
        const int64_t last = writeIndex - 1;
        if (last >= 0 && last < MaxSubdividedPoints && !full) types[last] = PT_LINETO | PT_CLOSEFIGURE;
    }
};

}  // namespace

void TFontFX::SplittePathPoints() {
    std::vector<Point> work;
    std::vector<uint8_t> workTypes;
    try {
        work.assign(MaxSubdividedPoints, Point{});
        workTypes.assign(MaxSubdividedPoints, 0);
    } catch (const std::bad_alloc&) {
        raiseSystemError("Zu wenig Speicher SplittePathPoints", errno);
    }
    Collector c{work, workTypes, int64_t(Fringe.OutlineStep) * 10};
    auto walk = [&c](Point from, Point to) { lineDDA(from.x, from.y, to.x, to.y, [&c](int32_t x, int32_t y) { c.add(x, y); }); };

    Point figureStart{};
    for (int32_t i = 0; i < NumOutlinePoints; ++i) {
        const Point p = OutlinePoints[i];
        const uint8_t t = OutlineTypes[i];
        if (t >= 2 && t <= 5) {
            c.type = PT_LINETO;
            c.segmentCounter = 0;
            if (i > 0) walk(OutlinePoints[i - 1], p);
            if (t & PT_CLOSEFIGURE) {
                c.reference = Point{-1000, -1000};
                walk(p, figureStart);
                c.markLastClosing();
            }
        } else if (t == PT_MOVETO) {
            c.type = PT_MOVETO;
            c.segmentCounter = 0;
            figureStart = p;
            walk(p, Point{p.x + 1, p.y});
        } else {
            messages().diagnostic("AddPath ss", i);
        }
    }

    if (c.writeIndex > MaxSubdividedPoints)
        messages().diagnostic(
            VORTEL_TEXT("Messages", "Der Text besteht aus zuvielen Punkten. Kürzen Sie den Text oder ändern Sie den Umriß"),
            c.writeIndex);
    const int32_t count = static_cast<int32_t>(std::min<int64_t>(c.writeIndex, MaxSubdividedPoints));
    work.resize(count);
    workTypes.resize(count);
    OutlinePoints = std::move(work);
    OutlineTypes = std::move(workTypes);
    NumOutlinePoints = count;
}

}  // namespace vortel
