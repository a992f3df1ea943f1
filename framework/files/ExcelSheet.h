#pragma once

#include <map>
#include <string>

// A table exported from a spreadsheet as semicolon-separated text (the talk
// sheets and other tables). One row per line, cells separated by ';'. A cell
// that begins with one double quote (not two) is quoted: inside it ';' is
// plain text, two double quotes stand for one, and a single double quote
// ends the quoting (the rest of the cell up to the next ';' is read as it
// is). A cell that begins with two double quotes is read unquoted and keeps
// them. Rows and columns count from 0; rows may have different lengths. A
// line is read up to 9999 bytes; the rest of a longer line is dropped.
class ExcelSheet {
public:
    static constexpr std::size_t maximumLineLength = 9999;

    bool Load(const std::string& fileName);
    // Cuts one line into the cells of row `row` (the sheet grows to hold
    // it); returns the number of cells.
    int ReadRow(int row, const std::string& line);

    // The cell's text; an absent cell reads as "" (and is created empty).
    const std::string& GetCell(int column, int row);
    // The first row whose cell in `column`, lower-cased, equals `text` (which
    // the caller passes in lower case); -1 when there is none.
    int FindRow(const std::string& text, int column) const;
    // The first column of `row` whose cell, lower-cased, equals `text`; -1.
    int FindColumn(const std::string& text, int row) const;

    int GetColumnCount() const { return columnCount; }
    int GetRowCount() const { return rowCount; }

private:
    const std::string* FindCell(int column, int row) const;
    bool CellEquals(int column, int row, const std::string& text) const;

    int columnCount = 0;
    int rowCount = 0;
    std::map<int, std::map<int, std::string>> cells;
};
