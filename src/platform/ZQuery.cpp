#include "platform/ZQuery.h"

#include "platform/DateTimeFormat.h"
#include "platform/DbMessages.h"
#include "platform/Exception.h"
#include "platform/FormatMessages.h"
#include "platform/NumberFormat.h"
#include "platform/SqlParams.h"
#include "platform/Text.h"
#include "platform/ZConnection.h"
#include "platform/detail/FbStatement.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orv {
namespace {

using enum TFieldType;

constexpr std::int64_t kTicksPerDay = 864000000;  // 1/10000 s
constexpr int kCurrencyDecimals = 4;
constexpr double kInt64Bound = 9223372036854775808.0;  // 2^63

const TZCell kNullCell;

std::int64_t Pow10(int n) {
    std::int64_t p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

// value / divisor rounded to the nearest integer, halves to the even one.
std::int64_t DivRoundEven(std::int64_t value, std::int64_t divisor) {
    std::int64_t q = value / divisor, r = value % divisor;
    const std::int64_t twice = 2 * (r < 0 ? -r : r);
    if (twice > divisor || (twice == divisor && q % 2 != 0)) q += value < 0 ? -1 : 1;
    return q;
}

bool IsIntegerKind(TFieldType t) { return t == ftSmallint || t == ftInteger || t == ftLargeint || t == ftBoolean; }
bool IsTemporalKind(TFieldType t) { return t == ftDate || t == ftTime || t == ftDateTime; }
bool IsTextKind(TFieldType t) { return t == ftString || t == ftMemo || t == ftBlob; }

std::string TemporalToString(double value, TFieldType kind) {
    if (kind == ftDate) return DateToStr(value);
    if (kind == ftTime) return TimeToStr(value);
    return DateTimeToStr(value);
}

std::int64_t FloatToInteger(double value, const std::string& text) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -kInt64Bound && rounded < kInt64Bound))
        throw Exception(fmtmsg::FormatMessage(fmtmsg::InvalidInteger, text));
    return static_cast<std::int64_t>(rounded);
}

} // namespace

// --- TZParam ---

void TZParam::SetAsInteger(std::int64_t value) {
    FKind = Kind::Integer;
    FInteger = value;
    FText.clear();
}

void TZParam::SetAsString(std::string_view value) {
    FKind = Kind::Text;
    FText = value;
    FInteger = 0;
}

void TZParam::Clear() {
    FKind = Kind::Null;
    FInteger = 0;
    FText.clear();
}

// --- TZField ---

TZField::TZField(const TZQuery& query, std::size_t index, TFieldDef def)
    : FQuery(query), FIndex(index), FDef(std::move(def)) {}

const TZCell& TZField::Cell() const { return FQuery.CurrentCell(FIndex); }

bool TZField::IsBlob() const { return DataType() == ftMemo || DataType() == ftBlob; }

bool TZField::IsNull() const { return Cell().Null; }

std::string TZField::AsString() const {
    const TZCell& c = Cell();
    if (c.Null) return {};
    if (IsTextKind(DataType())) return c.Bytes;
    if (DataType() == ftBoolean) return c.Int ? "True" : "False";
    if (IsIntegerKind(DataType())) return std::to_string(c.Int);
    if (IsTemporalKind(DataType())) return TemporalToString(AsDateTime(), DataType());
    return FloatToStr(AsExtended());
}

std::int64_t TZField::AsLargeInt() const {
    const TZCell& c = Cell();
    if (c.Null) return 0;
    if (IsIntegerKind(DataType())) return c.Int;
    if (DataType() == ftBCD) return DivRoundEven(c.Int, Pow10(Size()));
    if (DataType() == ftFloat) return FloatToInteger(c.Float, AsString());
    return StrToInt64(AsString());
}

std::int32_t TZField::AsInteger() const {
    const std::int64_t value = AsLargeInt();
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        throw Exception(dbmsg::IntegerOverflow + FieldName());
    return static_cast<std::int32_t>(value);
}

long double TZField::AsExtended() const {
    const TZCell& c = Cell();
    if (c.Null) return 0;
    if (IsIntegerKind(DataType())) return static_cast<long double>(c.Int);
    if (DataType() == ftBCD) return static_cast<long double>(c.Int) / Pow10(Size());
    if (DataType() == ftFloat) return c.Float;
    if (IsTemporalKind(DataType())) return AsDateTime();
    return StrToFloat(c.Bytes);
}

double TZField::AsFloat() const {
    return static_cast<double>(AsExtended());
}

double TZField::AsDateTime() const {
    const TZCell& c = Cell();
    if (c.Null) return 0;
    if (!IsTemporalKind(DataType())) throw Exception(dbmsg::NotADateTime + FieldName());
    return static_cast<double>(static_cast<long double>(c.Int) / kTicksPerDay);
}

std::int64_t TZField::AsCurrency() const {
    const TZCell& c = Cell();
    if (c.Null) return 0;
    if (DataType() == ftBCD && Size() > kCurrencyDecimals) return DivRoundEven(c.Int, Pow10(Size() - kCurrencyDecimals));
    if (DataType() == ftBCD) return c.Int * Pow10(kCurrencyDecimals - Size());
    if (IsIntegerKind(DataType())) return c.Int * Pow10(kCurrencyDecimals);
    return FloatToInteger(AsFloat() * static_cast<double>(Pow10(kCurrencyDecimals)), AsString());
}

