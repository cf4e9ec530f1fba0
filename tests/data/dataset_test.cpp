// Report datasets without a database: names, ranges and navigation of the
// base, the event-driven user dataset, the report's dataset list, the
// process-wide list and the published properties.
#include "data/DataSet.h"

#include "data/DBDataSet.h"
#include "data/GlobalDataSets.h"
#include "data/UserDataSet.h"
#include "model/PropertyRegistry.h"
#include "model/Report.h"
#include "platform/Exception.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <optional>
#include <memory>
#include <thread>

namespace orv::test {
namespace {

std::string ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Exception& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(DataSetNames, BlankUserNamesAreRefusedAndOthersKeptAsWritten)
{
    TfrxDataSet ds(nullptr);
    ds.SetName("dsPedido");
    EXPECT_EQ(ds.UserName(), "dsPedido");
    for (const char* blank : {"", "   ", "\t"}) {
        EXPECT_EQ(ErrorOf([&] { ds.SetUserName(blank); }), "Valor no v\xE1lido") << '[' << blank << ']';
        EXPECT_EQ(ds.UserName(), "dsPedido");
    }
    ds.SetUserName(" Cabecera ");
    EXPECT_EQ(ds.UserName(), " Cabecera ");
    ds.SetName("dsOtro");
    EXPECT_EQ(ds.UserName(), " Cabecera ") << "a set user name stays when the component is renamed";
}

// The counted range of the base navigation: each step is First, Next or Prior.
TEST(DataSetRanges, CountedRangesStopOnTheirLastRecord)
{
    struct RangeCase {
        TfrxRangeEnd rangeEnd;
        int count;
        const char* steps;
        int recNo;
        bool eof;
        int onNextCalls;
    };
    const RangeCase cases[] = {
        {reCount, 0, "F", 0, true, 0},
        {reCount, 3, "FNN", 2, false, 2},
        {reCount, 3, "FNNN", 2, true, 2},
        {reCount, 3, "FNNNP", 1, true, 2},  // only First and Next lower the end flag
        {reCount, 1, "FN", 0, true, 0},
        {reLast, 0, "FNNN", 3, false, 3},
    };
    for (const RangeCase& c : cases) {
        TfrxDataSet ds(nullptr);
        ds.RangeEnd = c.rangeEnd;
        ds.RangeEndCount = c.count;
        int onNext = 0;
        ds.OnNext.Handler = [&](TfrxDataSet&) { ++onNext; };
        for (const char* s = c.steps; *s; ++s) {
            if (*s == 'F')
                ds.First();
            else if (*s == 'N')
                ds.Next();
            else
                ds.Prior();
        }
        EXPECT_EQ(ds.RecNo, c.recNo) << c.steps << " of " << c.count;
        EXPECT_EQ(ds.Eof(), c.eof) << c.steps << " of " << c.count;
        EXPECT_EQ(onNext, c.onNextCalls) << c.steps << " of " << c.count;
    }
}

TEST(DataSetRanges, RecordCountIsTheCountOfACountedRangeFromTheFirstRecord)
{
    TfrxDataSet ds(nullptr);
    ds.RangeEndCount = 5;
    EXPECT_EQ(ds.RecordCount(), 0);
    ds.RangeEnd = reCount;
    EXPECT_EQ(ds.RecordCount(), 5);
    ds.RangeBegin = rbCurrent;
    EXPECT_EQ(ds.RecordCount(), 0);
}

TEST(DataSetEvents, NavigationCallsItsEventsAndCheckEofHasTheLastWord)
{
    TfrxDataSet ds(nullptr);
    std::string calls;
    ds.OnFirst.Handler = [&](TfrxDataSet& sender) { calls += &sender == &ds ? "F" : "?"; };
    ds.OnPrior.Handler = [&](TfrxDataSet&) { calls += "P"; };
    ds.OnOpen.Handler = [&](TfrxDataSet&) { calls += "O"; };
    ds.OnClose.Handler = [&](TfrxDataSet&) { calls += "C"; };
    ds.Open();
    ds.First();
    ds.Prior();
    ds.Close();
    EXPECT_EQ(calls, "OFPC");
    EXPECT_EQ(ds.RecNo, -1);

    EXPECT_FALSE(ds.Eof());
    ds.OnCheckEOF.Handler = [](TfrxDataSet&, bool& eof) { eof = !eof; };
    EXPECT_TRUE(ds.Eof());
}

TEST(UserDataSet, ValuesComeFromBothHandlersInTurn)
{
    TfrxUserDataSet ds(nullptr);
    EXPECT_TRUE(ds.Value("X").IsNull());
    EXPECT_EQ(ds.DisplayText("X"), u"");

    ds.OnGetValue.Handler = [](const std::string& name, Value& v) {
        EXPECT_TRUE(v.IsNull());
        v = name == "Total" ? Value(std::int32_t(42)) : Value::Null();
    };
    EXPECT_EQ(ds.Value("Total"), Value(std::int32_t(42)));

    // The second handler sees the first one's value, as text when text is asked for.
    ValueKind seen = ValueKind::Empty;
    ds.OnNewGetValue.Handler = [&](TfrxDataSet& sender, const std::string&, Value& v) {
        EXPECT_EQ(&sender, &ds);
        seen = v.Kind();
        if (v.Kind() == ValueKind::WideString)
            v = v.AsWideString() + u" \u20AC";
    };
    EXPECT_EQ(ds.Value("Total"), Value(std::int32_t(42)));
    EXPECT_EQ(seen, ValueKind::Int32);
    EXPECT_EQ(ds.DisplayText("Total"), u"42 \u20AC");
    EXPECT_EQ(seen, ValueKind::WideString);
}

TEST(UserDataSet, FieldsAreItsFieldList)
{
    TfrxUserDataSet ds(nullptr);
    ds.Fields.Add("Codigo");
    ds.Fields.Add("Descripcion");
    EXPECT_EQ(ds.FieldsCount(), 2);
    EXPECT_TRUE(ds.HasField("DESCRIPCION"));
    EXPECT_FALSE(ds.HasField("Precio"));
    TStringList list;
    list.Add("stale");
    ds.GetFieldList(list);
    EXPECT_EQ(list.Lines(), ds.Fields.Lines());
}

class ReportDataSets : public testing::Test {
protected:
    ReportDataSets()
    {
        cabecera->SetName("dsPedido");
        cabecera->SetUserName("Cabecera");
        detalle->SetName("dsPedidoDetalle");
        detalle->SetUserName("Detalle");
    }

