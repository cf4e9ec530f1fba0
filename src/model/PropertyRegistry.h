// The published properties of every model class, described once as data:
// name, kind, declared default, storing rule and how to read and write the
// value (typed, as text, or as a script Value). The serializer walks these
// descriptions to write and read template attributes; the expression
// evaluator walks them to reach object properties by name.
#pragma once

#include "model/Sets.h"
#include "script/Value.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace orv {

class TPersistent;
class TComponent;
class TStringList;
class TWideStrings;
class TfrxCollection;
class TClassInfo;

enum class TPropKind {
    Integer,     // 32-bit signed
    Float,       // double
    Extended,    // long double: positions, sizes, millimetres
    Boolean,     // written as False / True
    Enumeration, // written as the member name
    Set,         // written as the bit mask of its members
    Color,       // 32-bit colour value
    String,      // 8-bit text
    WideString,  // UTF-16 text
    StringList,  // a list of 8-bit lines, written whole as ".Text"
    WideStrings, // a memo's UTF-16 lines, written by the memo itself
    Object,      // a nested object with properties of its own (font, frame...)
    Reference,   // another component, written by name
    Variant,     // any script Value
};

const char* PropKindName(TPropKind kind);

// The member names of an enumeration or set type, by ordinal.
class TEnumInfo {
public:
    TEnumInfo(std::string typeName, std::vector<std::string> members);
    const std::string& TypeName() const { return FTypeName; }
    const std::vector<std::string>& Members() const { return FMembers; }
    // Ordinal of a member name ignoring letter case, or -1.
    int IndexOf(std::string_view member) const;
    std::uint32_t AllBits() const;

private:
    std::string FTypeName;
    std::vector<std::string> FMembers;
};

const TEnumInfo& BooleanEnum(); // False, True

struct TOrdinalAccess {
    std::function<std::int64_t(const TPersistent&)> Get;
    std::function<void(TPersistent&, std::int64_t)> Set;
};
struct TFloatAccess {
    std::function<long double(const TPersistent&)> Get;
    std::function<void(TPersistent&, long double)> Set;
};
struct TStringAccess {
    std::function<std::string(const TPersistent&)> Get;
    std::function<void(TPersistent&, const std::string&)> Set;
};
struct TWideStringAccess {
    std::function<std::u16string(const TPersistent&)> Get;
    std::function<void(TPersistent&, const std::u16string&)> Set;
};
struct TStringListAccess {
    std::function<TStringList&(TPersistent&)> Get;
};
struct TWideStringsAccess {
    std::function<TWideStrings&(TPersistent&)> Get;
};
struct TObjectAccess {
    std::function<TPersistent*(TPersistent&)> Get;
};
struct TReferenceAccess {
    std::function<TComponent*(const TPersistent&)> Get;
    std::function<void(TPersistent&, TComponent*)> Set;
};
struct TVariantAccess {
    std::function<Value(const TPersistent&)> Get;
    std::function<void(TPersistent&, const Value&)> Set;
};

using TPropAccess = std::variant<TOrdinalAccess, TFloatAccess, TStringAccess, TWideStringAccess,
                                 TStringListAccess, TWideStringsAccess, TObjectAccess, TReferenceAccess,
                                 TVariantAccess>;

using TStoredFn = std::function<bool(const TPersistent&)>;
// A class's StaticClass: taken lazily, so that a class may refer to itself.
using TClassGetter = const TClassInfo& (*)();

class TPropInfo {
public:
    TPropInfo(std::string name, TPropKind kind, TPropAccess access);

    const std::string& Name() const { return FName; }
    TPropKind Kind() const { return FKind; }
    // Members of a Boolean, enumeration or set property.
    const TEnumInfo* Enum() const { return FEnum; }
    // Class of the value of an object or reference property.
    const TClassInfo* ValueClass() const { return FValueClass ? &FValueClass() : nullptr; }

    // The declared default of an ordinal property: the serializer skips a
    // value equal to it. Properties without one are written always.
    const std::optional<std::int64_t>& Default() const { return FDefault; }
    // The property's own storing rule: false when it is never stored, or
    // when its condition says the current value is not to be written.
    bool IsStored(const TPersistent& obj) const;
    bool IsNeverStored() const { return FNever; }
    bool IsOrdinal() const;
    bool IsFloat() const { return FKind == TPropKind::Float || FKind == TPropKind::Extended; }

