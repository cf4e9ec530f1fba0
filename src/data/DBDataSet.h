// Report datasets over a database query: field aliases decide which fields
// the report sees and under which names; TfrxDBDataset binds the query (or a
// data source pointing at one) and wraps its navigation and values.
#pragma once

#include "data/DataSet.h"
#include "data/DataSources.h"
#include "platform/StringList.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orv {

class TfrxCustomDBDataSet : public TfrxDataSet {
public:
    using TfrxDataSet::TfrxDataSet;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    int FieldsCount() override;

    // Lines "real=alias"; a real name beginning with '-' hides the field.
    TStringList FieldAliases;
    bool CloseDataSource = false;
    bool OpenDataSource = true;

protected:
    // A name the report can read and the source field it reads from, if the
    // source has one.
    struct TfrxFieldMapEntry {
        std::string Name;
        std::string RealName;
        bool HasField = false;
    };

    // The real field name of an alias: the first line whose alias part
    // matches (letter case ignored), else the name itself.
    std::string RealFieldName(std::string_view name) const;
    // Sorted by name without letter case; duplicates dropped.
    void SetFieldMap(std::vector<TfrxFieldMapEntry> entries);
    const TfrxFieldMapEntry* FindInFieldMap(std::string_view name) const;
    bool FieldMapEmpty() const { return FFieldMap.empty(); }
    void ClearFieldMap() { FFieldMap.clear(); }

private:
    std::vector<TfrxFieldMapEntry> FFieldMap;
};

class TfrxDBDataset : public TfrxCustomDBDataSet {
public:
    using TfrxCustomDBDataSet::TfrxCustomDBDataSet;
    ~TfrxDBDataset() override;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    TZQueryComponent* DataSet() const { return FDataSet.Get(); }
    // Clears DataSource.
    void SetDataSet(TZQueryComponent* value);
    TDataSource* DataSource() const { return FDataSource.Get(); }
    // Clears DataSet.
    void SetDataSource(TDataSource* value);

    // Takes the source and puts the dataset's open and close notifications
    // in place of the source's own, which it keeps to call on and to give
    // back at Detach. Attaching again while attached changes nothing.
    void Attach() override;
    void Detach() override;
    void Open() override;
    void Close() override;
    void First() override;
    void Next() override;
    void Prior() override;
    bool Eof() override;

    std::u16string DisplayText(std::string_view field) override;
    int DisplayWidth(std::string_view field) override;
    TfrxFieldType FieldType(std::string_view field) override;
    orv::Value Value(std::string_view field) override;
    bool IsBlobField(std::string_view field) override;
    int RecordCount() override;
    void CopyBlobTo(std::string_view field, TWideStrings& target) override;
    void CopyBlobTo(std::string_view field, std::iostream& target) override;
    void GetFieldList(TStringList& list) override;

    bool BCDToCurrency = false;

private:
    // The source in use: the attached one, else the one set now.
    TZQueryComponent* Source() const;
    TZQueryComponent* ConfiguredSource() const;
    TZQueryComponent& OpenSource();
    void SourceOpened(TZQuery* sender);
    void SourceClosing(TZQuery* sender);
    void RestoreSourceHandlers();
    // The source field of a name the report reads, or none (an error is
    // recorded for a name that has no field).
    TZField* MappedField(std::string_view field);
    std::string NotFoundText(std::string_view field) const;
    // The source field behind a map entry, or none.
    TZField* EntryField(const TfrxFieldMapEntry* entry) const;
    // The blob field of a name: a name outside the map is an error; a name
    // without a field, or a field that is not a blob, gives none.
    TZField* BlobField(std::string_view field);
    // The field of the name's real field name, while the source is open.
    TZField* RealField(std::string_view field);
    std::optional<TFieldDef> RealFieldDef(std::string_view field);

    TComponentLink<TZQueryComponent> FDataSet;
    TComponentLink<TDataSource> FDataSource;
    TComponentLink<TZQueryComponent> FSource;
    bool FHooked = false;
    std::function<void(TZQuery&)> FSavedAfterOpen;
    std::function<void(TZQuery&)> FSavedBeforeClose;
    std::optional<TBookmark> FBookmark;
    bool FOpened = false;
    bool FRangeEnded = false;
};

} // namespace orv