    TfrxReport report{nullptr};
    std::unique_ptr<TfrxUserDataSet> cabecera = std::make_unique<TfrxUserDataSet>(nullptr);
    std::unique_ptr<TfrxUserDataSet> detalle = std::make_unique<TfrxUserDataSet>(nullptr);
};

TEST_F(ReportDataSets, GetDatasetFindsListedDatasetsByUserName)
{
    report.Datasets.Add().SetDataSetName("Fantasma");
    report.Datasets.AppendDataset(cabecera.get());
    report.Datasets.AppendDataset(detalle.get());
    EXPECT_EQ(report.GetDataset("detalle"), detalle.get());
    EXPECT_EQ(report.GetDataset("CABECERA"), cabecera.get());
    EXPECT_EQ(report.GetDataset("Fantasma"), nullptr);
    EXPECT_EQ(report.GetDataset("Empresa"), nullptr);

    EXPECT_EQ(report.Datasets.ItemOfDataSet(detalle.get()), &report.Datasets[2]);
    EXPECT_EQ(report.Datasets.ItemByUserName("cabecera"), &report.Datasets[1]);
    EXPECT_EQ(report.Datasets.ItemByUserName("fantasma"), &report.Datasets[0]);
    EXPECT_EQ(report.Datasets.ItemByUserName("Empresa"), nullptr);

    detalle.reset();
    EXPECT_EQ(report.GetDataset("Detalle"), nullptr) << "a destroyed dataset leaves the list";
}

TEST_F(ReportDataSets, GetDataSetAndFieldSplitsAtThePeriodBeforeADoubleQuote)
{
    report.Datasets.AppendDataset(cabecera.get());
    struct SplitCase {
        const char* text;
        TfrxDataSet* dataSet;
        const char* field;
    };
    const SplitCase cases[] = {
        {"Cabecera.\"FECHA\"", cabecera.get(), "FECHA"},
        {"cabecera.\"Raz\xF3n social\"", cabecera.get(), "Raz\xF3n social"},
        {"Cabecera.FECHA", nullptr, ""},
        {"Cabecera", nullptr, ""},
        {"Otro.\"FECHA\"", nullptr, "FECHA"},
        {"A.B.\"C.\"D\"", nullptr, "C.\"D"},
        {"Cabecera.\"", cabecera.get(), ""},
        {"", nullptr, ""},
    };
    for (const SplitCase& c : cases) {
        auto [ds, field] = report.GetDataSetAndField(c.text);
        EXPECT_EQ(ds, c.dataSet) << c.text;
        EXPECT_EQ(field, c.field) << c.text;
    }
}

TEST_F(ReportDataSets, AttachAllTellsEachDatasetItsReport)
{
    report.Datasets.AppendDataset(cabecera.get());
    report.Datasets.Add();
    report.Datasets.AppendDataset(cabecera.get());
    report.Datasets.AttachAll();
    EXPECT_EQ(cabecera->ReportRef(), &report);
    EXPECT_EQ(detalle->ReportRef(), nullptr);
    report.Datasets.DetachAll();
}

TEST_F(ReportDataSets, DetachAllDetachesEveryDatasetBeforeRaisingTheFirstFailure)
{
    struct FailingDataSet : TfrxUserDataSet {
        using TfrxUserDataSet::TfrxUserDataSet;
        void Detach() override
        {
            ++detached;
            throw Exception("fallo " + UserName());
        }
        int detached = 0;
    };
    FailingDataSet a(nullptr), b(nullptr);
    a.SetUserName("A");
    b.SetUserName("B");
    report.Datasets.AppendDataset(&a);
    report.Datasets.AppendDataset(&b);
    EXPECT_EQ(ErrorOf([&] { report.Datasets.DetachAll(); }), "fallo A");
    EXPECT_EQ(a.detached, 1);
    EXPECT_EQ(b.detached, 1);
}

TEST(DataSetLookup, TemplatesSkipDatasetsOfOtherReports)
{
    TfrxReport mine(nullptr), other(nullptr);
    TfrxUserDataSet foreign(&other), unowned(nullptr);
    foreign.SetUserName("Detalle");
    unowned.SetUserName("Detalle");
    EXPECT_EQ(LookupDataSet(&mine, nullptr, "DETALLE"), &unowned);
    EXPECT_EQ(LookupDataSet(&other, nullptr, "Detalle"), &foreign);
    EXPECT_EQ(LookupDataSet(&mine, &foreign, ""), nullptr);
    EXPECT_EQ(LookupDataSet(&mine, &unowned, "Nada"), &unowned) << "no match keeps the current dataset";
    TfrxUserDataSet orphan(nullptr);
    EXPECT_EQ(LookupDataSet(&orphan, &unowned, "Detalle"), &unowned) << "no report around the component";
}

TEST(GlobalDataSetList, DatasetsEnterWhenCreatedAndLeaveWhenDestroyed)
{
    const std::size_t before = GlobalDataSets().Items().size();
    auto ds = std::make_unique<TfrxDBDataset>(nullptr);
    auto items = GlobalDataSets().Items();
    ASSERT_EQ(items.size(), before + 1);
    EXPECT_EQ(items.back(), ds.get());
    ds.reset();
    EXPECT_EQ(GlobalDataSets().Items().size(), before);
}

// Datasets made and destroyed on several threads while others search the
// list: the lock keeps every search on live entries.
TEST(GlobalDataSetList, SearchesAndChangesFromSeveralThreads)
{
    constexpr int kThreads = 4;
    constexpr int kRounds = 300;
    std::atomic<int> found{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&found] {
            for (int i = 0; i < kRounds; ++i) {
                TfrxUserDataSet ds(nullptr);
                if (GlobalDataSets().Find([&](const TfrxDataSet& d) { return &d == &ds; }) == &ds)
                    ++found;
            }
        });
    }
    for (std::thread& t : threads)
        t.join();
    EXPECT_EQ(found, kThreads * kRounds);
}

