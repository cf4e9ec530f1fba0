// The views that stand on bands: the view base with frame, fill, hyperlink
// and data binding; stretchable views; text memos; lines; shapes; pictures;
// sub-report frames.
#pragma once

#include "data/DataSet.h"
#include "model/Component.h"
#include "model/Fill.h"
#include "model/Frame.h"
#include "model/Highlight.h"
#include "model/Hyperlink.h"
#include "model/Picture.h"
#include "model/WideStrings.h"
#include "script/Value.h"

#include <string>

namespace orv {

class TfrxReportPage;
class TfrxStyleItem;

enum TfrxAlign { baNone, baLeft, baRight, baCenter, baWidth, baBottom, baClient };
enum TfrxShiftMode { smDontShift, smAlways, smWhenOverlapped };
enum TfrxStretchMode { smDontStretch, smActualHeight, smMaxHeight };
enum TfrxVisibilityType { vsPreview, vsExport, vsPrint };
using TfrxVisibilityTypes = TSet<TfrxVisibilityType>;
enum TfrxHAlign { haLeft, haRight, haCenter, haBlock };
enum TfrxVAlign { vaTop, vaBottom, vaCenter };
enum TfrxShapeKind { skRectangle, skRoundRectangle, skEllipse, skTriangle, skDiamond, skDiagonal1, skDiagonal2 };

inline constexpr TfrxVisibilityTypes AllVisibility{vsPreview, vsExport, vsPrint};

class TfrxView : public TfrxReportComponent {
public:
    explicit TfrxView(TComponent* AOwner) : TfrxReportComponent(AOwner) {}
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    TfrxComponentFlags ComponentFlags() const override { return {cfInOutput, cfPlainView}; }

    TfrxCustomFill& Fill() const { return FillSlot.Fill(); }
    TfrxFillType FillType() const { return FillSlot.FillType(); }
    void SetFillType(TfrxFillType type) { FillSlot.SetFillType(type); }
    TColor Color() const { return FillSlot.Color(); }
    void SetColor(TColor value) { FillSlot.SetColor(value); }
    TBrushStyle BrushStyle() const { return FillSlot.BrushStyle(); }
    void SetBrushStyle(TBrushStyle value) { FillSlot.SetBrushStyle(value); }
    // Whether vsPrint is among Visibility.
    bool Printable() const { return Visibility.Has(vsPrint); }
    void SetPrintable(bool value) { Visibility.Set(vsPrint, value); }

    // Binding: setting the dataset also takes its user name; setting a name
    // looks the dataset up; the name read is the dataset's while one is set.
    TfrxDataSet* DataSet() const { return FDataSet.DataSet(); }
    void SetDataSet(TfrxDataSet* value) { FDataSet.SetDataSet(value); }
    std::string DataSetName() const { return FDataSet.Name(); }
    void SetDataSetName(const std::string& value) { FDataSet.SetName(this, value); }

    TfrxFrame Frame;
    TfrxFillSlot FillSlot;
    TfrxHyperlink Hyperlink;
    TfrxAlign Align = baNone;
    TfrxShiftMode ShiftMode = smAlways;
    TfrxVisibilityTypes Visibility = AllVisibility;
    int GroupIndex = 0;
    int Cursor = 0;
    std::string Hint;
    bool ShowHint = false;
    std::string DataField;
    std::string TagStr;
    std::string URL;
    std::string OnAfterData;
    std::string OnAfterPrint;
    std::string OnBeforePrint;
    std::string OnMouseEnter;
    std::string OnMouseLeave;
    std::string OnMouseDown;
    std::string OnMouseMove;
    std::string OnMouseUp;
    std::string OnPreviewClick;
    std::string OnPreviewDblClick;

private:
    TfrxDataSetBinding FDataSet;
};

class TfrxStretcheable : public TfrxView {
public:
    using TfrxView::TfrxView;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    // The height the content needs; the plain view keeps its own.
    virtual long double CalcHeight() { return Height(); }

    TfrxStretchMode StretchMode = smDontStretch;
};

class TfrxCustomMemoView : public TfrxStretcheable {
public:
    explicit TfrxCustomMemoView(TComponent* AOwner);
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    TfrxComponentFlags ComponentFlags() const override { return {cfInOutput, cfOwnNestedElements}; }

