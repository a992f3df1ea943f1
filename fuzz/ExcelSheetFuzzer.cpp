// Talk sheets are text exported by hand from a spreadsheet: any bytes must
// cut into cells and answer lookups without crashing.

#include "files/ExcelSheet.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ExcelSheet sheet;
    int row = 0;
    for (std::size_t position = 0; position < text.size(); ++row) {
        const std::size_t end = std::min(text.find('\n', position), text.size());
        sheet.ReadRow(row, std::string(text.substr(position, std::min<std::size_t>(end - position, ExcelSheet::maximumLineLength))));
        position = end + 1;
    }
    sheet.FindRow("kristall", 0);
    sheet.FindColumn("", 1);
    sheet.GetCell(2, row);
    return 0;
}