TEST(DataSetClasses, PublishTheirSettingsWithTheirDefaults)
{
    RegisterDataSetClasses();
    struct PropCase {
        const char* cls;
        const char* prop;
        TPropKind kind;
        std::optional<std::int64_t> declaredDefault;
    };
    const PropCase cases[] = {
        {"TfrxUserDataSet", "UserName", TPropKind::String, {}},
        {"TfrxUserDataSet", "Enabled", TPropKind::Boolean, 1},
        {"TfrxUserDataSet", "RangeBegin", TPropKind::Enumeration, rbFirst},
        {"TfrxUserDataSet", "RangeEnd", TPropKind::Enumeration, reLast},
        {"TfrxUserDataSet", "RangeEndCount", TPropKind::Integer, 0},
        {"TfrxUserDataSet", "OnCheckEOF", TPropKind::String, {}},
        {"TfrxUserDataSet", "Fields", TPropKind::StringList, {}},
        {"TfrxUserDataSet", "OnNewGetValue", TPropKind::String, {}},
        {"TfrxDBDataset", "FieldAliases", TPropKind::StringList, {}},
        {"TfrxDBDataset", "CloseDataSource", TPropKind::Boolean, 0},
        {"TfrxDBDataset", "OpenDataSource", TPropKind::Boolean, 1},
        {"TfrxDBDataset", "OnOpen", TPropKind::String, {}},
        {"TfrxDBDataset", "DataSet", TPropKind::Reference, {}},
        {"TfrxDBDataset", "DataSource", TPropKind::Reference, {}},
        {"TfrxDBDataset", "BCDToCurrency", TPropKind::Boolean, 0},
    };
    for (const PropCase& c : cases) {
        const TClassInfo* cls = FindClass(c.cls);
        ASSERT_NE(cls, nullptr) << c.cls;
        const TPropInfo* prop = cls->FindProperty(c.prop);
        ASSERT_NE(prop, nullptr) << c.cls << '.' << c.prop;
        EXPECT_EQ(prop->Kind(), c.kind) << c.prop;
        EXPECT_EQ(prop->Default(), c.declaredDefault) << c.prop;
    }
    EXPECT_EQ(FindClass("TfrxUserDataSet")->FindProperty("FieldAliases"), nullptr);
    EXPECT_EQ(FindClass("TfrxUserDataSet")->FindProperty("OnOpen"), nullptr);
}