    // Typed access; each fails when the property is of another kind.
    std::int64_t GetOrdinal(const TPersistent& obj) const;
    void SetOrdinal(TPersistent& obj, std::int64_t value) const; // checks the range
    long double GetFloat(const TPersistent& obj) const;
    void SetFloat(TPersistent& obj, long double value) const;
    std::string GetString(const TPersistent& obj) const;
    void SetString(TPersistent& obj, const std::string& value) const;
    std::u16string GetWideString(const TPersistent& obj) const;
    void SetWideString(TPersistent& obj, const std::u16string& value) const;
    TStringList& Strings(TPersistent& obj) const;
    TWideStrings& WideStrings(TPersistent& obj) const;
    // Object: the nested object; Reference: the referenced component (or none).
    TPersistent* GetObject(TPersistent& obj) const;
    TComponent* GetReference(const TPersistent& obj) const;
    // Fails when the component is not of the property's class.
    void SetReference(TPersistent& obj, TComponent* component) const;
    Value GetVariant(const TPersistent& obj) const;
    void SetVariant(TPersistent& obj, const Value& value) const;

    // Text form, independent of the locale: integers and set masks in
    // decimal, member names, floats with '.' (',' accepted when reading),
    // string lists as their whole text, references as the component's name.
    std::string GetText(TPersistent& obj) const;
    void SetText(TPersistent& obj, std::string_view text) const;

    // As a script Value: ordinals as Int32 (Booleans as Boolean), floats as
    // Double, nested objects and references as object references.
    Value GetValue(TPersistent& obj) const;
    void SetValue(TPersistent& obj, const Value& value) const;

    // Building.
    TPropInfo& WithDefault(std::int64_t value)
    {
        FDefault = value;
        return *this;
    }
    TPropInfo& Never()
    {
        FNever = true;
        return *this;
    }
    TPropInfo& StoredWhen(TStoredFn fn)
    {
        FStored = std::move(fn);
        return *this;
    }
    TPropInfo& OfEnum(const TEnumInfo& info)
    {
        FEnum = &info;
        return *this;
    }
    TPropInfo& OfClass(TClassGetter info)
    {
        FValueClass = info;
        return *this;
    }

private:
    template <class A>
    const A& Access() const;
    [[noreturn]] void ThrowKind(const char* wanted) const;
    void CheckOrdinal(std::int64_t value) const;

    std::string FName;
    TPropKind FKind;
    TPropAccess FAccess;
    const TEnumInfo* FEnum = nullptr;
    TClassGetter FValueClass = nullptr;
    std::optional<std::int64_t> FDefault;
    bool FNever = false;
    TStoredFn FStored;
};

// A collection that a class writes as a child element of its own
// (the report's Datasets, Variables, Styles; a memo's Formats, Highlights),
// once it holds at least WrittenFrom items.
struct TCollectionInfo {
    std::string Name;
    std::function<TfrxCollection&(TPersistent&)> Get;
    std::size_t WrittenFrom = 1;
};

// Data that a class keeps outside its published properties, written as a
// binary block (a picture's "Data"). Read gives the empty text when there is
// nothing to store.
struct TBinaryPropInfo {
    std::string Name;
    std::function<std::string(const TPersistent&)> Read;
    std::function<void(TPersistent&, std::string_view)> Write;
};

class TClassInfo {
public:
    using TFactory = std::function<TComponent*(TComponent* owner)>;

    // Starts with the parent's properties, collections and binary data.
    TClassInfo(std::string name, const TClassInfo* parent);
    TClassInfo(const TClassInfo&) = delete;
    TClassInfo& operator=(const TClassInfo&) = delete;

    const std::string& Name() const { return FName; }
    const TClassInfo* Parent() const { return FParent; }
    bool InheritsFrom(const TClassInfo& other) const;

    // Published properties in the order they are written: base classes first.
    const std::vector<TPropInfo>& Properties() const { return FProps; }
    // By name, ignoring letter case; none when the class does not publish it.
    const TPropInfo* FindProperty(std::string_view name) const;
    const std::vector<TCollectionInfo>& Collections() const { return FCollections; }
    const TCollectionInfo* FindCollection(std::string_view name) const;
    const std::vector<TBinaryPropInfo>& BinaryProperties() const { return FBinary; }

    // Whether components of this class can be made by name.
    bool CanCreate() const { return static_cast<bool>(FFactory); }
    // Fails for abstract classes and classes that are not components.
    TComponent* Create(TComponent* owner) const;

    // Building. A property of an inherited name replaces it in its place.
    TPropInfo& Add(TPropInfo prop);
    // Drops an inherited property that this class does not publish.
    void Hide(std::string_view name);
    void SetFactory(TFactory factory) { FFactory = std::move(factory); }
    void AddCollection(TCollectionInfo info) { FCollections.push_back(std::move(info)); }
    void AddBinary(TBinaryPropInfo info) { FBinary.push_back(std::move(info)); }

private:
    std::string FName;
    const TClassInfo* FParent;
    std::vector<TPropInfo> FProps;
    std::vector<TCollectionInfo> FCollections;
    std::vector<TBinaryPropInfo> FBinary;
    TFactory FFactory;
};

