#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

// Comma-separated text as spreadsheets and databases write it: values separated by "," (or ";",
// which some spreadsheets write where the decimal separator is a comma), one record per line,
// a value in double quotes taken whole (separators, line breaks and doubled quotes inside it
// included). Blanks around a value are dropped, blanks inside it kept; empty lines are skipped;
// a separator at the very end of a line does not add an empty value.
//
// The values are kept in one buffer so that a database of hundreds of thousands of rows is read
// without an allocation per value.
class CsvText {
public:
    // `name` names the text in messages (the file name).
    static CsvText parse(std::string_view text, std::string name);
    static CsvText parseText(std::string text, std::string name);
    // Reads and parses a file; throws zt::Error naming the file when it cannot be read.
    static CsvText read(const std::filesystem::path& file);

    const std::string& name() const { return m_name; }
    std::size_t recordCount() const { return m_records.size(); }
    std::size_t valueCount(std::size_t record) const { return m_records[record].count; }
    std::string_view value(std::size_t record, std::size_t index) const {
        const Cell& cell = m_cells[m_records[record].first + index];
        return std::string_view(m_chars).substr(cell.offset, cell.length);
    }
    // The line of the text (from 1) where the record starts.
    int lineNumber(std::size_t record) const { return m_records[record].line; }
    // "players.csv, line 12": where a record is, for messages.
    std::string where(std::size_t record) const;

    // Every value of every record, one after another (a list of names such as csvcols.txt).
    std::vector<std::string> allValues() const;

    // Throws zt::Error naming the file and line of the first record (from `firstRecord` on)
    // that does not hold exactly `count` values. A record that ends with a separator and holds
    // one value less gets an empty last value instead.
    void requireValueCount(std::size_t count, std::size_t firstRecord);

private:
    struct Cell {
        std::uint32_t offset;
        std::uint32_t length;
    };
    struct Record {
        std::size_t first;
        std::uint32_t count;
        int line;
        bool trailingEmpty = false;  // a separator ended the line; one empty value is held back
    };

    std::string m_name;
    std::string m_chars;
    std::vector<Cell> m_cells;
    std::vector<Record> m_records;
};

}  // namespace zt
