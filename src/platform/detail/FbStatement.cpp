#include "platform/detail/FbStatement.h"

#include "platform/DbMessages.h"
#include "platform/Exception.h"
#include "platform/Text.h"
#include "platform/detail/FbClient.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace orv::detail {
namespace {

using namespace Firebird;

constexpr unsigned kSqlDialect = 3;
constexpr unsigned kWin1252CharsetId = 53;
constexpr unsigned kMaxTextParamBytes = 32765;
constexpr std::size_t kMaxBlobBytes = std::size_t{64} << 20;
constexpr unsigned kBlobSegmentBytes = 32768;
constexpr std::int64_t kTicksPerDay = 864000000;    // a Firebird time counts 1/10000 s
constexpr std::int64_t kFirebirdDayOf18991230 = 15018;  // a Firebird date counts days from 17 November 1858

template <class T>
T Load(const unsigned char* p) {
    T value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

template <class T>
void Store(unsigned char* p, T value) {
    std::memcpy(p, &value, sizeof value);
}

// A column of the output message and what the query calls it.
struct Column {
    TFieldDef Def;
    unsigned Type = 0;
    unsigned Length = 0;
    unsigned Offset = 0;
    unsigned NullOffset = 0;
};

TFieldType KindOf(unsigned type, int scale, int subType) {
    using enum TFieldType;
    switch (type) {
    case SQL_TEXT: case SQL_VARYING: case SQL_NULL: return ftString;
    case SQL_SHORT: return scale < 0 ? ftBCD : ftSmallint;
    case SQL_LONG: return scale < 0 ? ftBCD : ftInteger;
    case SQL_INT64: return scale < 0 ? ftBCD : ftLargeint;
    case SQL_FLOAT: case SQL_DOUBLE: case SQL_D_FLOAT: return ftFloat;
    case SQL_TYPE_DATE: return ftDate;
    case SQL_TYPE_TIME: return ftTime;
    case SQL_TIMESTAMP: return ftDateTime;
    case SQL_BOOLEAN: return ftBoolean;
    case SQL_BLOB: return subType == isc_blob_text ? ftMemo : ftBlob;
    default: return ftUnknown;
    }
}

// A name not yet taken by `columns`: the alias itself, else with _1, _2, ... appended.
std::string UniqueName(const std::string& alias, const std::vector<Column>& columns) {
    auto taken = [&](const std::string& name) {
        return std::any_of(columns.begin(), columns.end(), [&](const Column& c) { return SameText(c.Def.Name, name); });
    };
    std::string name = alias;
    for (int n = 1; taken(name); ++n) name = alias + "_" + std::to_string(n);
    return name;
}

std::vector<Column> DescribeColumns(FbStatus& st, IMessageMetadata* meta) {
    std::vector<Column> columns;
    const unsigned count = meta->getCount(&st);
    for (unsigned i = 0; i < count; ++i) {
        Column c;
        c.Type = meta->getType(&st, i) & ~1u;
        c.Length = meta->getLength(&st, i);
        c.Offset = meta->getOffset(&st, i);
        c.NullOffset = meta->getNullOffset(&st, i);
        const int scale = meta->getScale(&st, i);
        c.Def.Name = UniqueName(meta->getAlias(&st, i), columns);
        c.Def.DataType = KindOf(c.Type, scale, meta->getSubType(&st, i));
        if (c.Def.DataType == TFieldType::ftUnknown) throw Exception(dbmsg::UnsupportedType + c.Def.Name);
        if (c.Def.DataType == TFieldType::ftString) c.Def.Size = static_cast<int>(c.Length);
        if (c.Def.DataType == TFieldType::ftBCD) c.Def.Size = -scale;
        columns.push_back(std::move(c));
    }
    return columns;
}

std::vector<TFieldDef> DefsOf(const std::vector<Column>& columns) {
    std::vector<TFieldDef> defs;
    for (const Column& c : columns) defs.push_back(c.Def);
    return defs;
}

std::string ReadBlob(FbStatus& st, FbAttachment& attachment, FbTransaction& transaction, ISC_QUAD id,
                     const std::string& field) {
    FbPtr<IBlob> blob(attachment.get()->openBlob(&st, transaction.get(), &id, 0, nullptr));
    std::string bytes;
    std::array<char, kBlobSegmentBytes> segment;
    unsigned got = 0;
    while (blob->getSegment(&st, kBlobSegmentBytes, segment.data(), &got) != IStatus::RESULT_NO_DATA) {
        bytes.append(segment.data(), got);
        if (bytes.size() > kMaxBlobBytes) throw Exception(dbmsg::BlobTooLarge + field);
    }
    EndInterface(blob, [](IBlob* b, FbStatus& s) { b->close(&s); });
    return bytes;
}

std::int64_t Ticks(ISC_DATE date, ISC_TIME time) {
    return (date - kFirebirdDayOf18991230) * kTicksPerDay + time;
}

void DecodeValue(TZCell& cell, const Column& c, const unsigned char* p) {
    switch (c.Type) {
    case SQL_TEXT: cell.Bytes.assign(reinterpret_cast<const char*>(p), c.Length); break;
    case SQL_VARYING: cell.Bytes.assign(reinterpret_cast<const char*>(p) + 2, Load<ISC_USHORT>(p)); break;
    case SQL_SHORT: cell.Int = Load<ISC_SHORT>(p); break;
    case SQL_LONG: cell.Int = Load<ISC_LONG>(p); break;
    case SQL_INT64: cell.Int = Load<ISC_INT64>(p); break;
    case SQL_BOOLEAN: cell.Int = *p != 0; break;
    case SQL_FLOAT: cell.Float = Load<float>(p); break;
    case SQL_DOUBLE: case SQL_D_FLOAT: cell.Float = Load<double>(p); break;
    case SQL_TYPE_DATE: cell.Int = Ticks(Load<ISC_DATE>(p), 0); break;
    case SQL_TYPE_TIME: cell.Int = Load<ISC_TIME>(p); break;
    case SQL_TIMESTAMP: {
        const auto ts = Load<ISC_TIMESTAMP>(p);
        cell.Int = Ticks(ts.timestamp_date, ts.timestamp_time);
        break;
    }
    case SQL_NULL: cell.Null = true; break;
    }
}

std::vector<TZCell> DecodeRow(FbStatus& st, FbAttachment& attachment, FbTransaction& transaction,
                              const std::vector<Column>& columns, const unsigned char* message) {
    std::vector<TZCell> row(columns.size());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const Column& c = columns[i];
        if (Load<ISC_SHORT>(message + c.NullOffset) != 0) continue;
        row[i].Null = false;
        if (c.Type == SQL_BLOB)
            row[i].Bytes = ReadBlob(st, attachment, transaction, Load<ISC_QUAD>(message + c.Offset), c.Def.Name);
        else
            DecodeValue(row[i], c, message + c.Offset);
    }
    return row;
}

// The parameters in the types they are bound with, and their values.
struct InputMessage {
    FbPtr<IMessageMetadata> Meta;
    std::vector<unsigned char> Buffer;
};

TZParam::Kind KindAt(const std::vector<const TZParam*>& params, unsigned i) {
    return i < params.size() && params[i] ? params[i]->ValueKind() : TZParam::Kind::Null;
}

void Retype(FbStatus& st, IMetadataBuilder* builder, IMessageMetadata* described, unsigned i,
            const std::vector<const TZParam*>& params) {
    switch (KindAt(params, i)) {
    case TZParam::Kind::Integer:
        builder->setType(&st, i, SQL_INT64 + 1);
        builder->setLength(&st, i, sizeof(ISC_INT64));
        builder->setScale(&st, i, 0);
        break;
    case TZParam::Kind::Text: {
        const std::size_t size = params[i]->AsString().size();
        if (size > kMaxTextParamBytes) throw Exception(dbmsg::TextParamTooLong + params[i]->Name());
        builder->setType(&st, i, SQL_VARYING + 1);
        builder->setLength(&st, i, std::max(1u, static_cast<unsigned>(size)));
        builder->setScale(&st, i, 0);
        builder->setCharSet(&st, i, kWin1252CharsetId);
        break;
    }
    case TZParam::Kind::Null:
        builder->setType(&st, i, described->getType(&st, i) | 1u);
        break;
    }
}

void StoreValue(FbStatus& st, InputMessage& in, unsigned i, const std::vector<const TZParam*>& params) {
    unsigned char* value = in.Buffer.data() + in.Meta->getOffset(&st, i);
    unsigned char* null = in.Buffer.data() + in.Meta->getNullOffset(&st, i);
    const TZParam::Kind kind = KindAt(params, i);
    Store<ISC_SHORT>(null, kind == TZParam::Kind::Null ? -1 : 0);
    if (kind == TZParam::Kind::Integer) Store<ISC_INT64>(value, params[i]->AsInteger());
    if (kind == TZParam::Kind::Text) {
        const std::string& text = params[i]->AsString();
        Store<ISC_USHORT>(value, static_cast<ISC_USHORT>(text.size()));
        std::memcpy(value + 2, text.data(), text.size());
    }
}

InputMessage BindInput(FbStatus& st, IStatement* statement, const std::vector<const TZParam*>& params) {
    FbPtr<IMessageMetadata> described(statement->getInputMetadata(&st));
    const unsigned count = described->getCount(&st);
    FbPtr<IMetadataBuilder> builder(described->getBuilder(&st));
    for (unsigned i = 0; i < count; ++i) Retype(st, builder.get(), described.get(), i, params);
    InputMessage in;
    in.Meta.reset(builder->getMetadata(&st));
    in.Buffer.assign(in.Meta->getMessageLength(&st), 0);
    for (unsigned i = 0; i < count; ++i) StoreValue(st, in, i, params);
    return in;
}

// A prepared statement in a transaction of its own.
struct Prepared {
    Prepared(FbStatus& st, FbAttachment& attachment, const std::string& sql) : Transaction(attachment) {
        Statement.reset(attachment.get()->prepare(&st, Transaction.get(), 0, sql.c_str(), kSqlDialect,
                                                  IStatement::PREPARE_PREFETCH_METADATA));
    }
    // Frees the statement and commits.
    void Finish() {
        EndInterface(Statement, [](IStatement* s, FbStatus& status) { s->free(&status); });
        Transaction.Commit();
    }