// Fills a class description with typed accessors over a class C. Each
// method takes either a pointer to a data member of C or a getter and a
// setter callable over C.
template <class C>
class TClassBuilder {
public:
    explicit TClassBuilder(TClassInfo& info) : FInfo(info) {}

    template <class... A>
    TPropInfo& Integer(std::string name, A... access)
    {
        return Ordinal(TPropKind::Integer, std::move(name), access...);
    }
    template <class... A>
    TPropInfo& Color(std::string name, A... access)
    {
        return Ordinal(TPropKind::Color, std::move(name), access...);
    }
    template <class... A>
    TPropInfo& Boolean(std::string name, A... access)
    {
        return Ordinal(TPropKind::Boolean, std::move(name), access...).OfEnum(BooleanEnum());
    }
    template <class... A>
    TPropInfo& Enum(std::string name, const TEnumInfo& info, A... access)
    {
        return Ordinal(TPropKind::Enumeration, std::move(name), access...).OfEnum(info);
    }
    template <class... A>
    TPropInfo& Set(std::string name, const TEnumInfo& info, A... access)
    {
        return Ordinal(TPropKind::Set, std::move(name), access...).OfEnum(info);
    }
    template <class... A>
    TPropInfo& Float(std::string name, A... access)
    {
        return FloatProp(TPropKind::Float, std::move(name), access...);
    }
    template <class... A>
    TPropInfo& Extended(std::string name, A... access)
    {
        return FloatProp(TPropKind::Extended, std::move(name), access...);
    }

    template <class T, class B>
    TPropInfo& String(std::string name, T B::*field)
    {
        return String(std::move(name), Getter(field), Setter(field));
    }
    template <class G, class S>
    TPropInfo& String(std::string name, G get, S set)
    {
        return Add(std::move(name), TPropKind::String,
                   TStringAccess{[get](const TPersistent& o) { return std::string(std::invoke(get, Self(o))); },
                                 [set](TPersistent& o, const std::string& v) { std::invoke(set, Self(o), v); }});
    }
    template <class T, class B>
    TPropInfo& WideString(std::string name, T B::*field)
    {
        return WideString(std::move(name), Getter(field), Setter(field));
    }
    template <class G, class S>
    TPropInfo& WideString(std::string name, G get, S set)
    {
        return Add(std::move(name), TPropKind::WideString,
                   TWideStringAccess{[get](const TPersistent& o) { return std::u16string(std::invoke(get, Self(o))); },
                                     [set](TPersistent& o, const std::u16string& v) { std::invoke(set, Self(o), v); }});
    }
    template <class G>
    TPropInfo& Strings(std::string name, G get)
    {
        return Add(std::move(name), TPropKind::StringList,
                   TStringListAccess{[get](TPersistent& o) -> TStringList& { return std::invoke(get, Self(o)); }});
    }
    template <class G>
    TPropInfo& WideStrings(std::string name, G get)
    {
        return Add(std::move(name), TPropKind::WideStrings,
                   TWideStringsAccess{[get](TPersistent& o) -> TWideStrings& { return std::invoke(get, Self(o)); }});
    }
    // get: C& -> a pointer to an object derived from TPersistent.
    template <class G>
    TPropInfo& Object(std::string name, TClassGetter cls, G get)
    {
        return Add(std::move(name), TPropKind::Object,
                   TObjectAccess{[get](TPersistent& o) -> TPersistent* { return std::invoke(get, Self(o)); }})
            .OfClass(cls);
    }
    // A reference held in a TComponentLink<T> member; T names the class.
    template <class L, class B>
    TPropInfo& Reference(std::string name, L B::*field)
    {
        using T = std::remove_pointer_t<decltype((std::declval<L&>()).Get())>;
        return Reference(
            std::move(name), &T::StaticClass, [field](const C& c) { return (c.*field).Get(); },
            [field](C& c, T* v) { (c.*field).Set(v); });
    }
    // get: const C& -> T*; set: (C&, T*); cls is T's class.
    template <class G, class S>
    TPropInfo& Reference(std::string name, TClassGetter cls, G get, S set)
    {
        using T = std::remove_pointer_t<std::invoke_result_t<G, const C&>>;
        return Add(std::move(name), TPropKind::Reference,
                   TReferenceAccess{[get](const TPersistent& o) -> TComponent* { return std::invoke(get, Self(o)); },
                                    [set](TPersistent& o, TComponent* v) { std::invoke(set, Self(o), static_cast<T*>(v)); }})
            .OfClass(cls);
    }
    template <class G, class S>
    TPropInfo& Variant(std::string name, G get, S set)
    {
        return Add(std::move(name), TPropKind::Variant,
                   TVariantAccess{[get](const TPersistent& o) { return Value(std::invoke(get, Self(o))); },
                                  [set](TPersistent& o, const Value& v) { std::invoke(set, Self(o), v); }});
    }

