// A CSV text (RFC 4180): fields separated by commas, records by CR LF or LF, fields in double
// quotes may hold commas, line breaks and doubled quotes. A UTF-8 byte-order mark is skipped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct CsvRecord {
    int line = 0;  // the line the record starts on, from 1
    std::vector<std::string> fields;
};

// Every record, blank lines left out. False, with the line in `error`, for a quote that is
// never closed or text between a closing quote and the next separator.
bool ReadCsv(std::string_view text, std::vector<CsvRecord>& records, std::string& error);

// The columns of a header record, looked up by name (ASCII case and spaces ignored).
class CsvColumns {
public:
    explicit CsvColumns(const CsvRecord& header);
    // -1 when the header has no such column.
    int Find(std::string_view name) const;
    // The field of the named column in a record; empty when the column or field is missing.
    std::string Get(const CsvRecord& record, std::string_view name) const;

private:
    std::vector<std::string> names_;
};
