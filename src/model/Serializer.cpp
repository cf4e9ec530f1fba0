#include "model/Serializer.h"

#include "model/Collection.h"
#include "model/Component.h"
#include "model/ModelMessages.h"
#include "model/ModelText.h"
#include "model/Modules.h"
#include "model/PropertyRegistry.h"
#include "model/Report.h"
#include "model/Views.h"
#include "model/XmlDocument.h"
#include "platform/BinaryProperties.h"
#include "platform/NumberFormat.h"
#include "platform/StringsText.h"
#include "platform/Text.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>

namespace orv {

namespace {

constexpr long double FloatTolerance = 0.000001L;
constexpr std::string_view CustomDataTag = "FrxCustomData";
constexpr std::string_view InheritedTag = "inherited";
constexpr std::string_view CollectionItemTag = "item";
constexpr std::u16string_view LineBreak = u"\r\n";

void AppendAttribute(std::string& out, std::string_view prefix, std::string_view name, std::string_view value)
{
    out += ' ';
    out += prefix;
    out += name;
    out += "=\"";
    out += value;
    out += '"';
}

// Attribute text as elements keep it: without the blank in front.
std::string WithoutLeadingBlank(std::string_view text)
{
    return std::string(text.starts_with(' ') ? text.substr(1) : text);
}

std::string WithoutLastBreak(std::string text)
{
    if (text.ends_with("\r\n"))
        text.resize(text.size() - 2);
    return text;
}

// A memo's text as one string, lines joined by CR LF, no break at the end.
std::u16string MemoText(const TfrxCustomMemoView& memo)
{
    std::u16string text = memo.Text();
    if (text.ends_with(LineBreak))
        text.resize(text.size() - LineBreak.size());
    return text;
}

std::string StringListText(const TStringList& list)
{
    return WithoutLastBreak(StringsText(list));
}

bool IsOrdinalKind(TPropKind kind)
{
    switch (kind) {
    case TPropKind::Integer:
    case TPropKind::Boolean:
    case TPropKind::Enumeration:
    case TPropKind::Set:
    case TPropKind::Color:
        return true;
    default:
        return false;
    }
}

long double ReadFloat(std::string_view value)
{
    long double v = 0;
    if (!TextToFloat(value, v))
        throw Exception(FormatMessage(msg::InvalidFloat, {value}));
    return v;
}

std::uint32_t Crc32(std::string_view data)
{
    uLong crc = crc32(0L, Z_NULL, 0);
    // zlib takes at most a uInt at a time.
    constexpr std::size_t Chunk = 1u << 30;
    for (std::size_t at = 0; at < data.size(); at += Chunk) {
        const std::size_t n = std::min(Chunk, data.size() - at);
        crc = crc32(crc, reinterpret_cast<const Bytef*>(data.data() + at), static_cast<uInt>(n));
    }
    return static_cast<std::uint32_t>(crc);
}

// The binary properties of an object as one property stream.
std::string PropDataBlock(TPersistent& object)
{
    TBinaryPropertyWriter writer;
    for (const TBinaryPropInfo& binary : object.ClassInfo().BinaryProperties()) {
        const std::string data = binary.Read(object);
        if (!data.empty())
            writer.WriteBinary(binary.Name, data);
    }
    return writer.Data();
}

const TBinaryPropInfo* FindBinary(const TClassInfo& cls, std::string_view name)
{
    for (const TBinaryPropInfo& binary : cls.BinaryProperties())
        if (SameText(binary.Name, name))
            return &binary;
    return nullptr;
}

// The same property on an ancestor object, when it has one of the same kind.
const TPropInfo* AncestorProperty(const TPropInfo& prop, TPersistent* ancestor)
{
    if (!ancestor)
        return nullptr;
    const TPropInfo* p = ancestor->ClassInfo().FindProperty(prop.Name());
    return p && p->Kind() == prop.Kind() ? p : nullptr;
}

std::vector<std::string_view> SplitName(std::string_view name)
{
    std::vector<std::string_view> parts;
    for (;;) {
        const auto dot = name.find('.');
        parts.push_back(name.substr(0, dot));
        if (dot == std::string_view::npos)
            return parts;
        name.remove_prefix(dot + 1);
    }
}

bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

bool TfrxXMLSerializer::CaseLess::operator()(const std::string& a, const std::string& b) const
{
    return LowerCase(a) < LowerCase(b);
}

std::vector<std::string> TfrxXMLSerializer::LoadErrors() const
{
    return {FLoadErrors.begin(), FLoadErrors.end()};
}

void TfrxXMLSerializer::CopyFixups(std::vector<TfrxFixupItem>& list) const
{
    list.insert(list.end(), FFixups.begin(), FFixups.end());
}

// --- writing ---

std::string TfrxXMLSerializer::ObjectToAttributes(TPersistent& object, std::string_view prefix,
                                                  TPersistent* ancestor)
{
    if (!ancestor && OnFindAncestor)
        if (auto* component = dynamic_cast<TfrxComponent*>(&object))
            ancestor = OnFindAncestor(component->Name());
    std::string out;
    for (const TPropInfo& prop : object.ClassInfo().Properties())
        if (prop.IsStored(object))
            WriteProperty(out, object, prop, prefix, ancestor);
    WriteMemoText(out, object, prefix, ancestor);
    auto* component = dynamic_cast<TfrxComponent*>(&object);
    if (!(component && HandleNestedProperties && component->ComponentFlags().Has(cfOwnNestedElements)))
        WritePropData(out, object, prefix, ancestor);
    return out;
}

void TfrxXMLSerializer::WriteProperty(std::string& out, TPersistent& object, const TPropInfo& prop,
                                      std::string_view prefix, TPersistent* ancestor)
{
    const TPropInfo* ap = AncestorProperty(prop, ancestor);
    const bool all = WriteAllValues;
    const std::string& name = prop.Name();
    if (IsOrdinalKind(prop.Kind())) {
        const std::int64_t v = prop.GetOrdinal(object);
        const bool same = ap ? ap->GetOrdinal(*ancestor) == v : prop.Default() && *prop.Default() == v;
        if (all || !same)
            AppendAttribute(out, prefix, name, prop.GetText(object));
        return;
    }
    switch (prop.Kind()) {
    case TPropKind::Float:
    case TPropKind::Extended: {
        const long double v = prop.GetFloat(object);
        if (all || !ap || std::fabs(v - ap->GetFloat(*ancestor)) >= FloatTolerance)
            AppendAttribute(out, prefix, name, FloatToStr(v));
        return;
    }
    case TPropKind::String: {
        const std::string v = prop.GetString(object);
        if (all || !(ap ? v == ap->GetString(*ancestor) : v.empty()))
            AppendAttribute(out, prefix, name, EncodeXMLText(v));
        return;
    }
    case TPropKind::WideString: {
        // Wide text travels as UTF-8, like the memo text, so that nothing is lost.
        const std::u16string v = prop.GetWideString(object);
        if (all || !(ap ? v == ap->GetWideString(*ancestor) : v.empty()))
            AppendAttribute(out, prefix, name, EncodeXMLText(Utf16ToUtf8(v)));
        return;
    }
    case TPropKind::Variant: {
        const Value v = prop.GetVariant(object);
        if (all || !ap || !(v == ap->GetVariant(*ancestor)))
            AppendAttribute(out, prefix, name, VariantToXMLText(v));
        return;
    }
    case TPropKind::Reference:
        WriteReference(out, object, prop, prefix, ancestor);
        return;
    case TPropKind::StringList: {
        const std::string v = StringListText(prop.Strings(object));
        if (all || !ap || v != StringListText(ap->Strings(*ancestor)))
            AppendAttribute(out, prefix, name + ".Text", EncodeXMLText(v));
        return;
    }
    case TPropKind::Object:
        WriteNestedObject(out, object, prop, prefix, ancestor);
        return;
    default: // wide string lists: the memo writes its text itself
        return;
    }
}

void TfrxXMLSerializer::WriteReference(std::string& out, TPersistent& object, const TPropInfo& prop,
                                       std::string_view prefix, TPersistent* ancestor)
{
    const TComponent* c = prop.GetReference(object);
    const std::string ref = c ? ReferenceName(*c) : std::string();
    if (ref.empty())
        return;
    const TPropInfo* ap = AncestorProperty(prop, ancestor);
    const TComponent* ac = ap ? ap->GetReference(*ancestor) : nullptr;
    if (WriteAllValues || !(ac && SameText(ac->Name(), c->Name())))
        AppendAttribute(out, prefix, prop.Name(), ref);
}

// A nested object (font, frame, fill...) writes its own attributes under
// the property's name; its ancestor is the ancestor's object of the same class.
void TfrxXMLSerializer::WriteNestedObject(std::string& out, TPersistent& object, const TPropInfo& prop,
                                          std::string_view prefix, TPersistent* ancestor)
{
    TPersistent* sub = prop.GetObject(object);
    if (!sub)
        return;
    const TPropInfo* ap = AncestorProperty(prop, ancestor);
    TPersistent* subAncestor = ap ? ap->GetObject(*ancestor) : nullptr;
    if (subAncestor && &subAncestor->ClassInfo() != &sub->ClassInfo())
        subAncestor = nullptr;
    out += ObjectToAttributes(*sub, std::string(prefix) + prop.Name() + ".", subAncestor);
}

void TfrxXMLSerializer::WriteMemoText(std::string& out, TPersistent& object, std::string_view prefix,
                                      TPersistent* ancestor)
{
    const auto* memo = dynamic_cast<const TfrxCustomMemoView*>(&object);
    if (!memo)
        return;
    const std::u16string text = MemoText(*memo);
    const auto* ancestorMemo = dynamic_cast<const TfrxCustomMemoView*>(ancestor);
    if (!WriteAllValues && ancestorMemo && MemoText(*ancestorMemo) == text)
        return;
    AppendAttribute(out, prefix, "Text", EncodeXMLText(Utf16ToUtf8(text)));
}

void TfrxXMLSerializer::WritePropData(std::string& out, TPersistent& object, std::string_view prefix,
                                      TPersistent* ancestor)
{
    const std::string block = PropDataBlock(object);
    if (block.empty())
        return;
    if (!WriteAllValues && ancestor && Crc32(PropDataBlock(*ancestor)) == Crc32(block))
        return;
    AppendAttribute(out, prefix, "PropData", BinToHex(block));
}

std::string TfrxXMLSerializer::ReferenceName(const TComponent& component) const
{
    const TComponent* owner = component.Owner();
    const bool reportOwner = dynamic_cast<const TfrxReport*>(RootOwner) && owner == RootOwner->Owner();
    if (!owner || owner == RootOwner || reportOwner)
        return component.Name();
    if (IsModule(owner))
        return owner->Name() + "." + component.Name();
    // A frame inside a form.
    if (IsModule(owner->Owner()))
        return owner->Owner()->Name() + "." + owner->Name() + "." + component.Name();
    return std::string();
}

void TfrxXMLSerializer::WriteElement(TfrxComponent& component, TfrxXMLItem& item, bool isRoot, bool saveChildren,
                                     bool saveInheritedAsSuch)
{
    const bool inherited = saveInheritedAsSuch && component.FromAncestor;
    item.SetTagName(inherited ? std::string(InheritedTag) : component.ClassInfo().Name());
    std::string attributes;
    if (!isRoot)
        AppendAttribute(attributes, {}, "Name", component.Name());
    attributes += ObjectToAttributes(component);
    item.SetAttrText(WithoutLeadingBlank(attributes));
    if (HandleNestedProperties && component.ComponentFlags().Has(cfOwnNestedElements))
        WriteNestedElements(component, item);
    if (saveChildren)
        for (TfrxComponent* child : component.Objects())
            WriteElement(*child, item.NewChild(), false, true, saveInheritedAsSuch);
}

void TfrxXMLSerializer::WriteNestedElements(TfrxComponent& component, TfrxXMLItem& item)
{
    for (const TCollectionInfo& info : component.ClassInfo().Collections()) {
        TfrxCollection& collection = info.Get(component);
        if (collection.Count() == 0 || collection.Count() < info.WrittenFrom)
            continue;
        TfrxXMLItem& list = item.NewChild(info.Name);
        for (std::size_t i = 0; i < collection.Count(); ++i)
            list.NewChild(std::string(CollectionItemTag))
                .SetAttrText(WithoutLeadingBlank(ObjectToAttributes(collection.Item(i))));
    }
}

void TfrxXMLSerializer::WriteRootComponent(TfrxComponent& root, bool saveChildren, bool saveInheritedAsSuch,
                                           TfrxXMLItem* rootItem)
{
    std::unique_ptr<TfrxXMLDocument> document;
    if (!rootItem) {
        document = std::make_unique<TfrxXMLDocument>();
        document->SetIndentOutput(true);
        rootItem = &document->RootItem();
    }
    WriteElement(root, *rootItem, true, saveChildren, saveInheritedAsSuch);
    if (OnWriteCustomData)
        OnWriteCustomData(rootItem->NewChild(std::string(CustomDataTag)));
    if (document) {
        if (!FOut)
            throw Exception(msg::NoStreamToWrite);
        document->WriteToStream(*FOut);
    }
}

std::string TfrxXMLSerializer::ComponentToElementText(TfrxComponent& component)
{
    return component.ClassInfo().Name() + ObjectToAttributes(component);
}

void TfrxXMLSerializer::WriteComponentTag(TfrxComponent& component)
{
    if (!FOut)
        throw Exception(msg::NoStreamToWrite);
    *FOut << '<' << ComponentToElementText(component) << "/>";
}

// --- reading one object ---

void TfrxXMLSerializer::AttributesToObject(std::string_view text, TPersistent& object)
{
    std::size_t pos = 0;
    for (;;) {
        while (pos < text.size() && IsBlank(text[pos]))
            ++pos;
        const std::size_t equals = text.find('=', pos);
        if (equals == std::string_view::npos)
            return;
        std::string_view name = text.substr(pos, equals - pos);
        while (!name.empty() && IsBlank(name.back()))
            name.remove_suffix(1);
        const std::size_t open = text.find('"', equals + 1);
        const std::size_t close = open == std::string_view::npos ? open : text.find('"', open + 1);
        if (name.empty() || close == std::string_view::npos)
            return;
        pos = close + 1;
        try {
            ApplyAttribute(object, name, text.substr(open + 1, close - open - 1));
        } catch (const Exception& e) {
            AddError(e.what());
        }
    }
}

void TfrxXMLSerializer::ApplyAttribute(TPersistent& object, std::string_view name, std::string_view value)
{
    const std::vector<std::string_view> parts = SplitName(name);
    TPersistent* current = &object;
    std::size_t i = 0;
    for (; i + 1 < parts.size(); ++i) {
        const TPropInfo* prop = current->ClassInfo().FindProperty(parts[i]);
        const bool lastIsText = i + 2 == parts.size() && SameText(parts[i + 1], "Text");
        if (prop && lastIsText && prop->Kind() == TPropKind::StringList) {
            std::string text = DecodeString(value);
            SetStringsText(prop->Strings(*current), text);
            return;
        }
        if (prop && lastIsText && prop->Kind() == TPropKind::WideStrings) {
            prop->WideStrings(*current).SetText(Cp1252ToUtf16(DecodeXMLText(value)));
            return;
        }
        if (!prop || prop->Kind() != TPropKind::Object)
            break;
        current = prop->GetObject(*current);
        if (!current)
            return;
    }
    // The rest of the name, from the first part not found, is looked up whole.
    const std::string_view rest = name.substr(static_cast<std::size_t>(parts[i].data() - name.data()));
    if (ApplySpecial(*current, rest, name, value))
        return;
    if (const TPropInfo* prop = current->ClassInfo().FindProperty(rest))
        ApplyProperty(*current, *prop, value);
}

// The attributes that are not plain published properties: the short
// geometry and text names of prepared pages, the memo text, binary data and
// the report's own name.
bool TfrxXMLSerializer::ApplySpecial(TPersistent& object, std::string_view name, std::string_view attribute,
                                     std::string_view value)
{
    auto* component = dynamic_cast<TfrxComponent*>(&object);
    auto* memo = dynamic_cast<TfrxCustomMemoView*>(&object);
    if (component && name.size() == 1) {
        switch (name[0]) {
        case 'l': component->SetLeft(ReadFloat(value)); return true;
        case 't': component->SetTop(ReadFloat(value)); return true;
        case 'w': component->SetWidth(ReadFloat(value)); return true;
        case 'h': component->SetHeight(ReadFloat(value)); return true;
        case 'u':
            if (!memo)
                return false;
            memo->SetText(Utf8ToUtf16(DecodeXMLText(value)));
            return true;
        case 'x':
            if (!memo)
                return false;
            memo->SetText(Cp1252ToUtf16(DecodeXMLText(value)));
            return true;
        default:
            return false;
        }
    }
    if (memo && SameText(name, "Text")) {
        memo->SetText(Utf8ToUtf16(DecodeXMLText(value)));
        return true;
    }
    if (SameText(name, "PropData")) {
        ReadPropData(object, attribute, value);
        return true;
    }
    return SameText(name, "Name") && dynamic_cast<TfrxReport*>(&object);
}

void TfrxXMLSerializer::ApplyProperty(TPersistent& object, const TPropInfo& prop, std::string_view value)
{
    switch (prop.Kind()) {
    case TPropKind::Boolean:
    case TPropKind::Enumeration:
        prop.SetText(object, value); // a number sets the ordinal, otherwise the member name
        return;
    case TPropKind::Integer:
    case TPropKind::Set:
    case TPropKind::Color:
        prop.SetOrdinal(object, StrToInt(value));
        return;
    case TPropKind::Float:
    case TPropKind::Extended:
        prop.SetFloat(object, ReadFloat(value));
        return;
    case TPropKind::String:
        prop.SetString(object, DecodeString(value));
        return;
    case TPropKind::WideString:
        prop.SetWideString(object, Utf8ToUtf16(DecodeXMLText(value)));
        return;
    case TPropKind::Variant:
        prop.SetVariant(object, Value(DecodeXMLText(value)));
        return;
    case TPropKind::Reference:
        FFixups.push_back({&object, &prop, std::string(value)});
        return;
    default: // whole lists and nested objects take no value of their own
        return;
    }
}

// String attributes are in the system code page, unless the document says
// they are UTF-8.
std::string TfrxXMLSerializer::DecodeString(std::string_view value) const
{
    std::string text = DecodeXMLText(value);
    return StringsAreLegacy ? text : Utf16ToCp1252(Utf8ToUtf16(text));
}

void TfrxXMLSerializer::ReadPropData(TPersistent& object, std::string_view attribute, std::string_view hex)
{
    std::string block;
    if (!HexToBin(hex, block))
        throw Exception(FormatMessage(msg::InvalidBinaryData, {attribute}));
    TBinaryPropertyReader reader(block);
    TBinaryProperty property;
    // A property that does not read, or that the object does not define,
    // ends the block: the rest is ignored.
    while (reader.Next(property)) {
        const TBinaryPropInfo* binary = FindBinary(object.ClassInfo(), property.Name);
        if (!binary)
            return;
        binary->Write(object, property.Value);
    }
}

// --- reading a tree ---

void TfrxXMLSerializer::NoteRead(TfrxComponent& component)
{
    component.LoadingInProgress = true;
    if (FReadSet.insert(&component).second)
        FRead.push_back(&component);
}

void TfrxXMLSerializer::ReadRootComponent(TfrxComponent& root, TfrxXMLItem* rootItem)
{
    std::unique_ptr<TfrxXMLDocument> document;
    if (!rootItem) {
        if (!FIn)
            throw Exception(msg::NoStreamToRead);
        document = std::make_unique<TfrxXMLDocument>();
        document->ReadFromStream(*FIn);
        StringsAreLegacy = document->LegacyStrings();
        rootItem = &document->RootItem();
    }
    if (!RootOwner)
        RootOwner = root.OwnerReport() ? root.OwnerReport() : &root;
    FRead.clear();
    FReadSet.clear();
    try {
        ReadElement(*rootItem, nullptr, root);
        ResolveFixups();
    } catch (...) {
        for (TfrxComponent* c : FRead)
            c->LoadingInProgress = false;
        FFixups.clear();
        throw;
    }
    NotifyLoaded(FRead);
}

void TfrxXMLSerializer::ReadElement(TfrxXMLItem& item, TfrxComponent* parent, TfrxComponent& root)
{
    if (SameText(item.TagName(), CustomDataTag)) {
        if (OnReadCustomData)
            OnReadCustomData(item);
        return;
    }
    TfrxComponent* component = parent ? ElementComponent(item, *parent) : &root;
    if (!component)
        return;
    NoteRead(*component);
    AttributesToObject(item.AttrText(), *component);
    const bool nested = HandleNestedProperties && component->ComponentFlags().Has(cfOwnNestedElements);
    for (int i = 0; i < item.ChildCount(); ++i) {
        TfrxXMLItem& child = item.ChildAt(i);
        if (!(nested && ReadNestedElement(*component, child)))
            ReadElement(child, component, root);
    }
}

// The component an element below the root stands for: one of the same name
// already owned by RootOwner, or a new one of the element's class. None when
// the element is to be skipped with its subtree.
TfrxComponent* TfrxXMLSerializer::ElementComponent(TfrxXMLItem& item, TfrxComponent& parent)
{
    const bool inherited = SameText(item.TagName(), InheritedTag);
    const TClassInfo* cls = inherited ? nullptr : FindClass(item.TagName());
    if (!inherited && !cls) {
        AddError(std::string(msg::xrCantFindClass) + " " + item.TagName());
        return nullptr;
    }
    std::string name;
    try {
        name = item.GetAttr("Name");
    } catch (const Exception&) {
        // The attribute's own error is recorded when it is applied.
    }
    if (!name.empty() && RootOwner)
        if (auto* existing = dynamic_cast<TfrxComponent*>(RootOwner->FindComponent(name)))
            return existing;
    if (inherited)
        return nullptr;
    try {
        return dynamic_cast<TfrxComponent*>(cls->Create(&parent));
    } catch (const Exception& e) {
        AddError(e.what());
        return nullptr;
    }
}

// A child element that names one of the component's collections fills it:
// one item per element, whatever the element's name.
bool TfrxXMLSerializer::ReadNestedElement(TfrxComponent& component, TfrxXMLItem& item)
{
    const TCollectionInfo* info = component.ClassInfo().FindCollection(item.TagName());
    if (!info)
        return false;
    TfrxCollection& collection = info->Get(component);
    auto* report = dynamic_cast<TfrxReport*>(&component);
    if (report && &collection == &report->Datasets && !report->ParentReport.empty()) {
        DropFixupsOf(collection);
        collection.Clear();
    }
    for (int i = 0; i < item.ChildCount(); ++i)
        AttributesToObject(item.ChildAt(i).AttrText(), collection.AddItem());
    return true;
}

void TfrxXMLSerializer::DropFixupsOf(const TfrxCollection& collection)
{
    std::erase_if(FFixups, [&collection](const TfrxFixupItem& f) {
        const auto* item = dynamic_cast<const TfrxCollectionItem*>(f.Object);
        return item && item->Collection() == &collection;
    });
}

// --- references ---

TComponent* TfrxXMLSerializer::FindReference(const std::string& name) const
{
    if (name.empty())
        return nullptr;
    if (auto* root = dynamic_cast<TfrxComponent*>(RootOwner))
        if (TComponent* found = root->FindObject(name))
            return found;
    const std::vector<std::string_view> parts = SplitName(name);
    if (parts.size() > 1) {
        // A component of one of the program's forms or data modules.
        TComponent* c = FindModule(parts[0]);
        for (std::size_t i = 1; c && i < parts.size(); ++i)
            c = c->FindComponent(parts[i]);
        return parts.size() <= 3 ? c : nullptr;
    }
    if (!RootOwner)
        return nullptr;
    if (TComponent* found = RootOwner->FindComponent(name))
        return found;
    // Datasets that sit beside the report in the program's data module.
    if (dynamic_cast<TfrxReport*>(RootOwner) && RootOwner->Owner())
        return RootOwner->Owner()->FindComponent(name);
    return nullptr;
}

void TfrxXMLSerializer::ResolveFixups()
{
    std::vector<TfrxFixupItem> fixups;
    fixups.swap(FFixups);
    for (const TfrxFixupItem& fixup : fixups) {
        TComponent* found = nullptr;
        try {
            found = FindReference(fixup.Value);
        } catch (const Exception&) {
            throw EClassNotFound(FormatMessage(msg::MissingReference, {fixup.Value}));
        }
        if (!found)
            continue;
        try {
            fixup.Property->SetReference(*fixup.Object, found);
        } catch (const Exception& e) {
            AddError(e.what()); // a component of the wrong class: the reference stays unset
        }
    }
}

// --- single tags and items ---

TfrxComponent* TfrxXMLSerializer::ElementTextToComponent(TComponent* owner, std::string_view text)
{
    if (text.empty())
        return nullptr;
    const std::size_t blank = text.find(' ');
    const std::string_view className = text.substr(0, blank);
    const std::string_view attributes = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
    const TClassInfo* cls = FindClass(className);
    if (!cls)
        throw EClassNotFound(FormatMessage(msg::ClassNotFound, {className}));
    std::unique_ptr<TComponent> made(cls->Create(owner));
    auto* component = dynamic_cast<TfrxComponent*>(made.get());
    if (!component)
        throw Exception(FormatMessage(msg::NotAComponentClass, {className}));
    // An owner or a parent destroys the component from now on.
    if (owner)
        made.release();
    component->LoadingInProgress = true;
    AttributesToObject(attributes, *component);
    component->LoadingInProgress = false;
    ResolveFixups();
    if (!dynamic_cast<TfrxReport*>(component))
        component->Loaded();
    made.release();
    return component;
}

void TfrxXMLSerializer::ReadCollectionItem(TfrxCollectionItem& item, std::string_view text)
{
    AttributesToObject(text, item);
    ResolveFixups();
}

} // namespace orv
