#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/EffectParams.h"
#include "engine/PixelBuffer.h"
#include "engine/UserMessages.h"
#include "platform/Canvas.h"
#include "platform/Geometry.h"
#include "platform/LogFont.h"

namespace vortel {

// Point counts of the two distribution curves; program-wide and fixed.
inline constexpr uint8_t NumHorzCurvePoints = 10;
inline constexpr uint8_t NumVertCurvePoints = 10;
// Capacity of the outline subdivision's work arrays.
inline constexpr int32_t MaxSubdividedPoints = 65535;
// A dense guide list in the warp holds one point per tenth of a pixel along its guide. It may
// hold this many points at least, and more on a large image: as many as a guide ten times as long
// as the image's width and height together needs, so every guide that fits on the image passes
// while a runaway one (thousands of points zigzagging across the picture) is still refused.
inline constexpr int64_t MinBoundsPointsCapacity = 0xFFFF;
inline int64_t boundsPointsCapacity(int32_t imageWidth, int32_t imageHeight) {
    const int64_t scaled = 100 * (int64_t(std::max(imageWidth, 0)) + int64_t(std::max(imageHeight, 0)));
    return std::max(MinBoundsPointsCapacity, scaled);
}
// The layout reads at most this many characters; the per-character tables hold 2000 entries.
inline constexpr size_t MaxTextChars = 1998;
inline constexpr size_t RandomTableSize = 2000;
// A guide being drawn holds at most this many points.
inline constexpr int32_t GuideCaptureCapacity = 1000;

// The alternating state of the star and curl fringes: program-wide (one per thread), never reset between renders,
// so a pattern keeps its phase from one render to the next.
struct FringeToggle {
    int32_t total = 0;
    int32_t dir = 1;
    // Advances and returns the factor: 1, 0, -1, 0, 1, ... from a fresh toggle.
    int32_t next() {
        if (total != 0) dir = -dir;
        total += dir;
        return total;
    }
};
FringeToggle& starToggle();
FringeToggle& curlToggle();

// Remembers the bevel switch of the previous full render, program-wide (per thread).
bool& lastBevelEnabled();
// Puts the fringe toggles and the remembered bevel switch back as a fresh process has them, so a
// render gives the picture it gives in a process of its own.
void resetRenderMemory();

struct RenderOptions {
    // Set by the program while the bevel page is shown: the previous picture may stay as the base.
    bool bevelPageActive = false;
    // Set by a caller that only writes the finished picture out (the command line): the last
    // copy from the pixel buffer back onto the canvas is left out where the buffer holds the
    // whole picture. The canvas then does not show the render; pictureBuffer() does.
    bool pictureToBufferOnly = false;
};

// One-level undo of the guide editor and of a few panel changes. Actions: 1 guide replaced, 2 guides
// moved, 3 zoom, 4 point moved, 5 rotation centre moved, 6 rotation, 7 point added, 8 point deleted,
// 9 bevel group, 10 surface colour, 11 gradient colour, 12 the program's own (handled by it).
struct UndoRecord {
    uint8_t action = 0;                   // 0 none
    std::vector<Point> points;            // saved guide points (action 1)
    int32_t value = 0;                    // old colour (actions 10, 11)
    int32_t index = 0;                    // guide, corner, surface or the program's index
    int32_t count = 0;                    // point count, point index, gradient entry or rotation flags
    Point delta;                          // offset to replay, or a saved point
    double factor = 1;                    // zoom factor that reverses the last zoom (action 3)
    BevelParams bevel;                    // saved bevel group with its flag byte (action 9)
};

// Flags of a rotation's undo record (UndoRecord::count of action 6).
inline constexpr int32_t UndoRotateSnap = 1, UndoRotateHandleOnly = 2;

// The drag the guide editor is in, between a begin call and GuideDragEnd.
enum class GuideDragKind : uint8_t { None, Point, Move, Zoom, Center, Outer };

// The engine object: text, font and layout, the outline being processed, the four guides of the
// envelope with their editing state, and the effect parameter groups the renderer reads.
class TFontFX {
public:
    explicit TFontFX(Rect imageRect);
    ~TFontFX();
    TFontFX(const TFontFX&) = delete;

    // Makes this engine a copy of `other`'s whole state, to draw it elsewhere (on another thread):
    // textures and pictures are shared, read only; messages stay with this engine's own recorder,
    // and neither the window's callbacks nor a capture in progress come along. Memory this engine
    // already holds is reused.
    void copyStateFrom(const TFontFX& other);
    // Takes over what `other`, a copy of this engine's state, holds after a render (the warped
    // outline, maps, tables and bounds with everything else). What belongs to the hand here stays:
    // the selection, a drag or capture begun meanwhile, the callbacks and where messages go.
    void adoptRenderFrom(const TFontFX& other);

