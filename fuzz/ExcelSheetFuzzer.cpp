// Talk sheets are text exported by hand from a spreadsheet: any bytes must
// load through the file layer, cut into cells and answer lookups without
// crashing.

#include "FuzzFolder.h"
#include "app/Singleton.h"
#include "files/ExcelSheet.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteFuzzInput("sheet.csv", data, size);
    ExcelSheet sheet;
    if (sheet.Load("sheet.csv")) {
        sheet.FindRow("kristall", 0);
        sheet.FindColumn("", 1);
        sheet.GetCell(2, sheet.GetRowCount());
    }
    SingletonRegistry::DestroyAll();
    return 0;
}