    FbTransaction Transaction;
    FbPtr<IStatement> Statement;
};

} // namespace

FbResult FetchAll(FbAttachment& attachment, const std::string& sql, const std::vector<const TZParam*>& params) {
    return Translate([&] {
        FbStatus st;
        Prepared p(st, attachment, sql);
        if (!(p.Statement->getFlags(&st) & IStatement::FLAG_HAS_CURSOR)) throw Exception(dbmsg::NoResultSet);
        InputMessage in = BindInput(st, p.Statement.get(), params);
        FbPtr<IMessageMetadata> outMeta(p.Statement->getOutputMetadata(&st));
        const std::vector<Column> columns = DescribeColumns(st, outMeta.get());
        std::vector<unsigned char> message(outMeta->getMessageLength(&st));
        FbResult result;
        FbPtr<IResultSet> cursor(p.Statement->openCursor(&st, p.Transaction.get(), in.Meta.get(), in.Buffer.data(),
                                                         outMeta.get(), 0));
        while (cursor->fetchNext(&st, message.data()) == IStatus::RESULT_OK)
            result.Rows.push_back(DecodeRow(st, attachment, p.Transaction, columns, message.data()));
        EndInterface(cursor, [](IResultSet* r, FbStatus& s) { r->close(&s); });
        p.Finish();
        result.Defs = DefsOf(columns);
        return result;
    });
}

void Execute(FbAttachment& attachment, const std::string& sql, const std::vector<const TZParam*>& params) {
    Translate([&] {
        FbStatus st;
        Prepared p(st, attachment, sql);
        InputMessage in = BindInput(st, p.Statement.get(), params);
        FbPtr<IMessageMetadata> outMeta(p.Statement->getOutputMetadata(&st));
        std::vector<unsigned char> message(outMeta->getMessageLength(&st));
        p.Statement->execute(&st, p.Transaction.get(), in.Meta.get(), in.Buffer.data(), outMeta.get(), message.data());
        p.Finish();
    });
}

std::vector<TFieldDef> Describe(FbAttachment& attachment, const std::string& sql) {
    return Translate([&] {
        FbStatus st;
        Prepared p(st, attachment, sql);
        FbPtr<IMessageMetadata> outMeta(p.Statement->getOutputMetadata(&st));
        std::vector<TFieldDef> defs = DefsOf(DescribeColumns(st, outMeta.get()));
        p.Finish();
        return defs;
    });
}

} // namespace orv::detail