TEST(DataSetClasses, TemplatesSetEventsRangesAndSourcesByName)
{
    RegisterDataSetClasses();
    TfrxReport report(nullptr);
    std::unique_ptr<TComponent> made(CreateComponent("TfrxDBDataset", &report));
    auto& ds = dynamic_cast<TfrxDBDataset&>(*made);
    const TClassInfo& cls = ds.ClassInfo();
    cls.FindProperty("RangeEnd")->SetText(ds, "reCount");
    cls.FindProperty("OnFirst")->SetText(ds, "CabeceraOnFirst");
    cls.FindProperty("FieldAliases")->SetText(ds, "EMPRESA=Empresa\r\n-NIF=Nif\r\n");
    EXPECT_EQ(ds.RangeEnd, reCount);
    EXPECT_EQ(ds.OnFirst.ScriptName, "CabeceraOnFirst");
    EXPECT_FALSE(ds.OnFirst) << "a script name alone runs nothing until the script binds it";
    EXPECT_EQ(ds.FieldAliases.Count(), 2u);

    TDataSource source(nullptr);
    cls.FindProperty("DataSource")->SetReference(ds, &source);
    EXPECT_EQ(ds.DataSource(), &source);
    EXPECT_NE(ErrorOf([&] { cls.FindProperty("DataSet")->SetReference(ds, &source); }), "(no error)")
        << "a data source is not a dataset";
}

TEST(DBDataset, AttachingWithoutASourceNamesTheDataset)
{
    TfrxDBDataset ds(nullptr);
    ds.SetName("dsPedido");
    EXPECT_EQ(ErrorOf([&] { ds.Attach(); }), "El DataSet dsPedido no est\xE1 conectado a datos");
    EXPECT_EQ(ErrorOf([&] { ds.First(); }), "El DataSet dsPedido no est\xE1 conectado a datos");
    EXPECT_EQ(ds.FieldType("X"), fftNumeric);
    EXPECT_EQ(ds.DisplayWidth("X"), 10);
    TDataSource empty(nullptr);
    ds.SetDataSource(&empty);
    EXPECT_EQ(ErrorOf([&] { ds.Attach(); }), "El DataSet dsPedido no est\xE1 conectado a datos");
    ds.Detach();
}

} // namespace
} // namespace orv::test
