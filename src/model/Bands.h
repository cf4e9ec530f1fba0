// The bands of a report page: horizontal strips that hold views and that the
// engine places per report, page, column, group and data record.
#pragma once

#include "data/DataSet.h"
#include "model/Component.h"
#include "model/Fill.h"

#include <string>

namespace orv {

class TfrxChild;

// Gaps around a band's fill, in pixels.
class TfrxFillGaps : public TPersistent {
public:
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    int Top = 0;
    int Left = 0;
    int Bottom = 0;
    int Right = 0;
};

class TfrxBand : public TfrxReportComponent {
public:
    using TfrxReportComponent::TfrxReportComponent;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    TfrxFillSlot FillSlot;
    TfrxFillGaps FillGap;
    bool Vertical = false;
    std::string OnAfterCalcHeight;
    std::string OnAfterPrint;
    std::string OnBeforePrint;

    // Settings that several kinds of band publish (each kind its own subset).
    bool AllowSplit = false;
    TComponentLink<TfrxChild> Child;
    bool KeepChild = false;
    bool KeepTogether = false;
    std::string OutlineText;
    bool PrintChildIfInvisible = false;
    bool ReprintOnNewPage = false;
    bool StartNewPage = false;
    bool Stretched = false;
};

class TfrxDataBand : public TfrxBand {
public:
    using TfrxBand::TfrxBand;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    TfrxDataSet* DataSet() const { return FDataSet.DataSet(); }
    void SetDataSet(TfrxDataSet* value) { FDataSet.SetDataSet(value); }
    std::string DataSetName() const { return FDataSet.Name(); }
    void SetDataSetName(const std::string& value) { FDataSet.SetName(this, value); }

    int Columns = 0;
    long double ColumnWidth = 0;
    long double ColumnGap = 0;
    bool FooterAfterEach = false;
    std::string Filter;
    bool KeepFooter = false;
    bool KeepHeader = false;
    bool PrintIfDetailEmpty = false;
    int RowCount = 0;
    std::string OnMasterDetail;

private:
    TfrxDataSetBinding FDataSet;
};

class TfrxMasterData : public TfrxDataBand {
public:
    using TfrxDataBand::TfrxDataBand;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
};

class TfrxDetailData : public TfrxDataBand {
public:
    using TfrxDataBand::TfrxDataBand;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
};

class TfrxSubdetailData : public TfrxDataBand {
public:
    using TfrxDataBand::TfrxDataBand;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
};

class TfrxDataBand4 : public TfrxDataBand {
public:
    using TfrxDataBand::TfrxDataBand;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
};

class TfrxDataBand5 : public TfrxDataBand {
public:
    using TfrxDataBand::TfrxDataBand;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
};

class TfrxDataBand6 : public TfrxDataBand {
public:
    using TfrxDataBand::TfrxDataBand;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
};

class TfrxHeader : public TfrxBand {
public:
    using TfrxBand::TfrxBand;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
};

class TfrxFooter : public TfrxBand {
public:
    using TfrxBand::TfrxBand;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
};

class TfrxColumnHeader : public TfrxBand {
public:
    using TfrxBand::TfrxBand;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
};

class TfrxColumnFooter : public TfrxBand {
public:
    using TfrxBand::TfrxBand;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
};

class TfrxReportTitle : public TfrxBand {
public:
    using TfrxBand::TfrxBand;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
};

class TfrxReportSummary : public TfrxBand {
public:
    using TfrxBand::TfrxBand;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
};

class TfrxChild : public TfrxBand {
public:
    using TfrxBand::TfrxBand;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
};

class TfrxNullBand : public TfrxBand {
public:
    using TfrxBand::TfrxBand;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
};

class TfrxPageHeader : public TfrxBand {
public:
    using TfrxBand::TfrxBand;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    bool PrintOnFirstPage = true;
};

class TfrxPageFooter : public TfrxBand {
public:
    using TfrxBand::TfrxBand;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    bool PrintOnFirstPage = true;
    bool PrintOnLastPage = true;
};

class TfrxGroupHeader : public TfrxBand {
public:
    using TfrxBand::TfrxBand;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    std::string Condition;
    bool DrillDown = false;
    bool ExpandDrillDown = false;
    bool ResetPageNumbers = false;
    bool ShowFooterIfDrillDown = false;
    bool ShowChildIfDrillDown = false;
    std::string DrillName;
};

class TfrxGroupFooter : public TfrxBand {
public:
    using TfrxBand::TfrxBand;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    bool HideIfSingleDataRecord = false;
};

class TfrxOverlay : public TfrxBand {
public:
    using TfrxBand::TfrxBand;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    bool PrintOnTop = false;
};

} // namespace orv
