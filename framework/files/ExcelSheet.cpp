#include "ExcelSheet.h"

#include "File.h"
#include "HostPath.h"
#include "app/Debug.h"

#include <algorithm>

bool ExcelSheet::Load(const std::string& fileName)
{
    File file;
    if (!file.Open(fileName.c_str(), "r")) {
        LogError("ExcelSheet::Load: Failed to open file <%s>!\n", fileName.c_str());
        return false;
    }
    int row = 0;
    std::string line;
    while (file.ReadLine(line, maximumLineLength))
        ReadRow(row++, line);
    rowCount = std::max(rowCount, row);
    return true;
}

int ExcelSheet::ReadRow(int row, const std::string& line)
{
    auto& rowCells = cells[row];
    int column = 0;
    std::size_t position = 0;
    while (position < line.size()) {
        std::string cell;
        const bool quoted = line[position] == '"' && (position + 1 >= line.size() || line[position + 1] != '"');
        if (quoted) {
            ++position;
            while (position < line.size()) {
                if (line[position] == '"') {
                    if (position + 1 < line.size() && line[position + 1] == '"') {
                        cell += '"';
                        position += 2;
                        continue;
                    }
                    ++position; // the closing quote
                    break;
                }
                cell += line[position++];
            }
        }
        const std::size_t end = std::min(line.find(';', position), line.size());
        cell.append(line, position, end - position);
        rowCells[column++] = std::move(cell);
        position = end + 1;
    }
    rowCount = std::max(rowCount, row + 1);
    columnCount = std::max(columnCount, column);
    return column;
}

const std::string& ExcelSheet::GetCell(int column, int row)
{
    return cells[row][column];
}

const std::string* ExcelSheet::FindCell(int column, int row) const
{
    const auto foundRow = cells.find(row);
    if (foundRow == cells.end())
        return nullptr;
    const auto foundCell = foundRow->second.find(column);
    return foundCell != foundRow->second.end() ? &foundCell->second : nullptr;
}

bool ExcelSheet::CellEquals(int column, int row, const std::string& text) const
{
    // An absent cell reads as the empty text.
    const std::string* cell = FindCell(column, row);
    return cell != nullptr ? LowerCaseWindows1252(*cell) == text : text.empty();
}

int ExcelSheet::FindRow(const std::string& text, int column) const
{
    for (int row = 0; row < rowCount; ++row) {
        if (CellEquals(column, row, text))
            return row;
    }
    return -1;
}

int ExcelSheet::FindColumn(const std::string& text, int row) const
{
    for (int column = 0; column < columnCount; ++column) {
        if (CellEquals(column, row, text))
            return column;
    }
    return -1;
}
