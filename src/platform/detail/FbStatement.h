// Statements of the query component on an open attachment: each runs in a
// transaction of its own that ends before the call returns.
#pragma once

#include "platform/ZQuery.h"

#include <string>
#include <vector>

namespace orv::detail {

class FbAttachment;

struct FbResult {
    std::vector<TFieldDef> Defs;
    std::vector<std::vector<TZCell>> Rows;
};

// `params` gives the value at each positional marker (nullptr: NULL).
FbResult FetchAll(FbAttachment& attachment, const std::string& sql, const std::vector<const TZParam*>& params);
void Execute(FbAttachment& attachment, const std::string& sql, const std::vector<const TZParam*>& params);
std::vector<TFieldDef> Describe(FbAttachment& attachment, const std::string& sql);

} // namespace orv::detail
