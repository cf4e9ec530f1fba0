// The pages of a report: report pages with their paper, margins, columns
// and back picture; the data page that holds dialog datasets; dialog pages,
// kept so that templates holding them load.
#pragma once

#include "data/DataSet.h"
#include "model/Component.h"
#include "model/Frame.h"
#include "platform/StringList.h"

#include <memory>
#include <string>

namespace orv {

class TfrxPictureView;
class TPicture;

enum TPrinterOrientation { poPortrait, poLandscape };
enum TfrxDuplexMode { dmNone, dmVertical, dmHorizontal, dmSimplex };

class TfrxPage : public TfrxComponent {
public:
    using TfrxComponent::TfrxComponent;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
};

class TfrxReportPage : public TfrxPage {
public:
    explicit TfrxReportPage(TComponent* AOwner);
    ~TfrxReportPage() override;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    std::string NameStem() const override { return "Page"; }

    // Turning the page exchanges width and height and turns the margins.
    TPrinterOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TPrinterOrientation value);
    // Setting a width or height (rounded to 8 decimals) makes the paper custom.
    long double PaperWidth() const { return FPaperWidth; }
    void SetPaperWidth(long double value);
    long double PaperHeight() const { return FPaperHeight; }
    void SetPaperHeight(long double value);
    // A code of the paper table sets the size for the current orientation;
    // other codes keep the size.
    int PaperSize() const { return FPaperSize; }
    void SetPaperSize(int value);
    // Divides the printable width into equal columns and lists their edges.
    int Columns() const { return FColumns; }
    void SetColumns(int value);
    // Values below 1 are ignored.
    int PageCount() const { return FPageCount; }
    void SetPageCount(int value);
    // Width and Height := the paper size in pixels, rounded.
    void UpdatePixelSize();
    // Before a run: sizes the bands to the printable area (or the page
    // column) and aligns the views of the page and of each band; the page
    // keeps its whole paper size afterwards.
    void AlignChildren() override;

    TfrxPictureView& BackPictureView() const { return *FBackPicture; }
    TPicture& BackPicture() const;

    TfrxDataSet* DataSet() const { return FDataSet.DataSet(); }
    void SetDataSet(TfrxDataSet* value) { FDataSet.SetDataSet(value); }
    std::string DataSetName() const { return FDataSet.Name(); }
    void SetDataSetName(const std::string& value) { FDataSet.SetName(this, value); }

    long double LeftMargin = 0;
    long double RightMargin = 0;
    long double TopMargin = 0;
    long double BottomMargin = 0;
    bool MirrorMargins = false;
    long double ColumnWidth = 0;
    TStringList ColumnPositions;
    int Bin = 7;
    int BinOtherPages = 7;
    bool BackPictureVisible = true;
    bool BackPicturePrintable = true;
    TColor Color = 536870911;
    TfrxDuplexMode Duplex = dmNone;
    TfrxFrame Frame;
    bool EndlessHeight = false;
    bool EndlessWidth = false;
    bool LargeDesignHeight = false;
    bool PrintOnPreviousPage = false;
    bool ResetPageNumbers = false;
    std::string OutlineText;
    bool PrintIfEmpty = true;
    bool TitleBeforeHeader = true;
    TStringList HGuides;
    TStringList VGuides;
    std::string OnAfterPrint;
    std::string OnBeforePrint;
    std::string OnManualBuild;

protected:
    // Stores a paper size without touching the paper code, then resizes.
    void SetPaperDimensions(long double width, long double height);

private:
    TPrinterOrientation FOrientation = poPortrait;
    long double FPaperWidth = 210;
    long double FPaperHeight = 297;
    int FPaperSize = 9;
    int FColumns = 0;
    int FPageCount = 1;
    std::unique_ptr<TfrxPictureView> FBackPicture;
    TfrxDataSetBinding FDataSet;
};

// Holds the non-visual components of dialogs, datasets among them.
class TfrxDataPage : public TfrxPage {
public:
    explicit TfrxDataPage(TComponent* AOwner);
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
};

// A dialog form shown before the report runs; this system never shows one.
class TfrxDialogPage : public TfrxPage {
public:
    using TfrxPage::TfrxPage;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    std::string Caption;
};

} // namespace orv
