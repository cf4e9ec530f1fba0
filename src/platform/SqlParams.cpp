#include "platform/SqlParams.h"

namespace orv {
namespace {

bool IsNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '$';
}

// End of the literal or quoted identifier that opens at `open`; a doubled
// quote inside stands for the quote itself. Unterminated: the end of the text.
std::size_t QuotedEnd(std::string_view sql, std::size_t open) {
    const char quote = sql[open];
    for (std::size_t j = open + 1; j < sql.size(); ++j) {
        if (sql[j] != quote) continue;
        if (j + 1 < sql.size() && sql[j + 1] == quote) {
            ++j;
            continue;
        }
        return j + 1;
    }
    return sql.size();
}

// End of the comment that opens at `open`.
std::size_t CommentEnd(std::string_view sql, std::size_t open, std::string_view close) {
    std::size_t end = sql.find(close, open + 2);
    return end == std::string_view::npos ? sql.size() : end + close.size();
}

// Length of the literal, quoted identifier or comment starting at `i`, or 0.
std::size_t SkipLength(std::string_view sql, std::size_t i) {
    if (sql[i] == '\'' || sql[i] == '"') return QuotedEnd(sql, i) - i;
    if (sql.substr(i, 2) == "--") return CommentEnd(sql, i, "\n") - i;
    if (sql.substr(i, 2) == "/*") return CommentEnd(sql, i, "*/") - i;
    return 0;
}

} // namespace

TParsedSql ParseNamedParams(std::string_view sql) {
    TParsedSql parsed;
    std::size_t i = 0;
    while (i < sql.size()) {
        if (std::size_t skip = SkipLength(sql, i)) {
            parsed.Sql.append(sql.substr(i, skip));
            i += skip;
            continue;
        }
        std::size_t nameEnd = i + 1;
        while (sql[i] == ':' && nameEnd < sql.size() && IsNameChar(sql[nameEnd])) ++nameEnd;
        if (nameEnd > i + 1) {
            parsed.Positions.emplace_back(sql.substr(i + 1, nameEnd - i - 1));
            parsed.Sql += '?';
            i = nameEnd;
        } else {
            parsed.Sql += sql[i++];
        }
    }
    return parsed;
}

} // namespace orv
