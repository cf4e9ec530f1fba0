#include "data/DBDataSet.h"

#include "data/DataMessages.h"
#include "data/DataSetProperties.h"
#include "model/ModelText.h"
#include "model/WideStrings.h"
#include "platform/Exception.h"
#include "platform/StringsText.h"
#include "platform/Text.h"

#include <algorithm>
#include <istream>

namespace orv {

namespace {

using enum TFieldType;

// The width a field shows in, by its kind and size.
int DisplayWidthOf(TFieldType type, int size)
{
    switch (type) {
    case ftString:
        return size;
    case ftDateTime:
        return 20;
    case ftLargeint:
        return 15;
    default:
        return 10;
    }
}

TfrxFieldType FieldTypeOf(TFieldType type)
{
    switch (type) {
    case ftString:
    case ftMemo:
        return fftString;
    case ftBoolean:
        return fftBoolean;
    case ftDate:
    case ftTime:
    case ftDateTime:
        return fftTemporal;
    default:
        return fftNumeric;
    }
}

// A non-null field's value as the report reads it.
Value FieldValue(const TZField& field, bool bcdToCurrency)
{
    switch (field.DataType()) {
    case ftBCD:
        if (bcdToCurrency)
            return Currency{field.AsCurrency()};
        return field.AsFloat();
    case ftLargeint:
        return field.AsLargeInt();
    case ftSmallint:
    case ftInteger:
        return field.AsInteger();
    case ftBoolean:
        return field.AsLargeInt() != 0;
    case ftFloat:
        return field.AsFloat();
    case ftDate:
    case ftTime:
    case ftDateTime:
        return DateTime{field.AsDateTime()};
    default:
        return field.AsBytes();
    }
}

} // namespace

// --- TfrxCustomDBDataSet ---

const TClassInfo& TfrxCustomDBDataSet::StaticClass()
{
    static const auto info =
        MakeClass<TfrxCustomDBDataSet>("TfrxCustomDBDataSet", &TfrxDataSet::StaticClass(), [](auto& b) {
            using D = TfrxCustomDBDataSet;
            b.Strings("FieldAliases", [](D& d) -> TStringList& { return d.FieldAliases; });
            b.Boolean("CloseDataSource", &D::CloseDataSource).WithDefault(false);
            b.Boolean("OpenDataSource", &D::OpenDataSource).WithDefault(true);
            AddEventProperty(b, "OnClose", &D::OnClose);
            AddEventProperty(b, "OnOpen", &D::OnOpen);
        });
    return *info;
}

int TfrxCustomDBDataSet::FieldsCount()
{
    TStringList list;
    GetFieldList(list);
    return static_cast<int>(list.Count());
}

std::string TfrxCustomDBDataSet::RealFieldName(std::string_view name) const
{
    for (std::size_t i = 0; i < FieldAliases.Count(); ++i)
        if (SameText(FieldAliases.ValueFromIndex(i), name))
            return FieldAliases.Names(i);
    return std::string(name);
}

namespace {

bool NameBefore(const std::string& a, std::string_view b)
{
    return LowerCase(a) < LowerCase(b);
}

} // namespace

void TfrxCustomDBDataSet::SetFieldMap(std::vector<TfrxFieldMapEntry> entries)
{
    // A stable sort keeps the first of names that differ in letter case only.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& a, const auto& b) { return NameBefore(a.Name, b.Name); });
    auto same = [](const auto& a, const auto& b) { return SameText(a.Name, b.Name); };
    entries.erase(std::unique(entries.begin(), entries.end(), same), entries.end());
    FFieldMap = std::move(entries);
}

auto TfrxCustomDBDataSet::FindInFieldMap(std::string_view name) const -> const TfrxFieldMapEntry*
{
    auto it = std::lower_bound(FFieldMap.begin(), FFieldMap.end(), name,
                               [](const TfrxFieldMapEntry& e, std::string_view n) { return NameBefore(e.Name, n); });
    return it != FFieldMap.end() && SameText(it->Name, name) ? &*it : nullptr;
}

// --- TfrxDBDataset: binding and attachment ---

const TClassInfo& TfrxDBDataset::StaticClass()
{
    static const auto info = MakeClass<TfrxDBDataset>("TfrxDBDataset", &TfrxCustomDBDataSet::StaticClass(), [](auto& b) {
        using D = TfrxDBDataset;
        b.Reference("DataSet", &TZQueryComponent::StaticClass, &D::DataSet, &D::SetDataSet);
        b.Reference("DataSource", &TDataSource::StaticClass, &D::DataSource, &D::SetDataSource);
        b.Boolean("BCDToCurrency", &D::BCDToCurrency).WithDefault(false);
        b.Creatable();
    });
    return *info;
}

TfrxDBDataset::~TfrxDBDataset()
{
    RestoreSourceHandlers();
}

void TfrxDBDataset::SetDataSet(TZQueryComponent* value)
{
    FDataSet.Set(value);
    FDataSource.Set(nullptr);
}

void TfrxDBDataset::SetDataSource(TDataSource* value)
{
    FDataSource.Set(value);
    FDataSet.Set(nullptr);
}

TZQueryComponent* TfrxDBDataset::ConfiguredSource() const
{
    if (TZQueryComponent* ds = DataSet())
        return ds;
    return DataSource() ? DataSource()->DataSet() : nullptr;
}

TZQueryComponent* TfrxDBDataset::Source() const
{
    return FHooked ? FSource.Get() : ConfiguredSource();
}

void TfrxDBDataset::Attach()
{
    TZQueryComponent* source = ConfiguredSource();
    if (!source)
        throw Exception(FormatMessage(datamsg::NotConnected, {Name()}));
    // The handlers kept are those the source had before the first attach:
    // taking our own again would make the open notification call itself.
    if (!FHooked || FSource.Get() != source) {
        RestoreSourceHandlers();
        FSavedAfterOpen = source->AfterOpen;
        FSavedBeforeClose = source->BeforeClose;
        source->AfterOpen = [this](TZQuery& q) { SourceOpened(&q); };
        source->BeforeClose = [this](TZQuery& q) { SourceClosing(&q); };
        FSource.Set(source);
        FHooked = true;
    }
    FRangeEnded = false;
    FOpened = false;
}

void TfrxDBDataset::RestoreSourceHandlers()
{
    if (!FHooked)
        return;
    if (TZQueryComponent* source = FSource.Get()) {
        source->AfterOpen = std::move(FSavedAfterOpen);
        source->BeforeClose = std::move(FSavedBeforeClose);
    }
    FSavedAfterOpen = nullptr;
    FSavedBeforeClose = nullptr;
    FSource.Set(nullptr);
    FHooked = false;
}

void TfrxDBDataset::Detach()
{
    TZQueryComponent* source = FHooked ? FSource.Get() : nullptr;
    if (!source) {
        RestoreSourceHandlers();
        return;
    }
    if (FBookmark && source->BookmarkValid(*FBookmark))
        source->GotoBookmark(*FBookmark);
    FBookmark.reset();
    if (CloseDataSource)
        Close();
    RestoreSourceHandlers();
    FOpened = false;
}

void TfrxDBDataset::SourceOpened(TZQuery* sender)
{
    TStringList names;
    GetFieldList(names);
    TZQueryComponent* source = Source();
    std::vector<TfrxFieldMapEntry> entries;
    for (const std::string& name : names.Lines()) {
        std::string real = RealFieldName(name);
        const bool has = source && source->FindField(real);
        entries.push_back({name, std::move(real), has});
    }
    SetFieldMap(std::move(entries));
    if (sender && FSavedAfterOpen)
        FSavedAfterOpen(*sender);
}

void TfrxDBDataset::SourceClosing(TZQuery* sender)
{
    if (sender && FSavedBeforeClose)
        FSavedBeforeClose(*sender);
    FBookmark.reset();
    FOpened = false;
}

// --- TfrxDBDataset: opening and navigation ---

void TfrxDBDataset::Open()
{
    if (FOpened)
        return;
    TZQueryComponent* source = Source();
    if (!source)
        throw Exception(FormatMessage(datamsg::NotConnected, {Name()}));
    FOpened = true;
    try {
        source->Open();
    } catch (...) {
        FOpened = false;
        throw;
    }
    SourceOpened(nullptr);
    if (RangeBegin == rbCurrent || RangeEnd == reCurrent)
        FBookmark = source->GetBookmark();
    else
        FBookmark.reset();
    TfrxDataSet::Open();
}

TZQueryComponent& TfrxDBDataset::OpenSource()
{
    Open();
    return *Source();
}

void TfrxDBDataset::Close()
{
    TfrxDataSet::Close();
    SourceClosing(nullptr);
    if (TZQueryComponent* source = Source())
        source->Close();
}

void TfrxDBDataset::First()
{
    TZQueryComponent& source = OpenSource();
    // An empty source leaves no record to go back to.
    if (RangeBegin == rbCurrent && FBookmark && source.BookmarkValid(*FBookmark))
        source.GotoBookmark(*FBookmark);
    else
        source.First();
    FRangeEnded = false;
    TfrxDataSet::First();
}

void TfrxDBDataset::Next()
{
    TZQueryComponent& source = OpenSource();
    FRangeEnded = false;
    if (RangeEnd == reCurrent && FBookmark && source.GetBookmark() == *FBookmark) {
        FRangeEnded = true;
        return;
    }
    source.Next();
    TfrxDataSet::Next();
}

void TfrxDBDataset::Prior()
{
    OpenSource().Prior();
    TfrxDataSet::Prior();
}

bool TfrxDBDataset::Eof()
{
    TZQueryComponent& source = OpenSource();
    const bool rangeEof = TfrxDataSet::Eof();
    return rangeEof || source.Eof() || FRangeEnded;
}

int TfrxDBDataset::RecordCount()
{
    return OpenSource().RecordCount();
}

// --- TfrxDBDataset: fields ---

void TfrxDBDataset::GetFieldList(TStringList& list)
{
    list.Clear();
    if (FieldAliases.Count() > 0) {
        for (std::size_t i = 0; i < FieldAliases.Count(); ++i) {
            const std::string alias = FieldAliases.ValueFromIndex(i);
            if (!alias.empty() && !FieldAliases.Names(i).starts_with('-'))
                list.Add(alias);
        }
        return;
    }
    TZQueryComponent* source = Source();
    if (!source)
        return;
    if (source->Active()) {
        for (std::string& name : source->FieldNames())
            list.Add(std::move(name));
        return;
    }
    try {
        for (TFieldDef& def : source->FieldDefs())
            list.Add(std::move(def.Name));
    } catch (const Exception&) {
        list.Clear();
    }
}

std::string TfrxDBDataset::NotFoundText(std::string_view field) const
{
    return std::string(datamsg::FieldNotFound) + " " + UserName() + ".\"" + std::string(field) + "\"";
}

TZField* TfrxDBDataset::EntryField(const TfrxFieldMapEntry* entry) const
{
    TZQueryComponent* source = Source();
    return entry && entry->HasField && source ? source->FindField(entry->RealName) : nullptr;
}

// A name outside the map, and an alias whose real field the source lacks,
// both read as a field that is not found.
TZField* TfrxDBDataset::MappedField(std::string_view field)
{
    TZField* found = EntryField(FindInFieldMap(field));
    if (!found)
        ReportError(NotFoundText(field));
    return found;
}

TZField* TfrxDBDataset::RealField(std::string_view field)
{
    TZQueryComponent* source = Source();
    return source && source->Active() ? source->FindField(RealFieldName(field)) : nullptr;
}

std::optional<TFieldDef> TfrxDBDataset::RealFieldDef(std::string_view field)
{
    TZQueryComponent* source = Source();
    if (!source)
        return std::nullopt;
    const std::string real = RealFieldName(field);
    try {
        for (TFieldDef& def : source->FieldDefs())
            if (SameText(def.Name, real))
                return std::move(def);
    } catch (const Exception&) {
    }
    return std::nullopt;
}

orv::Value TfrxDBDataset::Value(std::string_view field)
{
    Open();
    const TZField* f = MappedField(field);
    if (!f || f->IsNull())
        return orv::Value::Null();
    return FieldValue(*f, BCDToCurrency);
}

std::u16string TfrxDBDataset::DisplayText(std::string_view field)
{
    TZQueryComponent& source = OpenSource();
    if (!source.Active())
        return Cp1252ToUtf16(UserName() + ".\"" + std::string(field) + "\"");
    if (FieldMapEmpty())
        return Cp1252ToUtf16(source.FieldByName(field).AsString());
    if (const TZField* f = MappedField(field))
        return Cp1252ToUtf16(f->AsString());
    return Cp1252ToUtf16(NotFoundText(field));
}

int TfrxDBDataset::DisplayWidth(std::string_view field)
{
    if (const TZField* f = RealField(field))
        return DisplayWidthOf(f->DataType(), f->Size());
    if (std::optional<TFieldDef> def = RealFieldDef(field))
        return DisplayWidthOf(def->DataType, def->Size);
    return 10;
}

TfrxFieldType TfrxDBDataset::FieldType(std::string_view field)
{
    if (!Source())
        return fftNumeric;
    if (const TZField* f = RealField(field))
        return FieldTypeOf(f->DataType());
    if (std::optional<TFieldDef> def = RealFieldDef(field))
        return FieldTypeOf(def->DataType);
    return FieldTypeOf(ftInteger);
}

bool TfrxDBDataset::IsBlobField(std::string_view field)
{
    Open();
    const TZField* f = EntryField(FindInFieldMap(field));
    return f && f->IsBlob();
}

TZField* TfrxDBDataset::BlobField(std::string_view field)
{
    Open();
    const TfrxFieldMapEntry* entry = FindInFieldMap(field);
    if (!entry)
        throw Exception(NotFoundText(field));
    TZField* f = EntryField(entry);
    return f && f->IsBlob() ? f : nullptr;
}

void TfrxDBDataset::CopyBlobTo(std::string_view field, TWideStrings& target)
{
    const TZField* f = BlobField(field);
    if (!f)
        return;
    TStringList lines;
    SetStringsText(lines, f->AsBytes());
    target.Clear();
    for (const std::string& line : lines.Lines())
        target.Add(Cp1252ToUtf16(line));
}

void TfrxDBDataset::CopyBlobTo(std::string_view field, std::iostream& target)
{
    const TZField* f = BlobField(field);
    if (!f)
        return;
    const std::string bytes = f->AsBytes();
    target.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    target.seekg(0);
    target.seekp(0);
}

} // namespace orv
