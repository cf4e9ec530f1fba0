#include "model/Bands.h"
#include "model/Highlight.h"
#include "model/Pages.h"
#include "model/PropertyRegistry.h"
#include "model/Report.h"
#include "model/Styles.h"
#include "model/Views.h"

namespace orv {

// The classes that templates of the model itself can name. Bases such as
// TfrxView, TfrxBand and TfrxDataBand, and the dataset classes, stay out.
void RegisterModelClasses()
{
    const TClassInfo* classes[] = {
        &TfrxChild::StaticClass(),         &TfrxColumnFooter::StaticClass(),   &TfrxColumnHeader::StaticClass(),
        &TfrxCustomMemoView::StaticClass(), &TfrxMasterData::StaticClass(),    &TfrxDetailData::StaticClass(),
        &TfrxSubdetailData::StaticClass(), &TfrxDataBand4::StaticClass(),      &TfrxDataBand5::StaticClass(),
        &TfrxDataBand6::StaticClass(),     &TfrxDialogPage::StaticClass(),     &TfrxFooter::StaticClass(),
        &TfrxFrame::StaticClass(),         &TfrxGroupFooter::StaticClass(),    &TfrxGroupHeader::StaticClass(),
        &TfrxHeader::StaticClass(),        &TfrxHighlight::StaticClass(),      &TfrxLineView::StaticClass(),
        &TfrxMemoView::StaticClass(),      &TfrxOverlay::StaticClass(),        &TfrxPageFooter::StaticClass(),
        &TfrxPageHeader::StaticClass(),    &TfrxPictureView::StaticClass(),    &TfrxReport::StaticClass(),
        &TfrxReportPage::StaticClass(),    &TfrxReportSummary::StaticClass(),  &TfrxReportTitle::StaticClass(),
        &TfrxShapeView::StaticClass(),     &TfrxSubreport::StaticClass(),      &TfrxSysMemoView::StaticClass(),
        &TfrxStyleItem::StaticClass(),     &TfrxNullBand::StaticClass(),       &TfrxCustomLineView::StaticClass(),
        &TfrxDataPage::StaticClass(),
    };
    for (const TClassInfo* cls : classes)
        RegisterClass(*cls);
}

} // namespace orv