std::string TZField::AsBytes() const {
    return IsTextKind(DataType()) ? Cell().Bytes : AsString();
}

// --- TZQuery ---

TZQuery::TZQuery(TZConnection& connection) : FConnection(connection) {}

TZQuery::~TZQuery() = default;

void TZQuery::SetSQL(std::string_view text) {
    Close();
    FSQL = text;
    std::vector<TZParam> params;
    for (const std::string& name : ParseNamedParams(FSQL).Positions) {
        auto same = [&](const TZParam& p) { return SameText(p.Name(), name); };
        if (std::any_of(params.begin(), params.end(), same)) continue;
        auto old = std::find_if(FParams.begin(), FParams.end(), same);
        params.push_back(old != FParams.end() ? *old : TZParam(name));
    }
    FParams = std::move(params);
}

TZParam& TZQuery::ParamByName(std::string_view name) {
    for (TZParam& p : FParams)
        if (SameText(p.Name(), name)) return p;
    throw Exception(dbmsg::ParamNotFound + std::string(name));
}

namespace {

// The parameter at each marker of the parsed statement.
std::vector<const TZParam*> ParamsByPosition(TZQuery& query, const TParsedSql& parsed) {
    std::vector<const TZParam*> byPosition;
    for (const std::string& name : parsed.Positions) byPosition.push_back(&query.ParamByName(name));
    return byPosition;
}

} // namespace

void TZQuery::Open() {
    if (FActive) return;
    const TParsedSql parsed = ParseNamedParams(FSQL);
    detail::FbResult result = detail::FetchAll(FConnection.Attachment(), parsed.Sql, ParamsByPosition(*this, parsed));
    FDefs = std::move(result.Defs);
    FRows = std::move(result.Rows);
    FFields.clear();
    FFields.reserve(FDefs.size());
    for (std::size_t i = 0; i < FDefs.size(); ++i) FFields.emplace_back(*this, i, FDefs[i]);
    FActive = true;
    Navigate(0, true, FRows.empty());
    if (AfterOpen) AfterOpen(*this);
}

void TZQuery::Close() {
    if (!FActive) return;
    if (BeforeClose) BeforeClose(*this);
    FActive = false;
    FFields.clear();
    FRows.clear();
    Navigate(0, true, true);
}

void TZQuery::ExecSQL() {
    if (FActive) throw Exception(dbmsg::QueryOpen);
    const TParsedSql parsed = ParseNamedParams(FSQL);
    detail::Execute(FConnection.Attachment(), parsed.Sql, ParamsByPosition(*this, parsed));
}

void TZQuery::CheckActive() const {
    if (!FActive) throw Exception(dbmsg::QueryNotOpen);
}

void TZQuery::Navigate(std::size_t row, bool bof, bool eof) {
    FRow = row;
    FBof = bof;
    FEof = eof;
}

void TZQuery::First() {
    CheckActive();
    Navigate(0, true, FRows.empty());
}

void TZQuery::Last() {
    CheckActive();
    Navigate(FRows.empty() ? 0 : FRows.size() - 1, FRows.empty(), true);
}

// A step is taken only when the query is not already at that end; stepping
// past the last record sets Eof and stays on it, Prior mirrors that with Bof.
void TZQuery::Next() {
    CheckActive();
    if (FEof) return;
    if (FRow + 1 < FRows.size()) Navigate(FRow + 1, false, false);
    else Navigate(FRow, false, true);
}

void TZQuery::Prior() {
    CheckActive();
    if (FBof) return;
    if (FRow > 0) Navigate(FRow - 1, false, false);
    else Navigate(FRow, true, false);
}

int TZQuery::RecNo() const {
    return FActive && !FRows.empty() ? static_cast<int>(FRow) + 1 : 0;
}

TBookmark TZQuery::GetBookmark() const {
    CheckActive();
    return TBookmark{FRow};
}

bool TZQuery::BookmarkValid(const TBookmark& bookmark) const {
    return FActive && bookmark.Row < FRows.size();
}

void TZQuery::GotoBookmark(const TBookmark& bookmark) {
    CheckActive();
    if (!BookmarkValid(bookmark)) throw Exception(dbmsg::BadBookmark);
    Navigate(bookmark.Row, false, false);
}

TZField* TZQuery::FindField(std::string_view name) {
    for (TZField& f : FFields)
        if (SameText(f.FieldName(), name)) return &f;
    return nullptr;
}

TZField& TZQuery::FieldByName(std::string_view name) {
    if (TZField* f = FindField(name)) return *f;
    throw Exception(dbmsg::FieldNotFound + std::string(name));
}

std::vector<std::string> TZQuery::FieldNames() const {
    std::vector<std::string> names;
    for (const TZField& f : FFields) names.push_back(f.FieldName());
    return names;
}

std::vector<TFieldDef> TZQuery::FieldDefs() {
    if (FActive) return FDefs;
    return detail::Describe(FConnection.Attachment(), ParseNamedParams(FSQL).Sql);
}

const TZCell& TZQuery::CurrentCell(std::size_t column) const {
    if (!FActive || FRows.empty()) return kNullCell;
    return FRows[FRow].at(column);
}

} // namespace orv