    // Where messages go; the engine keeps its own recorder until one is set.
    void setMessages(UserMessages* messages) { messages_ = messages ? messages : &ownMessages_; }
    UserMessages& messages() { return *messages_; }
    // What was said while no one else listened (a copy's messages).
    const RecordingMessages& recordedMessages() const { return ownMessages_; }

    // --- outline extraction ---
    bool GetPointsAndTypes(Canvas& dc, bool measureOnly);
    Size DrawTextNormal(Canvas& dc, bool fitFlag, int32_t yOffset, int32_t xOffset);
    void DrawTextNormalInGuideRect(Canvas& dc);
    void SplittePathPoints();
    void UpdateTextDC(Canvas& dc);

    // --- guides and warp ---
    void SetNachbarPoints(int guide);
    void GetMiddleOfGuides();
    bool MakeGuideParallel(int guide, bool mirror);
    bool CalcVortel(int mode = 0);
    bool guidesInInitialState() const;

    // --- guide capture: begin / add point / end replace the old modal mouse loop ---
    bool GetGuideLineBegin(Canvas& canvas, const Rect& rect);
    void GetGuideLineAddPoint(Point mouse);
    bool GetGuideLineEnd();
    bool guideCaptureActive() const { return capture_.active; }

    // --- renderer ---
    void ShowText(Canvas& dc, bool draft);
    // The finished picture of the last ShowText with renderOptions.pictureToBufferOnly, or null
    // when that render ended on the canvas (the fast path, a polygon frame, a draft).
    const TPixelBuffer* pictureBuffer() const { return pictureInBuffer_ ? &workBuffer_.buffer : nullptr; }
    // Begins a path on dc, adds the warped outline with its fringe, closes each figure, ends it.
    void BuildTextPath(Canvas& dc);
    void CreateTextPointer(TPixelBuffer& buffer);
    // The same from the white-on-black text picture still on its canvas.
    void CreateTextPointer(const Canvas& text);
    void UpdateBevelFunc();
    void ZeichneText(TPixelBuffer& buffer);
    // Shadow: the cast shape into a map of the image's size, the coverage map (built only when none
    // is cached) and its blending into the buffer.
    void CastShadow(ByteMap& target, int32_t width, int32_t height);
    void CreateShadowPointer(TPixelBuffer& buffer);
    void ZeichneShadow(TPixelBuffer& buffer);
    // Background frame: the pixel frame into the buffer (FramePixel = 1), the polygon frame on the
    // canvas on top of the finished picture (FramePixel = 0).
    void ZeichneBGFrame(TPixelBuffer& buffer);
    void ZeichneBGFramePolygon(Canvas& dc, int32_t width, int32_t height);
    // The view's test: four two-point guides forming an upright box (horizontal upper and lower
    // guides over each other), no fringe and the letters spread evenly.
    bool isUnwarped() const;
    // Both distribution curves as a new engine has them: the letters spread evenly.
    bool evenCurves() const;
    RenderOptions renderOptions;

    // --- setters for the panels: each marks exactly the caches its value feeds ---
    void releaseTextMask();          // text, font, guides or outline changed
    void releaseShadowMask();        // a shadow value changed
    void setFillKind(int surface, uint8_t kind);
    void setFillColor(int surface, ColorRef color);
    void setGradient(int surface, int32_t style, int32_t angle, int32_t repeat, const std::vector<ColorRef>& colors);
    void setTexture(int surface, std::shared_ptr<Bitmap> texture, const std::string& name);
    void setImprint(bool on, std::shared_ptr<Bitmap> bitmap, const std::string& name);
    void invertImprint();
    void setBevelEnabled(bool on);
    void setBevelValues(int32_t height, int32_t size, int32_t addPixel, int32_t angle);
    void setBevelProfile(const std::array<BevelPoint, 11>& points, uint8_t segmentCount);
    void setFringe(uint8_t kind, int32_t outlineStep, int32_t x, int32_t y, int32_t seed);
    void setSmoothFont(bool on);
    // Blur, angle, size and the offsets shape the shadow map; colour and intensity only re-blend.
    void setShadow(const ShadowParams& shadow);
    void setFrame(const FrameParams& frame);

    // ===================================== guide editing and undo =====================================
    // Mouse positions are image pixels. The drags take the image rectangle in the caller's coordinates
    // instead and read their positions relative to its top-left corner, as the guide capture does.

