#include "model/PropertyRegistry.h"

#include "model/ModelMessages.h"
#include "model/ModelText.h"
#include "model/Persistent.h"
#include "model/WideStrings.h"
#include "platform/Exception.h"
#include "platform/NumberFormat.h"
#include "platform/StringsText.h"
#include "platform/Text.h"

#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <mutex>

namespace orv {

void RegisterModelClasses(); // ModelClasses.cpp

namespace {

constexpr std::array<const char*, 14> KindNames = {
    "Integer", "Float", "Extended", "Boolean", "Enumeration", "Set", "Color",
    "String", "WideString", "StringList", "WideStrings", "Object", "Reference", "Variant",
};

std::int64_t ValueToOrdinal(const Value& v)
{
    switch (v.Kind()) {
    case ValueKind::Boolean:
        return v.AsBoolean() ? 1 : 0;
    case ValueKind::Double:
        return static_cast<std::int64_t>(std::nearbyint(v.AsDouble()));
    case ValueKind::Currency:
        return static_cast<std::int64_t>(
            std::nearbyint(static_cast<double>(v.AsCurrency().Scaled) / Currency::Scale));
    default:
        return v.IntegerValue();
    }
}

long double ValueToFloat(const Value& v)
{
    switch (v.Kind()) {
    case ValueKind::Double:
        return v.AsDouble();
    case ValueKind::Currency:
        return static_cast<long double>(v.AsCurrency().Scaled) / Currency::Scale;
    case ValueKind::DateTime:
        return v.AsDateTime().Days;
    case ValueKind::Boolean:
        return v.AsBoolean() ? 1 : 0;
    default:
        return static_cast<long double>(v.IntegerValue());
    }
}

struct ClassTable {
    std::mutex Lock;
    std::vector<const TClassInfo*> Classes;
};

ClassTable& RawClasses()
{
    static ClassTable table;
    return table;
}

// The table with the model's own classes in it.
ClassTable& Classes()
{
    static std::once_flag modelRegistered;
    std::call_once(modelRegistered, [] { RegisterModelClasses(); });
    return RawClasses();
}

// A variant's plain text: texts as they are, integers in decimal, other
// numbers as floats; Null and Empty give the empty text.
std::string ValueText(const Value& v)
{
    if (v.Kind() == ValueKind::String)
        return v.AsString();
    if (v.Kind() == ValueKind::WideString)
        return Utf16ToCp1252(v.AsWideString());
    if (v.Kind() == ValueKind::Boolean)
        return v.AsBoolean() ? "True" : "False";
    if (v.IsInteger())
        return std::to_string(v.IntegerValue());
    if (v.IsNumber())
        return FloatToText(ValueToFloat(v));
    if (v.IsEmpty() || v.IsNull())
        return std::string();
    throw Exception(std::string("Invalid variant type conversion from ") + ValueKindName(v.Kind()));
}

} // namespace

const char* PropKindName(TPropKind kind)
{
    return KindNames[static_cast<std::size_t>(kind)];
}

// --- TEnumInfo ---

TEnumInfo::TEnumInfo(std::string typeName, std::vector<std::string> members)
    : FTypeName(std::move(typeName)), FMembers(std::move(members))
{
}

int TEnumInfo::IndexOf(std::string_view member) const
{
    for (std::size_t i = 0; i < FMembers.size(); ++i)
        if (SameText(FMembers[i], member))
            return static_cast<int>(i);
    return -1;
}

std::uint32_t TEnumInfo::AllBits() const
{
    return FMembers.size() >= 32 ? 0xFFFFFFFFu : (std::uint32_t{1} << FMembers.size()) - 1;
}

const TEnumInfo& BooleanEnum()
{
    static const TEnumInfo info("Boolean", {"False", "True"});
    return info;
}

// --- TPropInfo ---

TPropInfo::TPropInfo(std::string name, TPropKind kind, TPropAccess access)
    : FName(std::move(name)), FKind(kind), FAccess(std::move(access))
{
}

template <class A>
const A& TPropInfo::Access() const
{
    const A* a = std::get_if<A>(&FAccess);
    if (!a)
        ThrowKind(PropKindName(FKind));
    return *a;
}

void TPropInfo::ThrowKind(const char* wanted) const
{
    throw Exception(FormatMessage(msg::PropertyKindMismatch, {FName, wanted}));
}

bool TPropInfo::IsStored(const TPersistent& obj) const
{
    if (FNever)
        return false;
    return !FStored || FStored(obj);
}

bool TPropInfo::IsOrdinal() const
{
    return std::holds_alternative<TOrdinalAccess>(FAccess);
}

std::int64_t TPropInfo::GetOrdinal(const TPersistent& obj) const
{
    return Access<TOrdinalAccess>().Get(obj);
}

void TPropInfo::CheckOrdinal(std::int64_t value) const
{
    bool ok = true;
    switch (FKind) {
    case TPropKind::Boolean:
    case TPropKind::Enumeration:
        ok = value >= 0 && value < static_cast<std::int64_t>(FEnum->Members().size());
        break;
    case TPropKind::Set:
        ok = value >= 0 && (static_cast<std::uint64_t>(value) & ~std::uint64_t{FEnum->AllBits()}) == 0;
        break;
    case TPropKind::Integer:
        ok = value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max();
        break;
    case TPropKind::Color:
        // Colours above 0x7FFFFFFF (system colours) are kept as their 32-bit pattern.
        ok = value >= std::numeric_limits<std::int32_t>::min() && value <= std::int64_t{0xFFFFFFFF};
        break;
    default:
        break;
    }
    if (!ok)
        throw Exception(FormatMessage(msg::InvalidPropertyValue, {std::to_string(value), FName}));
}

void TPropInfo::SetOrdinal(TPersistent& obj, std::int64_t value) const
{
    CheckOrdinal(value);
    if (FKind == TPropKind::Color)
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    Access<TOrdinalAccess>().Set(obj, value);
}

long double TPropInfo::GetFloat(const TPersistent& obj) const
{
    return Access<TFloatAccess>().Get(obj);
}

void TPropInfo::SetFloat(TPersistent& obj, long double value) const
{
    Access<TFloatAccess>().Set(obj, value);
}

std::string TPropInfo::GetString(const TPersistent& obj) const
{
    return Access<TStringAccess>().Get(obj);
}

void TPropInfo::SetString(TPersistent& obj, const std::string& value) const
{
    Access<TStringAccess>().Set(obj, value);
}

std::u16string TPropInfo::GetWideString(const TPersistent& obj) const
{
    return Access<TWideStringAccess>().Get(obj);
}

void TPropInfo::SetWideString(TPersistent& obj, const std::u16string& value) const
{
    Access<TWideStringAccess>().Set(obj, value);
}

TStringList& TPropInfo::Strings(TPersistent& obj) const
{
    return Access<TStringListAccess>().Get(obj);
}

TWideStrings& TPropInfo::WideStrings(TPersistent& obj) const
{
    return Access<TWideStringsAccess>().Get(obj);
}

TPersistent* TPropInfo::GetObject(TPersistent& obj) const
{
    if (FKind == TPropKind::Reference)
        return GetReference(obj);
    return Access<TObjectAccess>().Get(obj);
}

TComponent* TPropInfo::GetReference(const TPersistent& obj) const
{
    return Access<TReferenceAccess>().Get(obj);
}

void TPropInfo::SetReference(TPersistent& obj, TComponent* component) const
{
    const TReferenceAccess& access = Access<TReferenceAccess>();
    if (component && FValueClass && !component->InheritsFrom(FValueClass()))
        throw Exception(FormatMessage(msg::WrongReferenceClass, {FName, component->Name()}));
    access.Set(obj, component);
}

Value TPropInfo::GetVariant(const TPersistent& obj) const
{
    return Access<TVariantAccess>().Get(obj);
}

void TPropInfo::SetVariant(TPersistent& obj, const Value& value) const
{
    Access<TVariantAccess>().Set(obj, value);
}

std::string TPropInfo::GetText(TPersistent& obj) const
{
    switch (FKind) {
    case TPropKind::Boolean:
    case TPropKind::Enumeration: {
        const std::int64_t v = GetOrdinal(obj);
        const auto& members = FEnum->Members();
        return v >= 0 && v < static_cast<std::int64_t>(members.size()) ? members[static_cast<std::size_t>(v)]
                                                                        : std::to_string(v);
    }
    case TPropKind::Integer:
    case TPropKind::Set:
    case TPropKind::Color:
        return std::to_string(GetOrdinal(obj));
    case TPropKind::Float:
    case TPropKind::Extended:
        return FloatToText(GetFloat(obj));
    case TPropKind::String:
        return GetString(obj);
    case TPropKind::WideString:
        return Utf16ToCp1252(GetWideString(obj));
    case TPropKind::StringList:
        return StringsText(Strings(obj));
    case TPropKind::WideStrings:
        return Utf16ToCp1252(WideStrings(obj).Text());
    case TPropKind::Reference: {
        TComponent* c = GetReference(obj);
        return c ? c->Name() : std::string();
    }
    case TPropKind::Variant:
        return ValueText(GetVariant(obj));
    case TPropKind::Object:
        break;
    }
    ThrowKind("text");
}

void TPropInfo::SetText(TPersistent& obj, std::string_view text) const
{
    switch (FKind) {
    case TPropKind::Boolean:
    case TPropKind::Enumeration: {
        std::int64_t v = 0;
        if (!TryStrToInt64(text, v)) {
            v = FEnum->IndexOf(text);
            if (v < 0)
                throw Exception(FormatMessage(msg::InvalidPropertyValue, {text, FName}));
        }
        SetOrdinal(obj, v);
        return;
    }
    case TPropKind::Integer:
    case TPropKind::Set:
    case TPropKind::Color: {
        std::int64_t v = 0;
        if (!TryStrToInt64(text, v))
            throw Exception(FormatMessage(msg::InvalidInteger, {text}));
        SetOrdinal(obj, v);
        return;
    }
    case TPropKind::Float:
    case TPropKind::Extended: {
        long double v = 0;
        if (!TextToFloat(text, v))
            throw Exception(FormatMessage(msg::InvalidFloat, {text}));
        SetFloat(obj, v);
        return;
    }
    case TPropKind::String:
        SetString(obj, std::string(text));
        return;
    case TPropKind::WideString:
        SetWideString(obj, Cp1252ToUtf16(text));
        return;
    case TPropKind::StringList:
        SetStringsText(Strings(obj), text);
        return;
    case TPropKind::WideStrings:
        WideStrings(obj).SetText(Cp1252ToUtf16(text));
        return;
    case TPropKind::Variant:
        SetVariant(obj, Value(std::string(text)));
        return;
    case TPropKind::Reference:
    case TPropKind::Object:
        break;
    }
    // References are resolved by whoever knows the tree they point into.
    throw Exception(FormatMessage(msg::ReadOnlyProperty, {FName}));
}

Value TPropInfo::GetValue(TPersistent& obj) const
{
    switch (FKind) {
    case TPropKind::Boolean:
        return Value(GetOrdinal(obj) != 0);
    case TPropKind::Integer:
    case TPropKind::Enumeration:
    case TPropKind::Set:
    case TPropKind::Color:
        return Value(static_cast<std::int32_t>(GetOrdinal(obj)));
    case TPropKind::Float:
    case TPropKind::Extended:
        return Value(static_cast<double>(GetFloat(obj)));
    case TPropKind::String:
    case TPropKind::StringList:
        return Value(GetText(obj));
    case TPropKind::WideString:
        return Value(GetWideString(obj));
    case TPropKind::WideStrings:
        return Value(WideStrings(obj).Text());
    case TPropKind::Object:
        return Value(static_cast<TObject*>(GetObject(obj)));
    case TPropKind::Reference: {
        TComponent* c = GetReference(obj);
        return c ? Value(static_cast<TObject*>(c)) : Value::Null();
    }
    case TPropKind::Variant:
        return GetVariant(obj);
    }
    ThrowKind("value");
}

void TPropInfo::SetValue(TPersistent& obj, const Value& value) const
{
    const bool text = value.Kind() == ValueKind::String || value.Kind() == ValueKind::WideString;
    switch (FKind) {
    case TPropKind::Boolean:
    case TPropKind::Integer:
    case TPropKind::Enumeration:
    case TPropKind::Set:
    case TPropKind::Color:
        text ? SetText(obj, ValueText(value)) : SetOrdinal(obj, ValueToOrdinal(value));
        return;
    case TPropKind::Float:
    case TPropKind::Extended:
        text ? SetText(obj, ValueText(value)) : SetFloat(obj, ValueToFloat(value));
        return;
    case TPropKind::String:
    case TPropKind::StringList:
        SetText(obj, ValueText(value));
        return;
    case TPropKind::WideString:
        SetWideString(obj, value.Kind() == ValueKind::WideString ? value.AsWideString()
                                                                 : Cp1252ToUtf16(ValueText(value)));
        return;
    case TPropKind::WideStrings:
        WideStrings(obj).SetText(value.Kind() == ValueKind::WideString ? value.AsWideString()
                                                                        : Cp1252ToUtf16(ValueText(value)));
        return;
    case TPropKind::Reference:
        if (value.IsNull() || value.IsEmpty()) {
            SetReference(obj, nullptr);
            return;
        }
        if (auto* c = dynamic_cast<TComponent*>(value.AsObject())) {
            SetReference(obj, c);
            return;
        }
        break;
    case TPropKind::Variant:
        SetVariant(obj, value);
        return;
    case TPropKind::Object:
        break;
    }
    throw Exception(FormatMessage(msg::ReadOnlyProperty, {FName}));
}

// --- TClassInfo ---

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent) : FName(std::move(name)), FParent(parent)
{
    if (parent) {
        FProps = parent->FProps;
        FCollections = parent->FCollections;
        FBinary = parent->FBinary;
    }
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const
{
    for (const TClassInfo* c = this; c; c = c->FParent)
        if (c == &other)
            return true;
    return false;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const
{
    for (const TPropInfo& p : FProps)
        if (SameText(p.Name(), name))
            return &p;
    return nullptr;
}

const TCollectionInfo* TClassInfo::FindCollection(std::string_view name) const
{
    for (const TCollectionInfo& c : FCollections)
        if (SameText(c.Name, name))
            return &c;
    return nullptr;
}

TComponent* TClassInfo::Create(TComponent* owner) const
{
    if (!FFactory)
        throw Exception(FormatMessage(msg::NotAComponentClass, {FName}));
    return FFactory(owner);
}

TPropInfo& TClassInfo::Add(TPropInfo prop)
{
    for (TPropInfo& p : FProps) {
        if (SameText(p.Name(), prop.Name())) {
            p = std::move(prop);
            return p;
        }
    }
    FProps.push_back(std::move(prop));
    return FProps.back();
}

void TClassInfo::Hide(std::string_view name)
{
    std::erase_if(FProps, [name](const TPropInfo& p) { return SameText(p.Name(), name); });
}

// --- class registry ---

void RegisterClass(const TClassInfo& cls)
{
    ClassTable& table = RawClasses();
    std::lock_guard lock(table.Lock);
    for (const TClassInfo*& c : table.Classes) {
        if (SameText(c->Name(), cls.Name())) {
            c = &cls;
            return;
        }
    }
    table.Classes.push_back(&cls);
}

const TClassInfo* FindClass(std::string_view name)
{
    ClassTable& table = Classes();
    std::lock_guard lock(table.Lock);
    for (const TClassInfo* c : table.Classes)
        if (SameText(c->Name(), name))
            return c;
    return nullptr;
}

const TClassInfo& GetClass(std::string_view name)
{
    const TClassInfo* cls = FindClass(name);
    if (!cls)
        throw Exception(FormatMessage(msg::ClassNotFound, {name}));
    return *cls;
}

TComponent* CreateComponent(std::string_view className, TComponent* owner)
{
    return GetClass(className).Create(owner);
}

} // namespace orv
