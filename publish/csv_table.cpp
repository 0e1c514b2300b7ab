#include "publish/csv_table.h"

#include <cctype>

namespace {
constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";

std::string NormalisedName(std::string_view name) {
    std::string normalised;
    for (char c : name)
        if (!std::isspace(static_cast<unsigned char>(c)))
            normalised += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return normalised;
}

bool IsBlank(const CsvRecord& record) {
    return record.fields.size() == 1 && record.fields[0].empty();
}

class CsvReader {
public:
    explicit CsvReader(std::string_view text) : text_(text) {}

    bool Read(std::vector<CsvRecord>& records, std::string& error) {
        while (at_ < text_.size()) {
            CsvRecord record;
            record.line = line_;
            if (!ReadRecord(record, error)) return false;
            if (!IsBlank(record)) records.push_back(std::move(record));
        }
        return true;
    }

private:
    bool ReadRecord(CsvRecord& record, std::string& error) {
        for (;;) {
            std::string field;
            if (!ReadField(field, error)) return false;
            record.fields.push_back(std::move(field));
            if (at_ >= text_.size()) return true;
            const char separator = text_[at_++];
            if (separator == ',') continue;
            if (separator == '\r' && at_ < text_.size() && text_[at_] == '\n') ++at_;
            ++line_;
            return true;
        }
    }

    bool ReadField(std::string& field, std::string& error) {
        if (at_ < text_.size() && text_[at_] == '"') return ReadQuotedField(field, error);
        while (at_ < text_.size() && text_[at_] != ',' && text_[at_] != '\n' &&
               !(text_[at_] == '\r' && (at_ + 1 >= text_.size() || text_[at_ + 1] == '\n')))
            field += text_[at_++];
        return true;
    }

    bool ReadQuotedField(std::string& field, std::string& error) {
        const int startLine = line_;
        ++at_;
        for (;;) {
            if (at_ >= text_.size()) {
                error = "line " + std::to_string(startLine) + ": a quoted field is never closed";
                return false;
            }
            const char c = text_[at_++];
            if (c == '"') {
                if (at_ < text_.size() && text_[at_] == '"') {
                    field += '"';
                    ++at_;
                    continue;
                }
                break;
            }
            if (c == '\n') ++line_;
            field += c;
        }
        if (at_ < text_.size() && text_[at_] != ',' && text_[at_] != '\n' && text_[at_] != '\r') {
            error = "line " + std::to_string(line_) + ": text after a closing quote";
            return false;
        }
        return true;
    }

    std::string_view text_;
    size_t at_ = 0;
    int line_ = 1;
};
}  // namespace

bool ReadCsv(std::string_view text, std::vector<CsvRecord>& records, std::string& error) {
    if (text.starts_with(BYTE_ORDER_MARK)) text.remove_prefix(BYTE_ORDER_MARK.size());
    records.clear();
    return CsvReader(text).Read(records, error);
}

CsvColumns::CsvColumns(const CsvRecord& header) {
    for (const std::string& name : header.fields) names_.push_back(NormalisedName(name));
}

int CsvColumns::Find(std::string_view name) const {
    const std::string wanted = NormalisedName(name);
    for (size_t index = 0; index < names_.size(); ++index)
        if (names_[index] == wanted) return static_cast<int>(index);
    return -1;
}

std::string CsvColumns::Get(const CsvRecord& record, std::string_view name) const {
    const int index = Find(name);
    if (index < 0 || static_cast<size_t>(index) >= record.fields.size()) return std::string();
    return record.fields[static_cast<size_t>(index)];
}
