#include "files/ExcelSheet.h"
#include "support/HeadlessTest.h"

class ExcelSheetTest : public LoggedTest {};

TEST_F(ExcelSheetTest, CutsCellsByTheQuotingRules)
{
    WriteFile("data/level01/sprachscript/itemSheet.csv",
              "Item;Ansehen;Benutzen\n"
              "Kristall;\"Er funkelt; warm.\";\"Sie sagt \"\"Hallo\"\"!\"\n"
              "\"\"Zitat\"\";\"offen;bleibt\"rest;x\n"
              "nur eins\n"
              "\n"
              ";;\n");
    ExcelSheet sheet;
    ASSERT_TRUE(sheet.Load("data\\level01\\sprachscript\\itemSheet.csv"));
    EXPECT_EQ(sheet.GetRowCount(), 6);
    EXPECT_EQ(sheet.GetColumnCount(), 3);
    EXPECT_EQ(sheet.GetCell(1, 1), "Er funkelt; warm.");
    EXPECT_EQ(sheet.GetCell(2, 1), "Sie sagt \"Hallo\"!");
    EXPECT_EQ(sheet.GetCell(0, 2), "\"\"Zitat\"\""); // two quotes: unquoted, kept
    EXPECT_EQ(sheet.GetCell(1, 2), "offen;bleibtrest");
    EXPECT_EQ(sheet.GetCell(2, 2), "x");
    EXPECT_EQ(sheet.GetCell(0, 3), "nur eins");
    EXPECT_EQ(sheet.GetCell(2, 3), ""); // beyond a short row
    EXPECT_EQ(sheet.GetCell(0, 4), "");
    EXPECT_EQ(sheet.GetCell(1, 5), "");
    EXPECT_EQ(sheet.GetCell(7, 99), "");
}

TEST_F(ExcelSheetTest, FindsRowsAndColumnsByLowerCaseText)
{
    WriteFile("sheet.csv", "Name;Ansehen;Benutzen\nKristall;a;b\nSchl\xDC" "ssel;c;d\n");
    ExcelSheet sheet;
    ASSERT_TRUE(sheet.Load("sheet.csv"));
    EXPECT_EQ(sheet.FindRow("kristall", 0), 1);
    EXPECT_EQ(sheet.FindRow("schl\xFC" "ssel", 0), 2);
    EXPECT_EQ(sheet.FindRow("Kristall", 0), -1); // cells are lowered, the text is not
    EXPECT_EQ(sheet.FindRow("kristall", 1), -1);
    EXPECT_EQ(sheet.FindColumn("benutzen", 0), 2);
    EXPECT_EQ(sheet.FindColumn("nichts", 0), -1);
}

TEST_F(ExcelSheetTest, ReportsAMissingSheetAndCutsLongLines)
{
    ExcelSheet missing;
    EXPECT_FALSE(missing.Load("data\\level09\\sprachscript\\genericSheet.csv"));
    EXPECT_EQ(missing.GetRowCount(), 0);
    EXPECT_EQ(ReadFile("debug.txt"), "***ERROR: ExcelSheet::Load: Failed to open file <data\\level09\\sprachscript\\genericSheet.csv>!\n");

    WriteFile("long.csv", std::string(9990, 'a') + ";bbbbbbbbbbbbbbbb;c\nnext\n");
    ExcelSheet sheet;
    ASSERT_TRUE(sheet.Load("long.csv"));
    EXPECT_EQ(sheet.GetRowCount(), 2);
    EXPECT_EQ(sheet.GetCell(1, 0), "bbbbbbbb"); // the line ends at 9999 bytes
    EXPECT_EQ(sheet.GetColumnCount(), 2);
    EXPECT_EQ(sheet.GetCell(0, 1), "next");
}
