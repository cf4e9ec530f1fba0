// The report's dataset list and the lookups of datasets by name.
#include "model/Report.h"

#include "platform/Text.h"

#include <exception>

namespace orv {

void TfrxReportDataSets::AppendDataset(TfrxDataSet* dataSet)
{
    Add().SetDataSet(dataSet);
}

void TfrxReportDataSets::AttachAll()
{
    for (std::size_t i = 0; i < Count(); ++i) {
        if (TfrxDataSet* ds = (*this)[i].DataSet()) {
            ds->SetReportRef(FReport);
            ds->Attach();
        }
    }
}

// A dataset left attached would keep its notifications in the source, so
// every one is detached before a failure goes on.
void TfrxReportDataSets::DetachAll()
{
    std::exception_ptr first;
    for (std::size_t i = 0; i < Count(); ++i) {
        try {
            if (TfrxDataSet* ds = (*this)[i].DataSet())
                ds->Detach();
        } catch (...) {
            if (!first)
                first = std::current_exception();
        }
    }
    if (first)
        std::rethrow_exception(first);
}

TfrxDataSetItem* TfrxReportDataSets::ItemOfDataSet(const TfrxDataSet* dataSet) const
{
    for (std::size_t i = 0; i < Count(); ++i)
        if ((*this)[i].DataSet() == dataSet)
            return &(*this)[i];
    return nullptr;
}

TfrxDataSetItem* TfrxReportDataSets::ItemByUserName(std::string_view name) const
{
    for (std::size_t i = 0; i < Count(); ++i)
        if (SameText((*this)[i].DataSetName(), name))
            return &(*this)[i];
    return nullptr;
}

TfrxDataSet* TfrxReport::GetDataset(std::string_view alias) const
{
    for (std::size_t i = 0; i < Datasets.Count(); ++i) {
        TfrxDataSet* ds = Datasets[i].DataSet();
        if (ds && SameText(ds->UserName(), alias))
            return ds;
    }
    return nullptr;
}

auto TfrxReport::GetDataSetAndField(std::string_view text) const -> TfrxDataSetAndField
{
    const std::size_t at = text.find(".\"");
    if (at == std::string_view::npos)
        return {};
    std::string_view field = text.substr(at + 2);
    if (!field.empty())
        field.remove_suffix(1);
    return {GetDataset(text.substr(0, at)), std::string(field)};
}

} // namespace orv
