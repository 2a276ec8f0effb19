#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
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
// Capacity of a dense guide list in the warp.
inline constexpr int64_t MaxBoundsPoints = 0xFFFF;
// The layout reads at most this many characters; the per-character tables hold 2000 entries.
inline constexpr size_t MaxTextChars = 1998;
inline constexpr size_t RandomTableSize = 2000;
// A guide being drawn holds at most this many points.
inline constexpr int32_t GuideCaptureCapacity = 1000;

// The alternating state of the star and curl fringes: program-wide, never reset between renders,
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

// Remembers the bevel switch of the previous full render, program-wide.
bool& lastBevelEnabled();

struct RenderOptions {
    // Set by the program while the bevel page is shown: the previous picture may stay as the base.
    bool bevelPageActive = false;
};

// One-level undo of the guide editor.
struct UndoRecord {
    uint8_t action = 0;                   // 0 none
    std::vector<Point> points;            // saved guide points (action 1)
    int32_t value = 0;
    int32_t index = 0;                    // guide index
    int32_t count = 0;                    // saved point count
    Point delta;
};

// The engine object: text, font and layout, the outline being processed, the four guides of the
// envelope with their editing state, and the effect parameter groups the renderer reads.
class TFontFX {
public:
    explicit TFontFX(Rect imageRect);
    ~TFontFX();
    TFontFX(const TFontFX&) = delete;
    TFontFX& operator=(const TFontFX&) = delete;

    // Where messages go; the engine keeps its own recorder until one is set.
    void setMessages(UserMessages* messages) { messages_ = messages ? messages : &ownMessages_; }
    UserMessages& messages() { return *messages_; }

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
    // Begins a path on dc, adds the warped outline with its fringe, closes each figure, ends it.
    void BuildTextPath(Canvas& dc);
    void CreateTextPointer(TPixelBuffer& buffer);
    void UpdateBevelFunc();
    void ZeichneText(TPixelBuffer& buffer);
    // Shadow: the cast shape into a map of the image's size, the coverage map (built only when none
    // is cached) and its blending into the buffer.
    void CastShadow(std::vector<uint8_t>& target, int32_t width, int32_t height);
    void CreateShadowPointer(TPixelBuffer& buffer);
    void ZeichneShadow(TPixelBuffer& buffer);
    // Background frame: the pixel frame into the buffer (FramePixel = 1), the polygon frame on the
    // canvas on top of the finished picture (FramePixel = 0).
    void ZeichneBGFrame(TPixelBuffer& buffer);
    void ZeichneBGFramePolygon(Canvas& dc, int32_t width, int32_t height);
    // The view's test: four two-point guides forming an upright box (horizontal upper and lower
    // guides over each other), and no fringe.
    bool isUnwarped() const;
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

    // --- undo (the guide-replacing action) ---
    void SetUndoRecord(uint8_t action, int32_t index);
    bool UndoLastAction();

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
    std::vector<uint8_t> TextMask;   // 0 outside; else distance from the edge (255 = inside, not yet worked out)
    std::vector<uint8_t> NormalMap;  // edge normal direction, 0..255 for a full turn (bevel only)
    std::vector<uint8_t> ShadowMask;
    Rect ShadowBounds;               // marked shadow pixels widened by the blur, rows from the bottom
    int32_t MaxDistance = 0;
    bool BevelChanged = true;
    std::array<int16_t, 256> SlopeTable{};
    std::array<uint8_t, 256> DistColorMode{};
    std::array<uint8_t, 256> DistSegment{};
    int32_t BevelWidth = 0;          // L of the last profile table: distances below it are bevel

private:
    void buildRandomTables(size_t characters);
    void placeInitialGuides(bool measureOnly);
    void drawLine(Canvas& dc, std::u32string_view line, int32_t x, int32_t y, size_t& charIndex, bool kerning);
    void resizeGuide(int guide, size_t count, const char* what);
    void buildNormals(const std::vector<uint8_t>& tangent);
    void fillSegment(int segment, int64_t off, int64_t a, int32_t height, bool flat);
    void paintTextImage(Canvas& text);
    void drawDraft(Canvas& dc);
    void smoothEdges(TPixelBuffer& buffer) const;
    bool shadowDrawsText() const;

    struct Capture {
        bool active = false;
        Canvas* canvas = nullptr;
        Rect rect;
        int32_t index = 0;
        uint16_t oldCount = 0;
        Point oldFirst, oldSecond;
    };

    RecordingMessages ownMessages_;
    UserMessages* messages_ = &ownMessages_;
    std::vector<int32_t> tiltTable_, raiseTable_;
    Capture capture_;
};

// Warped outline bounds before any point exists: left/top at the largest integer, right/bottom 0.
Rect emptyBounds();

}  // namespace vortel
