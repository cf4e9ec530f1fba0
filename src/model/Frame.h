// The border of a view: which sides are drawn, the shared colour, style and
// width, a drop shadow, and one line object per side that may differ.
#pragma once

#include "model/Persistent.h"
#include "model/Sets.h"
#include "platform/SystemColors.h"

namespace orv {

enum TfrxFrameType { ftLeft, ftRight, ftTop, ftBottom };
using TfrxFrameTypes = TSet<TfrxFrameType>;
enum TfrxFrameStyle { fsSolid, fsDash, fsDot, fsDashDot, fsDashDotDot, fsDouble, fsAltDot, fsSquare };

class TEnumInfo;
const TEnumInfo& FrameTypeEnum();
const TEnumInfo& FrameStyleEnum();

inline constexpr TfrxFrameTypes AllFrameSides{ftLeft, ftRight, ftTop, ftBottom};

class TfrxFrame;

class TfrxFrameLine : public TPersistent {
public:
    explicit TfrxFrameLine(TfrxFrame& frame) : FFrame(frame) {}
    TfrxFrameLine(const TfrxFrameLine&) = delete;
    TfrxFrameLine& operator=(const TfrxFrameLine&) = delete;

    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    TfrxFrame& Frame() const { return FFrame; }
    void Assign(const TfrxFrameLine& source);

    TColor Color = 0;
    TfrxFrameStyle Style = fsSolid;
    long double Width = 1;

private:
    TfrxFrame& FFrame;
};

class TfrxFrame : public TPersistent {
public:
    TfrxFrame() = default;
    TfrxFrame(const TfrxFrame&) = delete;
    TfrxFrame& operator=(const TfrxFrame&) = delete;

    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    // Setting the frame's colour, style or width sets it on all four lines too;
    // a line keeps a value of its own only when set after the frame's.
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TfrxFrameStyle Style() const { return FStyle; }
    void SetStyle(TfrxFrameStyle value);
    long double Width() const { return FWidth; }
    void SetWidth(long double value);

    void Assign(const TfrxFrame& source);

    TfrxFrameTypes Typ;
    bool DropShadow = false;
    TColor ShadowColor = 0;
    long double ShadowWidth = 4;
    TfrxFrameLine LeftLine{*this};
    TfrxFrameLine TopLine{*this};
    TfrxFrameLine RightLine{*this};
    TfrxFrameLine BottomLine{*this};

private:
    template <class F>
    void ForEachLine(F f)
    {
        f(LeftLine);
        f(TopLine);
        f(RightLine);
        f(BottomLine);
    }

    TColor FColor = 0;
    TfrxFrameStyle FStyle = fsSolid;
    long double FWidth = 1;
};

} // namespace orv
