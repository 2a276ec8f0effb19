#include <algorithm>
#include <cerrno>
#include <new>
#include <utility>

#include "engine/FontFX.h"
#include "engine/Helpers.h"

namespace vortel {

void TFontFX::SetUndoRecord(uint8_t action, int32_t index, int32_t count, int32_t value, Point delta) {
    // An unknown action leaves nothing to undo: an older record must not be replayed either.
    if (action < 1 || action > 12 || (action == 1 && (index < 0 || index > 3))) {
        Undo = UndoRecord{};
        if (action < 1 || action > 12) messages().diagnostic("Intern: SetUndoRecord not defined", action);
        return;
    }
    std::vector<Point> points;
    if (action == 1) {
        try {
            const size_t n = std::min<size_t>(NumGuidePoints[index], GuidePoints[index].size());
            points.assign(GuidePoints[index].begin(), GuidePoints[index].begin() + n);
        } catch (const std::bad_alloc&) {
            raiseSystemError("Zu wenig Speicher Undo.Points", errno);
        }
        count = static_cast<int32_t>(points.size());
    }
    Undo.action = action;
    Undo.points = std::move(points);
    Undo.index = index;
    Undo.count = count;
    Undo.value = value;
    Undo.delta = delta;
    Undo.factor = 1;
    if (action == 9) Undo.bevel = Bevel;
}

// Every action either swaps the saved state with the current one or replays the reverse change and
// turns the record round, so a second undo redoes the first.
bool TFontFX::UndoLastAction() {
    UndoRecord& u = Undo;
    switch (u.action) {
        case 0:
            return false;
        case 1: {
            const int g = u.index;
            if (g < 0 || g > 3 || u.points.size() != size_t(u.count)) return false;
            const size_t n = std::min<size_t>(NumGuidePoints[g], GuidePoints[g].size());
            std::vector<Point> current(GuidePoints[g].begin(), GuidePoints[g].begin() + n);
            GuidePoints[g] = std::move(u.points);
            NumGuidePoints[g] = static_cast<uint16_t>(u.count);
            u.count = static_cast<int32_t>(current.size());
            u.points = std::move(current);
            SetNachbarPoints(g);
            guidesEdited();
            return true;
        }
        case 2:
            SelectedGuide = static_cast<int16_t>(u.index);
            MoveGuideLine(u.delta);
            u.delta = negatePoint(u.delta);
            return true;
        case 3:
            if (!ZoomGuideLine(u.index, u.factor)) return false;
            u.factor = 1 / u.factor;
            u.delta = negatePoint(u.delta);
            return true;
        case 4: {
            const int g = u.index, p = u.count;
            if (g < 0 || g > 3 || p < 0 || p >= NumGuidePoints[g] || size_t(p) >= GuidePoints[g].size()) return false;
            std::swap(GuidePoints[g][p], u.delta);
            SetNachbarPoints(g);
            guidesEdited();
            return true;
        }
        case 5:
            AngleCenterGuideLine(u.delta);
            u.delta = negatePoint(u.delta);
            return true;
        case 6:
            AngleOuterGuideLine(u.delta, (u.count & UndoRotateSnap) != 0, (u.count & UndoRotateHandleOnly) != 0);
            u.delta = negatePoint(u.delta);
            return true;
        case 7:
            // Deleting records action 8, so undoing again puts the point back. Putting the mouse
            // cursor back where it was is the program's part: the engine has no cursor.
            SelectedPointGuide = u.index;
            SelectedPoint = u.count;
            return DeleteSelectedGuidePoint();
        case 8:
            // Re-inserting records action 7; the program restores the cursor here too.
            if (u.index < 0 || u.index > 3) return false;
            SelectedGuide = static_cast<int16_t>(u.index);
            InsertAfterPoint = u.count - 1;
            return AddGuidePoint(u.delta);
        case 9: {
            const bool maskChanges = Bevel.BevelAddPixel != u.bevel.BevelAddPixel;
            std::swap(Bevel, u.bevel);
            if (maskChanges) releaseTextMask();
            BevelChanged = true;
            Modified = 1;
            if (UndoRefresh) UndoRefresh(9);
            return true;
        }
        case 10: {
            if (u.index != 0 && u.index != 1) return false;
            ColorRef& color = (u.index == 0 ? BackFill : TextFill).FillColor;
            const ColorRef old = static_cast<ColorRef>(u.value);
            u.value = static_cast<int32_t>(color);
            color = old;
            Modified = 1;
            return true;
        }
        case 11: {
            FillRecord& fill = u.index == 0 ? BackFill : TextFill;
            if ((u.index != 0 && u.index != 1) || u.count < 0 || size_t(u.count) >= fill.GradientColors.size())
                return false;
            ColorRef& color = fill.GradientColors[u.count];
            const ColorRef old = static_cast<ColorRef>(u.value);
            u.value = static_cast<int32_t>(color);
            color = old;
            Modified = 1;
            if (UndoRefresh) UndoRefresh(11);
            return true;
        }
        case 12: {
            if (!MainWindowUndo) return false;
            // The handler may record a new undo action itself; the record is not touched afterwards.
            const int32_t index = u.index;
            MainWindowUndo(index);
            return true;
        }
        default:
            messages().diagnostic("Undo not defined", u.action);
            return false;
    }
}

}  // namespace vortel