    void Hide(std::string_view name) { FInfo.Hide(name); }
    void Collection(std::string name, std::function<TfrxCollection&(C&)> get, std::size_t writtenFrom = 1)
    {
        FInfo.AddCollection({std::move(name),
                             [get](TPersistent& o) -> TfrxCollection& { return std::invoke(get, Self(o)); },
                             writtenFrom});
    }
    void Binary(std::string name, std::function<std::string(const C&)> read,
                std::function<void(C&, std::string_view)> write)
    {
        FInfo.AddBinary({std::move(name), [read](const TPersistent& o) { return read(Self(o)); },
                         [write](TPersistent& o, std::string_view d) { write(Self(o), d); }});
    }
    // Components of C can be made by class name with an owner.
    void Creatable()
    {
        FInfo.SetFactory([](TComponent* owner) -> TComponent* { return new C(owner); });
    }

private:
    static const C& Self(const TPersistent& o) { return static_cast<const C&>(o); }
    static C& Self(TPersistent& o) { return static_cast<C&>(o); }

    // Fields may belong to a base class B of C.
    template <class T, class B>
    static auto Getter(T B::*field)
    {
        static_assert(std::is_base_of_v<B, C>);
        return [field](const C& c) -> const T& { return c.*field; };
    }
    template <class T, class B>
    static auto Setter(T B::*field)
    {
        return [field](C& c, const T& v) { c.*field = v; };
    }

    template <class T>
    static std::int64_t ToOrdinal(const T& v)
    {
        if constexpr (std::is_enum_v<T>)
            return static_cast<std::int64_t>(v);
        else if constexpr (std::is_integral_v<T>)
            return static_cast<std::int64_t>(v);
        else
            return static_cast<std::int64_t>(v.Mask()); // a TSet
    }
    template <class T>
    static T FromOrdinal(std::int64_t v)
    {
        if constexpr (std::is_same_v<T, bool>)
            return v != 0;
        else if constexpr (std::is_enum_v<T> || std::is_integral_v<T>)
            return static_cast<T>(v);
        else
            return T::FromMask(static_cast<std::uint32_t>(v));
    }

    template <class T, class B>
    TPropInfo& Ordinal(TPropKind kind, std::string name, T B::*field)
    {
        return Ordinal(kind, std::move(name), Getter(field), Setter(field));
    }
    template <class G, class S>
    TPropInfo& Ordinal(TPropKind kind, std::string name, G get, S set)
    {
        using T = std::decay_t<std::invoke_result_t<G, const C&>>;
        return Add(std::move(name), kind,
                   TOrdinalAccess{[get](const TPersistent& o) { return ToOrdinal<T>(std::invoke(get, Self(o))); },
                                  [set](TPersistent& o, std::int64_t v) { std::invoke(set, Self(o), FromOrdinal<T>(v)); }});
    }
    template <class T, class B>
    TPropInfo& FloatProp(TPropKind kind, std::string name, T B::*field)
    {
        return FloatProp(kind, std::move(name), Getter(field), Setter(field));
    }
    template <class G, class S>
    TPropInfo& FloatProp(TPropKind kind, std::string name, G get, S set)
    {
        using T = std::decay_t<std::invoke_result_t<G, const C&>>;
        return Add(std::move(name), kind,
                   TFloatAccess{[get](const TPersistent& o) { return static_cast<long double>(std::invoke(get, Self(o))); },
                                [set](TPersistent& o, long double v) { std::invoke(set, Self(o), static_cast<T>(v)); }});
    }

    TPropInfo& Add(std::string name, TPropKind kind, TPropAccess access)
    {
        return FInfo.Add(TPropInfo(std::move(name), kind, std::move(access)));
    }

    TClassInfo& FInfo;
};

// Describes class C, derived from parent: fill(builder) adds its own
// properties. Kept in a function-local static of C::StaticClass().
template <class C, class F>
std::unique_ptr<TClassInfo> MakeClass(std::string name, const TClassInfo* parent, F fill)
{
    auto info = std::make_unique<TClassInfo>(std::move(name), parent);
    TClassBuilder<C> b(*info);
    fill(b);
    return info;
}

// The process-wide table of classes that templates can name. The model's
// classes are registered on first use; further object kinds register their
// own classes when their module starts.
void RegisterClass(const TClassInfo& cls);
// By name, ignoring letter case; none when nobody registered it.
const TClassInfo* FindClass(std::string_view name);
// Fails with "Class <name> not found" when nobody registered it.
const TClassInfo& GetClass(std::string_view name);
// Makes a component of a registered class, with its owner (and parent).
// Fails clearly for an unknown name or a class that is not a component.
TComponent* CreateComponent(std::string_view className, TComponent* owner);

} // namespace orv
