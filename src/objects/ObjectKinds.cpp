#include "objects/ObjectKinds.h"

#include "model/PropertyRegistry.h"
#include "objects/BarCodeView.h"
#include "objects/CheckBoxView.h"
#include "objects/DMPObjects.h"
#include "objects/GradientView.h"
#include "objects/LoadOnlyViews.h"

namespace orv {

void RegisterBarCodeClasses()
{
    RegisterClass(TfrxBarCodeView::StaticClass());
}

void RegisterRichClasses()
{
    RegisterClass(TfrxRichView::StaticClass());
}

void RegisterGradientClasses()
{
    RegisterClass(TfrxGradientView::StaticClass());
}

void RegisterCheckBoxClasses()
{
    RegisterClass(TfrxCheckBoxView::StaticClass());
}

void RegisterCrossClasses()
{
    RegisterClass(TfrxCrossView::StaticClass());
}

void RegisterOLEClasses()
{
    RegisterClass(TfrxOLEView::StaticClass());
}

void RegisterDotMatrixClasses()
{
    for (const TClassInfo* cls : {&TfrxDMPPage::StaticClass(), &TfrxDMPMemoView::StaticClass(),
                                  &TfrxDMPLineView::StaticClass(), &TfrxDMPCommand::StaticClass()})
        RegisterClass(*cls);
}

void RegisterAllObjectKinds()
{
    for (void (*registerKind)() : {RegisterBarCodeClasses, RegisterRichClasses, RegisterGradientClasses,
                                   RegisterCheckBoxClasses, RegisterCrossClasses, RegisterOLEClasses,
                                   RegisterDotMatrixClasses})
        registerKind();
}

} // namespace orv
