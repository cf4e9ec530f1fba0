// TfrxComponent's reading, writing and copying through the template format.
#include "model/Component.h"

#include "model/Collection.h"
#include "model/PropertyRegistry.h"
#include "model/Report.h"
#include "model/Serializer.h"
#include "model/XmlItem.h"

namespace orv {

namespace {

void ReportLoadErrors(const TfrxXMLSerializer& serializer, TfrxReport* report)
{
    if (report)
        for (const std::string& text : serializer.LoadErrors())
            report->AddError(text);
}

} // namespace

void TfrxComponent::LoadFromStream(std::istream& stream)
{
    Clear();
    TfrxXMLSerializer serializer(stream);
    serializer.HandleNestedProperties = true;
    serializer.RootOwner = OwnerReport();
    try {
        serializer.ReadRootComponent(*this);
    } catch (...) {
        ReportLoadErrors(serializer, OwnerReport());
        throw;
    }
    ReportLoadErrors(serializer, OwnerReport());
}

void TfrxComponent::SaveToStream(std::ostream& stream, bool SaveChildren, bool SaveDefaultValues,
                                 bool SaveInheritedAsSuch)
{
    TfrxXMLSerializer serializer(stream);
    serializer.HandleNestedProperties = true;
    serializer.RootOwner = OwnerReport();
    serializer.WriteAllValues = SaveDefaultValues;
    serializer.WriteRootComponent(*this, SaveChildren, SaveInheritedAsSuch);
}

void TfrxComponent::Assign(TfrxComponent& source)
{
    if (&source == this)
        return;
    TfrxXMLItem item;
    TfrxXMLSerializer writer;
    writer.HandleNestedProperties = true;
    writer.RootOwner = source.OwnerReport();
    writer.WriteAllValues = true;
    writer.WriteRootComponent(source, false, false, &item);

    // The source's collections replace this component's, item for item.
    for (const TCollectionInfo& info : ClassInfo().Collections())
        info.Get(*this).Clear();
    TfrxXMLSerializer reader;
    reader.HandleNestedProperties = true;
    reader.RootOwner = OwnerReport();
    reader.ReadRootComponent(*this, &item);
    ReportLoadErrors(reader, OwnerReport());
}

} // namespace orv
