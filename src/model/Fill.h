// The background of a view, band, highlight or style: a brush, a gradient
// or a glass fill, and the slot that holds one and switches between kinds.
#pragma once

#include "model/Persistent.h"
#include "platform/SystemColors.h"

#include <memory>

namespace orv {

enum TfrxFillType { ftBrush, ftGradient, ftGlass };
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
enum TfrxGradientStyle { gsHorizontal, gsVertical, gsElliptic, gsRectangle, gsVertCenter, gsHorizCenter };
enum TfrxFillOrientation { foVertical, foHorizontal, foVerticalMirror, foHorizontalMirror };

class TEnumInfo;
const TEnumInfo& FillTypeEnum();
const TEnumInfo& BrushStyleEnum();
const TEnumInfo& GradientStyleEnum();

class TfrxCustomFill : public TPersistent {
public:
    static const TClassInfo& StaticClass();
    virtual TfrxFillType FillType() const = 0;
    virtual std::unique_ptr<TfrxCustomFill> Clone() const = 0;
};

class TfrxBrushFill : public TfrxCustomFill {
public:
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    TfrxFillType FillType() const override { return ftBrush; }
    std::unique_ptr<TfrxCustomFill> Clone() const override { return std::make_unique<TfrxBrushFill>(*this); }

    TColor BackColor = 536870911;
    TColor ForeColor = 0;
    TBrushStyle Style = bsSolid;
};

class TfrxGradientFill : public TfrxCustomFill {
public:
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    TfrxFillType FillType() const override { return ftGradient; }
    std::unique_ptr<TfrxCustomFill> Clone() const override { return std::make_unique<TfrxGradientFill>(*this); }
    // Per channel: start + (end - start) * 127 / 255, rounded.
    TColor MiddleColor() const;

    TColor StartColor = 16777215;
    TColor EndColor = 0;
    TfrxGradientStyle GradientStyle = gsHorizontal;
};

class TfrxGlassFill : public TfrxCustomFill {
public:
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    TfrxFillType FillType() const override { return ftGlass; }
    std::unique_ptr<TfrxCustomFill> Clone() const override { return std::make_unique<TfrxGlassFill>(*this); }

    TColor Color = 8421504;
    double Blend = 0.5;
    bool Hatch = false;
    TfrxFillOrientation Orientation = foHorizontal;
};

// A fill of the given kind with its initial values.
std::unique_ptr<TfrxCustomFill> CreateFill(TfrxFillType type);

// Holds the fill of its owner (initially a brush fill) and the pseudo
// properties over it: FillType, Color and BrushStyle.
class TfrxFillSlot {
public:
    TfrxFillSlot() : FFill(CreateFill(ftBrush)) {}
    TfrxFillSlot(const TfrxFillSlot&) = delete;
    TfrxFillSlot& operator=(const TfrxFillSlot&) = delete;

    TfrxCustomFill& Fill() const { return *FFill; }
    TfrxFillType FillType() const { return FFill->FillType(); }
    // A different type replaces the fill by a new one with initial values.
    void SetFillType(TfrxFillType type);
    // Brush: its back colour; gradient: the middle colour; glass: transparent.
    TColor Color() const;
    // Sets the back colour of a brush fill; other fills are left alone.
    void SetColor(TColor value);
    TBrushStyle BrushStyle() const;
    void SetBrushStyle(TBrushStyle value);
    // Makes this fill a copy of the other, kind included.
    void Assign(const TfrxFillSlot& source) { FFill = source.FFill->Clone(); }

private:
    std::unique_ptr<TfrxCustomFill> FFill;
};

} // namespace orv