    // Picks the guide nearest to the mouse (a digital walk over every segment); selected when nearer
    // than `threshold`, then drawn highlighted. Sets InsertAfterPoint to the nearest segment.
    bool SelectGuide(Canvas& canvas, int mode, int32_t threshold, Point mouse);
    // Selects a guide point within 10 pixels, searching the selected guide first.
    bool SelectGuidePoint(Point mouse);
    // The handle within 10 pixels of the mouse: 0..3 the corners clockwise from top-left,
    // 4 RotationCenter, 5 RotationHandle; -1 for none.
    int IsMouseNaheEckpunkt(Point mouse) const;
    // Inserts a point after InsertAfterPoint of the selected guide (never after its last point).
    bool AddGuidePoint(Point mouse);
    // Deletes the selected point unless it is the first or last of its guide.
    bool DeleteSelectedGuidePoint();
    // Keeps points 0, 2, 4, ... and the last one of the selected guide (3 points or more).
    bool DecreaseGuidePoints();
    // Keeps only the first and last point of the selected guide.
    bool StraightenGuide();
    // Draws the guides and, by mode, their handles onto the canvas (0 move, 1 edit points, 3 redraw
    // the highlighted guide). A repeated code of 100 or more draws nothing.
    void ShowGuide(Canvas& canvas, int mode, int32_t guideCode);

    // Drags: one begin call on the button press, GuideDragMove for every mouse move, GuideDragEnd on
    // the release. While dragging only dragPreview() changes (segments in image pixels that the view
    // draws over the picture); the end applies the change and records its undo when the total offset
    // is not zero. GuideDragEnd returns, for a move of guides, whether the mouse moved at all, and for
    // every other drag whether something changed (after a zoom: update the resize handles).
    bool MoveGuideLinePointBegin(const Rect& rect, Point mouse);
    bool MoveGuideLineBegin(const Rect& rect, Point mouse, bool shift, bool ctrl);
    bool ZoomGuideLineBegin(const Rect& rect, Point mouse, int corner);
    bool AngleCenterGuideLineBegin(const Rect& rect, Point mouse);
    bool AngleOuterGuideLineBegin(const Rect& rect, Point mouse, bool shift, bool ctrl);
    void GuideDragMove(Point mouse);
    bool GuideDragEnd();
    GuideDragKind guideDrag() const { return drag_.kind; }
    const std::vector<std::pair<Point, Point>>& dragPreview() const { return dragPreview_; }

    // Replay forms, applied by the drags' end and by undo without a mouse.
    // Moves SelectedGuide (all guides when none) by the offset; its neighbours turn about their far ends.
    void MoveGuideLine(Point offset);
    // Scales the guides about the corner opposite `corner` and the size-like effect values with them;
    // false, and nothing changed, for a factor that is not a positive number.
    bool ZoomGuideLine(int corner, double factor);
    void AngleCenterGuideLine(Point offset);
    // Moves RotationHandle and turns the guides about RotationCenter by the angle it swept.
    void AngleOuterGuideLine(Point offset, bool snap, bool handleOnly);

    void SetUndoRecord(uint8_t action, int32_t index, int32_t count = 0, int32_t value = 0, Point delta = {});
    bool UndoLastAction();
    // Set by the program: the undo of action 12 with the index it recorded (the random generator's
    // previous seed), and the refresh after the undo of a bevel group (9) or a gradient colour (11).
    std::function<void(int32_t index)> MainWindowUndo;
    std::function<void(uint8_t action)> UndoRefresh;
    // ===================================================================================================

    // --- per-character random tables of the last layout ---
    const std::vector<int32_t>& tiltTable() const { return tiltTable_; }
    const std::vector<int32_t>& raiseTable() const { return raiseTable_; }

    // Geometry fields.
    std::vector<Point> OutlinePoints;
    std::vector<uint8_t> OutlineTypes;
    int32_t NumOutlinePoints = 0;
    std::array<std::vector<Point>, 4> GuidePoints;
    std::array<uint16_t, 4> NumGuidePoints{2, 2, 2, 2};
    int16_t SelectedGuide = 0;
    int32_t SelectedPoint = -1;
    int32_t SelectedPointGuide = -1;
    int32_t InsertAfterPoint = 0;
    std::array<Point, 4> GuideMiddle{};
    Point RotationCenter;
    Point RotationHandle;
    std::vector<Point> HorzCurve;
    std::vector<Point> VertCurve;
    Size TextExtent;
    std::string Text = "Vortel";          // UTF-8; lines separated by CR LF
    int32_t LineCount = 1;
    uint16_t TextFormat = 0x0811;
    LogFont Font;
    int32_t HochTiefAmount = 0;
    int32_t HochTiefSeed = 0;
    int32_t KippAmount = 0;
    int32_t KippSeed = 0;
    int32_t CharSpacing = 0;
    int32_t LineSpacing = 0;
    Rect ImageRect;
    UndoRecord Undo;
    Rect WarpedBounds;

