// Components of the data module that make further object kinds loadable in
// templates (each registers its classes when it is made), and components
// that stand for tools the job does not run.
#pragma once

#include "model/Persistent.h"
#include "pdf/ExportFilter.h"

namespace orv {

// Each registers the classes of its object kind; registering again is harmless.
void RegisterBarCodeClasses();
void RegisterRichClasses();
void RegisterGradientClasses();
void RegisterCheckBoxClasses();
void RegisterCrossClasses();
void RegisterOLEClasses();
void RegisterDotMatrixClasses();
// All of the above: what a program gets from holding every component below.
void RegisterAllObjectKinds();

template <void (*Register)()>
class TfrxObjectKind : public TComponent {
public:
    explicit TfrxObjectKind(TComponent* AOwner) : TComponent(AOwner) { Register(); }
};

using TfrxBarCodeObject = TfrxObjectKind<&RegisterBarCodeClasses>;
using TfrxRichObject = TfrxObjectKind<&RegisterRichClasses>;
using TfrxGradientObject = TfrxObjectKind<&RegisterGradientClasses>;
using TfrxCheckBoxObject = TfrxObjectKind<&RegisterCheckBoxClasses>;
using TfrxCrossObject = TfrxObjectKind<&RegisterCrossClasses>;
using TfrxOLEObject = TfrxObjectKind<&RegisterOLEClasses>;

// The dot-matrix text export; it makes dot-matrix pages and objects loadable.
class TfrxDotMatrixExport : public TfrxCustomExportFilter {
public:
    explicit TfrxDotMatrixExport(TComponent* AOwner) : TfrxCustomExportFilter(AOwner) { RegisterDotMatrixClasses(); }
};

class TfrxJPEGExport : public TfrxCustomExportFilter {
public:
    using TfrxCustomExportFilter::TfrxCustomExportFilter;
};

// Designer settings; kept so that the module holds what it always held.
class TfrxDesigner : public TComponent {
public:
    using TComponent::TComponent;
};

} // namespace orv
