#include "ratings/csv_reader.h"

#include <algorithm>
#include <fstream>

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

CsvText CsvText::parse(std::string_view source, std::string name) {
    return parseText(std::string(source), std::move(name));
}

CsvText CsvText::parseText(std::string source, std::string name) {
    CsvText csv;
    csv.m_name = std::move(name);
    // Values are kept where they stand in the text; only a quoted value with doubled quotes is
    // written out again, after the text.
    csv.m_chars = std::move(source);
    std::string_view text = csv.m_chars;
    // A byte order mark is no part of the first header name.
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    const std::size_t bomLength = csv.m_chars.size() - text.size();
    // Room for every value at once: a large file is not copied over and over as it grows.
    csv.m_cells.reserve(1 + static_cast<std::size_t>(std::count_if(
                                text.begin(), text.end(), [](char c) { return isSeparator(c) || c == '\n'; })));
    std::string unescaped;
    std::vector<std::size_t> unescapedCells;
    const std::size_t size = text.size();
    std::size_t i = 0;
    int line = 1;
    auto malformed = [&](int at, const std::string& problem) {
        return Error(csv.m_name + ", line " + std::to_string(at) + ": " + problem);
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
            Cell cell{static_cast<std::uint32_t>(bomLength + i), 0};
            bool quoted = false;
            if (i < size && text[i] == '"') {
                quoted = true;
                anyText = true;
                const int openedAt = line;
                const std::size_t contentStart = ++i;
                bool doubled = false;
                std::string value;
                while (true) {
                    if (i >= size) {
                        throw malformed(openedAt, "a quoted value is not closed");
                    }
                    const char c = text[i];
                    if (c == '"') {
                        if (i + 1 < size && text[i + 1] == '"') {
                            if (!doubled) {
                                doubled = true;
                                value.assign(text.substr(contentStart, i - contentStart));
                            }
                            value.push_back('"');
                            i += 2;
                            continue;
                        }
                        break;
                    }
                    if (c == '\n' || (c == '\r' && !(i + 1 < size && text[i + 1] == '\n'))) {
                        ++line;
                    }
                    if (doubled) {
                        value.push_back(c);
                    }
                    ++i;
                }
                if (doubled) {
                    cell = {static_cast<std::uint32_t>(unescaped.size()), static_cast<std::uint32_t>(value.size())};
                    unescaped += value;
                    unescapedCells.push_back(csv.m_cells.size());
                } else {
                    cell = {static_cast<std::uint32_t>(bomLength + contentStart),
                            static_cast<std::uint32_t>(i - contentStart)};
                }
                ++i;  // the closing quote
                while (i < size && isBlank(text[i])) {
                    ++i;
                }
                if (i < size && !isSeparator(text[i]) && !isLineBreak(text[i])) {
                    throw malformed(line, "text follows a quoted value");
                }
            } else {
                std::size_t end = i;
                while (i < size && !isSeparator(text[i]) && !isLineBreak(text[i])) {
                    ++i;
                    if (!isBlank(text[i - 1])) {
                        end = i;
                    }
                }
                cell.length = static_cast<std::uint32_t>(bomLength + end - cell.offset);
            }
            anyText = anyText || cell.length > 0;
            const bool atSeparator = i < size && isSeparator(text[i]);
            csv.m_cells.push_back(cell);
            // A separator that ends the line adds no value after it; the empty value stays in
            // reserve for a table whose rows end with an empty cell.
            if (quoted || cell.length > 0 || atSeparator || !endedWithSeparator) {
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
            if (!unescapedCells.empty() && unescapedCells.back() >= record.first) {
                unescapedCells.pop_back();
            }
            csv.m_cells.resize(record.first);
        }
        if (i < size) {
            if (text[i] == '\r' && i + 1 < size && text[i + 1] == '\n') {
                ++i;
            }
            ++i;
            ++line;
        }
    }
    const auto base = static_cast<std::uint32_t>(csv.m_chars.size());
    csv.m_chars += unescaped;
    for (const std::size_t index : unescapedCells) {
        csv.m_cells[index].offset += base;
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