    // The lines joined, each followed by CR LF.
    std::u16string Text() const { return Memo.Text(); }
    void SetText(std::u16string_view text) { Memo.SetText(text); }
    // The text in the system code page.
    std::string AnsiText() const;
    void SetAnsiText(std::string_view text);

    // The first format and highlight, made on first use.
    TfrxFormat& DisplayFormat();
    TfrxHighlight& Highlight();

    const std::string& Style() const { return FStyle; }
    // Stores the name and, inside a report that has a style of that name,
    // takes over its font, fill and frame as the style says.
    void SetStyle(const std::string& value);
    void ApplyStyle(const TfrxStyleItem& style);

    TWideStrings Memo;
    TfrxFormatCollection Formats;
    TfrxHighlightCollection Highlights;
    bool AllowExpressions = true;
    bool AllowHTMLTags = false;
    bool AutoWidth = false;
    long double CharSpacing = 0;
    bool Clipped = true;
    std::string ExpressionDelimiters = "[,]";
    TComponentLink<TfrxCustomMemoView> FlowTo;
    long double GapX = 2;
    long double GapY = 1;
    TfrxHAlign HAlign = haLeft;
    bool HideZeros = false;
    long double LineSpacing = 2;
    long double ParagraphGap = 0;
    int Rotation = 0;
    bool RTLReading = false;
    bool SuppressRepeated = false;
    bool Underlines = false;
    bool UseDefaultCharset = false;
    bool WordBreak = false;
    bool WordWrap = true;
    bool Wysiwyg = true;
    TfrxVAlign VAlign = vaTop;
    bool FirstParaBreak = false;
    bool LastParaBreak = false;
    // The last value computed for the memo.
    orv::Value Value;

private:
    std::string FStyle;
};

class TfrxMemoView : public TfrxCustomMemoView {
public:
    using TfrxCustomMemoView::TfrxCustomMemoView;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
};

// A memo for system texts (page numbers, dates, aggregates).
class TfrxSysMemoView : public TfrxCustomMemoView {
public:
    using TfrxCustomMemoView::TfrxCustomMemoView;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
};

class TfrxCustomLineView : public TfrxStretcheable {
public:
    explicit TfrxCustomLineView(TComponent* AOwner);
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    TfrxComponentFlags ComponentFlags() const override { return {cfInOutput}; }

    bool Diagonal = false;
    bool ArrowStart = false;
    bool ArrowEnd = false;
    bool ArrowSolid = false;
    int ArrowLength = 20;
    int ArrowWidth = 5;
};

class TfrxLineView : public TfrxCustomLineView {
public:
    using TfrxCustomLineView::TfrxCustomLineView;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
};

class TfrxShapeView : public TfrxView {
public:
    using TfrxView::TfrxView;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    TfrxComponentFlags ComponentFlags() const override { return {cfInOutput}; }

    TfrxShapeKind Shape = skRectangle;
    int Curve = 0;
};

class TfrxPictureView : public TfrxView {
public:
    explicit TfrxPictureView(TComponent* AOwner) : TfrxView(AOwner) {}
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    TfrxComponentFlags ComponentFlags() const override { return {cfInOutput}; }

    TPicture Picture;
    bool AutoSize = false;
    bool Center = false;
    std::string FileLink;
    int ImageIndex = 0;
    bool KeepAspectRatio = true;
    bool Stretched = true;
    bool HightQuality = false;
    bool Transparent = false;
    TColor TransparentColor = 16777215;
    // Whether the picture travels with the template, and whether ImageIndex does.
    bool IsPictureStored = true;
    bool IsImageIndexStored = false;
};

// A frame on a band that prints another report page in its place.
class TfrxSubreport : public TfrxView {
public:
    explicit TfrxSubreport(TComponent* AOwner);
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    TfrxComponentFlags ComponentFlags() const override { return {cfPlainView}; }

    TfrxReportPage* SubreportPage() const;
    void SetSubreportPage(TfrxReportPage* page);

    bool PrintOnParent = false;

private:
    TComponentLink<TfrxReportPage> FPage;
};

const TEnumInfo& AlignEnum();

} // namespace orv
