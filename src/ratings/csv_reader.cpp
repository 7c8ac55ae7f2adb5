#include "ratings/csv_reader.h"

#include "league/error.h"
#include "league/file_io.h"

namespace zt {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isSeparator(char c) {
    return c == ',' || c == ';';
}

bool isLineBreak(char c) {
    return c == '\n' || c == '\r';
}

}  // namespace

std::string CsvText::where(std::size_t record) const {
    return m_name + ", line " + std::to_string(lineNumber(record));
}

CsvText CsvText::parse(std::string_view text, std::string name) {
    CsvText csv;
    csv.m_name = std::move(name);
    csv.m_chars.reserve(text.size());
    // A byte order mark is no part of the first header name.
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    const std::size_t size = text.size();
    std::size_t i = 0;
    int line = 1;
    auto malformed = [&](int at, const std::string& problem) {
        return Error(csv.m_name + ", line " + std::to_string(at) + ": " + problem);
    };
    auto skipLineBreak = [&] {
        if (text[i] == '\r' && i + 1 < size && text[i + 1] == '\n') {
            ++i;
        }
        ++i;
        ++line;
    };
    while (i < size) {
        // One record: values until a line break outside quotes.
        Record record{csv.m_cells.size(), 0, line, false};
        bool endedWithSeparator = false;
        bool anyText = false;
        while (true) {
            while (i < size && isBlank(text[i])) {
                ++i;
            }
            const auto start = static_cast<std::uint32_t>(csv.m_chars.size());
            bool quoted = false;
            if (i < size && text[i] == '"') {
                quoted = true;
                anyText = true;
                const int openedAt = line;
                ++i;
                while (true) {
                    if (i >= size) {
                        throw malformed(openedAt, "a quoted value is not closed");
                    }
                    const char c = text[i];
                    if (c == '"') {
                        if (i + 1 < size && text[i + 1] == '"') {
                            csv.m_chars.push_back('"');
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (c == '\n' || (c == '\r' && !(i + 1 < size && text[i + 1] == '\n'))) {
                        ++line;
                    }
                    csv.m_chars.push_back(c);
                    ++i;
                }
                while (i < size && isBlank(text[i])) {
                    ++i;
                }
                if (i < size && !isSeparator(text[i]) && !isLineBreak(text[i])) {
                    throw malformed(line, "text follows a quoted value");
                }
            } else {
                std::size_t lastNonBlank = csv.m_chars.size();
                while (i < size && !isSeparator(text[i]) && !isLineBreak(text[i])) {
                    csv.m_chars.push_back(text[i]);
                    if (!isBlank(text[i])) {
                        lastNonBlank = csv.m_chars.size();
                    }
                    ++i;
                }
                csv.m_chars.resize(lastNonBlank);
            }
            const auto length = static_cast<std::uint32_t>(csv.m_chars.size() - start);
            anyText = anyText || length > 0;
            const bool atSeparator = i < size && isSeparator(text[i]);
            csv.m_cells.push_back({start, length});
            // A separator that ends the line adds no value after it; the empty value stays in
            // reserve for a table whose rows end with an empty cell.
            if (quoted || length > 0 || atSeparator || !endedWithSeparator) {
                ++record.count;
            } else {
                record.trailingEmpty = true;
            }
            if (atSeparator) {
                ++i;
                endedWithSeparator = true;
                anyText = true;
                continue;
            }
            break;
        }
        if (anyText) {
            csv.m_records.push_back(record);
        } else {
            csv.m_cells.resize(record.first);
        }
        if (i < size) {
            skipLineBreak();
        }
    }
    return csv;
}

CsvText CsvText::read(const std::filesystem::path& file) {
    const std::vector<std::uint8_t> bytes = readFileBytes(file);
    return parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), file.filename().string());
}

std::vector<std::string> CsvText::allValues() const {
    std::vector<std::string> values;
    values.reserve(m_cells.size());
    for (std::size_t r = 0; r < recordCount(); ++r) {
        for (std::size_t v = 0; v < valueCount(r); ++v) {
            values.emplace_back(value(r, v));
        }
    }
    return values;
}

void CsvText::requireValueCount(std::size_t count, std::size_t firstRecord) {
    for (std::size_t r = firstRecord; r < recordCount(); ++r) {
        if (valueCount(r) + 1 == count && m_records[r].trailingEmpty) {
            // "a,b," under a header of three names: the third cell is empty.
            ++m_records[r].count;
        }
        if (valueCount(r) != count) {
            throw Error(where(r) + ": the row holds " + std::to_string(valueCount(r)) + " values where " +
                        std::to_string(count) + " were expected");
        }
    }
}

}  // namespace zt
