// The query component: a statement with named parameters run on a
// TZConnection, its rows fetched whole into memory for navigation in both
// directions, bookmarks, and fields read by name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class TZConnection;
class TZQuery;

enum class TFieldType {
    ftUnknown, ftString, ftSmallint, ftInteger, ftLargeint, ftBoolean, ftFloat,
    ftBCD,  // exact decimal: a scaled integer with Size decimal places
    ftDate, ftTime, ftDateTime, ftMemo, ftBlob,
};

// What a column is: name (its alias in the statement), kind, size (characters
// of a text, decimal places of an exact decimal, else 0).
struct TFieldDef {
    std::string Name;
    TFieldType DataType = TFieldType::ftUnknown;
    int Size = 0;
};

// One stored value. Integers, exact decimals (scaled), Booleans and
// date-times (ticks of 1/10000 s since 30 December 1899) live in Int;
// floating-point values in Float; texts and blobs in Bytes.
struct TZCell {
    bool Null = true;
    std::int64_t Int = 0;
    double Float = 0;
    std::string Bytes;
};

// A parameter value, bound as integer or text; NULL until set.
class TZParam {
public:
    enum class Kind { Null, Integer, Text };
    explicit TZParam(std::string name) : FName(std::move(name)) {}

    const std::string& Name() const { return FName; }
    Kind ValueKind() const { return FKind; }
    std::int64_t AsInteger() const { return FInteger; }
    const std::string& AsString() const { return FText; }

    void SetAsInteger(std::int64_t value);
    void SetAsString(std::string_view value);
    void Clear();

private:
    std::string FName;
    Kind FKind = Kind::Null;
    std::int64_t FInteger = 0;
    std::string FText;
};

// A column of the open query, read at the current record.
class TZField {
public:
    TZField(const TZQuery& query, std::size_t index, TFieldDef def);

    const std::string& FieldName() const { return FDef.Name; }
    TFieldType DataType() const { return FDef.DataType; }
    int Size() const { return FDef.Size; }
    bool IsBlob() const;
    bool IsNull() const;

    // A null value reads as the empty text, 0 or the empty blob. Numbers,
    // dates and times read as text by the process's format settings.
    std::string AsString() const;
    std::int32_t AsInteger() const;
    std::int64_t AsLargeInt() const;
    double AsFloat() const;
    long double AsExtended() const;
    double AsDateTime() const;            // days since 30 December 1899
    std::int64_t AsCurrency() const;      // fixed point, four decimals
    std::string AsBytes() const;

private:
    const TZCell& Cell() const;

    const TZQuery& FQuery;
    std::size_t FIndex;
    TFieldDef FDef;
};

// A record position that can be returned to while the query stays open.
struct TBookmark {
    std::size_t Row = 0;
    bool operator==(const TBookmark&) const = default;
};

class TZQuery {
public:
    explicit TZQuery(TZConnection& connection);
    ~TZQuery();
    TZQuery(const TZQuery&) = delete;
    TZQuery& operator=(const TZQuery&) = delete;

    TZConnection& Connection() const { return FConnection; }

    // Setting the text closes the query; parameters keep their values by name.
    void SetSQL(std::string_view text);
    const std::string& SQL() const { return FSQL; }
    // Names compare without letter case.
    TZParam& ParamByName(std::string_view name);
    const std::vector<TZParam>& Params() const { return FParams; }

    // Runs the statement and fetches every row; opens the connection first
    // when it is closed. Nothing when already open.
    void Open();
    void Close();
    bool Active() const { return FActive; }
    // Runs a statement that returns no rows.
    void ExecSQL();

    // Called after every open and before every close.
    std::function<void(TZQuery&)> AfterOpen;
    std::function<void(TZQuery&)> BeforeClose;

    void First();
    void Next();
    void Prior();
    void Last();
    bool Eof() const { return FEof; }
    bool Bof() const { return FBof; }
    bool IsEmpty() const { return FRows.empty(); }
    int RecordCount() const { return static_cast<int>(FRows.size()); }
    int RecNo() const;  // from 1; 0 when there is no record

    TBookmark GetBookmark() const;
    bool BookmarkValid(const TBookmark& bookmark) const;
    void GotoBookmark(const TBookmark& bookmark);

    std::size_t FieldCount() const { return FFields.size(); }
    TZField& Fields(std::size_t index) { return FFields.at(index); }
    // Names compare without letter case; FindField gives nullptr for an unknown name.
    TZField* FindField(std::string_view name);
    TZField& FieldByName(std::string_view name);
    std::vector<std::string> FieldNames() const;
    // The columns of the statement, described by the server without running
    // it when the query is closed.
    std::vector<TFieldDef> FieldDefs();

    // The stored value of a column at the current record; null when there is none.
    const TZCell& CurrentCell(std::size_t column) const;

private:
    void CheckActive() const;
    void Navigate(std::size_t row, bool bof, bool eof);

    TZConnection& FConnection;
    std::string FSQL;
    std::vector<TZParam> FParams;
    bool FActive = false;
    std::vector<TFieldDef> FDefs;
    std::vector<TZField> FFields;
    std::vector<std::vector<TZCell>> FRows;
    std::size_t FRow = 0;
    bool FBof = true;
    bool FEof = true;
};

} // namespace orv