    // Effect parameter groups.
    FillRecord BackFill;
    FillRecord TextFill;
    ShadowParams Shadow;
    BevelParams Bevel;
    FringeParams Fringe;                  // Fringe.OutlineStep is the subdivision step
    uint8_t SmoothFont = 1;
    FrameParams Frame;
    ImprintParams Imprint;
    GuideParams Guide;
    int32_t GuideStyle = 0;
    PrintLayout Print;
    uint8_t Modified = 0;

    // Render caches: byte maps one byte a pixel, rows bottom-up, row length = image width.
    ByteMap TextMask;   // 0 outside; else distance from the edge (255 = inside, not yet worked out)
    ByteMap NormalMap;  // edge normal direction, 0..255 for a full turn (bevel only)
    ByteMap ShadowMask;
    Rect ShadowBounds;               // marked shadow pixels widened by the blur, rows from the bottom
    Rect MaskBounds;                 // WarpedBounds as the text mask was built with them
    int32_t MaxDistance = 0;
    bool BevelChanged = true;
    std::array<int16_t, 256> SlopeTable{};
    std::array<uint8_t, 256> DistColorMode{};
    std::array<uint8_t, 256> DistSegment{};
    int32_t BevelWidth = 0;          // L of the last profile table: distances below it are bevel

private:
    // Member by member; only copyStateFrom, which mends what must not be shared.
    TFontFX& operator=(const TFontFX&) = default;
    void buildRandomTables(size_t characters);
    void placeInitialGuides(bool measureOnly);
    void drawLine(Canvas& dc, const ShapedLine& line, int32_t x, int32_t y, size_t& letterIndex);
    Point keepInkInside(Canvas& dc, const Rect& guides, int32_t yOffset, int32_t xOffset);
    void resizeGuide(int guide, size_t count, const char* what);
    void buildNormals(const ByteMap& tangent);
    void fillSegment(int segment, int64_t off, int64_t a, int32_t height, bool flat);
    void paintTextImage(Canvas& text);
    void drawDraft(Canvas& dc);
    void smoothEdges(TPixelBuffer& buffer) const;
    template <class RowReader>
    void createTextPointer(int32_t w, int32_t h, RowReader&& rowReader);
    bool shadowDrawsText() const;

    // The pixel buffer of the full render, kept between renders so its memory is sized once.
    // Never copied with the state: whoever renders a copy sizes its own.
    struct ScratchPixels {
        TPixelBuffer buffer;
        ScratchPixels() = default;
        ScratchPixels(const ScratchPixels&) {}
        ScratchPixels& operator=(const ScratchPixels&) { return *this; }
    };
    ScratchPixels workBuffer_;
    bool pictureInBuffer_ = false;

    struct Capture {
        bool active = false;
        Canvas* canvas = nullptr;
        Rect rect;
        int32_t index = 0;
        uint16_t oldCount = 0;
        Point oldFirst, oldSecond;
    };

    // The drag between its begin call and GuideDragEnd; positions relative to the image.
    struct Drag {
        GuideDragKind kind = GuideDragKind::None;
        Rect rect;
        Point start;
        Point offset;                     // total offset so far
        bool shift = false, ctrl = false;
        int corner = 0;                   // zoom corner
        int32_t moves = 0;                // mouse moves handled
        int guide = 0, point = 0;         // the dragged point
        Point oldPoint, before, after;    // the dragged point and its neighbours along the frame
    };
    void startDrag(GuideDragKind kind, const Rect& rect, Point mouse, bool clampToImage);
    Point relativeMouse(Point mouse, bool clampToImage) const;
    void updateDragPreview();
    double zoomFactor(int corner, Point offset) const;
    Point guideCorner(int corner) const;
    bool guidesUsable() const;
    void guidesEdited();                  // guides changed: the warped text and its maps go

    Drag drag_;
    std::vector<std::pair<Point, Point>> dragPreview_;
    int32_t lastGuideCode_ = INT32_MIN;

    RecordingMessages ownMessages_;
    UserMessages* messages_ = &ownMessages_;
    std::vector<int32_t> tiltTable_, raiseTable_;
    Capture capture_;
};

// Warped outline bounds before any point exists: left/top at the largest integer, right/bottom 0.
Rect emptyBounds();

}  // namespace vortel
