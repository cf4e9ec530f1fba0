// Pages and objects of templates laid out for dot-matrix printers: every
// position and size snaps to a grid of character cells, and text uses one
// fixed font whose look a set of printer styles decides.
#pragma once

#include "model/Pages.h"
#include "model/Sets.h"
#include "model/Views.h"

#include <string>

namespace orv {

enum TfrxDMPFontStyle {
    fsxBold, fsxItalic, fsxUnderline, fsxSuperScript, fsxSubScript, fsxCondensed, fsxWide, fsx12cpi, fsx15cpi
};
using TfrxDMPFontStyles = TSet<TfrxDMPFontStyle>;

const TEnumInfo& DMPFontStyleEnum();

// Courier New of size 12, with the bold, italic and underline of the style.
void SetDMPFont(TFont& font, TfrxDMPFontStyles style);

// The printer command text as bytes: "#27#64" lists decimal codes, "1B40"
// hexadecimal pairs (a final unpaired digit is ignored). A number that does
// not convert raises the conversion error.
std::string DMPCommandBytes(const std::string& command);

class TfrxDMPPage : public TfrxReportPage {
public:
    explicit TfrxDMPPage(TComponent* AOwner);
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    TfrxDMPFontStyles FontStyle() const { return FFontStyle; }
    // Also gives the style to every object on the page that shares its font.
    void SetFontStyle(TfrxDMPFontStyles value);

    // The ordinary setters, then the paper snapped to whole cells and rows.
    void SetPaperWidth(long double value);
    void SetPaperHeight(long double value);
    void SetPaperSize(int value);

    // What a new dot-matrix page gets: the printer defaults of any new page,
    // then one cell of margin on every side and the paper cut down to whole
    // cells and rows.
    void SetDefaults();

protected:
    // The fixed font's changes reach nobody.
    void FontChanged() override {}

private:
    TfrxDMPFontStyles FFontStyle;
};

class TfrxDMPMemoView : public TfrxCustomMemoView {
public:
    explicit TfrxDMPMemoView(TComponent* AOwner);
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    std::string NameStem() const override { return "DMPMemo"; }

    TfrxDMPFontStyles FontStyle() const { return FFontStyle; }
    // Clears ParentFont and applies the fixed font and spacing again.
    void SetFontStyle(TfrxDMPFontStyles value);
    // True on a dot-matrix page also takes the page's style.
    void SetDMPParentFont(bool value);
    // Takes a style that the page hands down, keeping ParentFont.
    void TakeStyle(TfrxDMPFontStyles value);

    void SetLeft(long double value) override;
    void SetTop(long double value) override;
    void SetWidth(long double value) override;
    void SetHeight(long double value) override;

    // Only the dot-matrix text export reads it.
    bool TruncOutboundText = false;

protected:
    void FontChanged() override {}

private:
    void ApplyStyle();

    TfrxDMPFontStyles FFontStyle;
};

class TfrxDMPLineView : public TfrxCustomLineView {
public:
    explicit TfrxDMPLineView(TComponent* AOwner);
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    std::string NameStem() const override { return "DMPLine"; }

    TfrxDMPFontStyles FontStyle() const { return FFontStyle; }
    void SetFontStyle(TfrxDMPFontStyles value);
    void SetDMPParentFont(bool value);
    void TakeStyle(TfrxDMPFontStyles value) { FFontStyle = value; }

    // Lines sit in the middle of character cells.
    void SetLeft(long double value) override;
    void SetTop(long double value) override;
    void SetWidth(long double value) override;

protected:
    void FontChanged() override {}

private:
    TfrxDMPFontStyles FFontStyle;
};

// A printer command placed on the grid, sent as it is by the text export.
class TfrxDMPCommand : public TfrxView {
public:
    using TfrxView::TfrxView;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    std::string NameStem() const override { return "DMPCommand"; }

    void SetLeft(long double value) override;
    void SetTop(long double value) override;

    std::string Command;
};

} // namespace orv
