// A level's settings file: its dynamic blocks create elements through the
// factory, every block is read into the cast entry of its exact full name,
// and a damaged or foreign block is skipped without stopping the rest.

#include "LevelSettings.h"
#include "Cast.h"
#include "Flag.h"
#include "files/File.h"
#include "support/HeadlessTest.h"

namespace {

class LevelSettingsTest : public LoggedTest {};

std::string Block(const std::string& start, const std::string& className, const std::string& name, int value)
{
    return "# ------------------------------------------------ " + name + "\n" + start + "\nclass type: \"" +
           className + "\"\n[Flag] \"" + name + "\"\n{\n    \"start value\" " + std::to_string(value) +
           "\n    [GameElement] \"" + name + "\"\n    {\n    }\n}\n\n";
}

} // namespace

TEST_F(LevelSettingsTest, CreatesTheDynamicElementsAndReadsEveryBlockIntoItsOwner)
{
    Flag fixed;
    Cast::GetInstance().Add(&fixed, "Flags|Fixed");
    WriteFile("data/level03/settings/settings.txt",
              Block("DYNAMIC OBJECT START", "class Flag", "Flags|Door open", 4) +
              Block("OBJECT START", "class Flag", "Flags|Fixed", 7) +
              // Same short name, other group: not the fixed flag's block.
              Block("OBJECT START", "class Flag", "Other|Fixed", 9) +
              Block("DYNAMIC OBJECT START", "class Unknown", "Flags|Strange", 1) +
              "DYNAMIC OBJECT START\nclass type: no quotes\n" +
              Block("DYNAMIC OBJECT START", "class Flag", "Flags|After the damage", 5));

    std::vector<std::unique_ptr<GameElement>> created;
    ASSERT_TRUE(LevelSettings::Load(3, "settings.txt", created));
    ASSERT_EQ(created.size(), 2u) << "a damaged block is passed over, the rest is read";
    auto* door = Cast::GetInstance().FindAs<Flag>("Flags|Door open");
    ASSERT_NE(door, nullptr);
    EXPECT_EQ(door->GetStartValue(), 4);
    EXPECT_EQ(door->GetValue(), 4) << "reading the settings resets the flag";
    EXPECT_EQ(fixed.GetStartValue(), 7);
    EXPECT_EQ(Cast::GetInstance().Find("Flags|Strange"), nullptr);
    ASSERT_NE(Cast::GetInstance().FindAs<Flag>("Flags|After the damage"), nullptr);
    EXPECT_EQ(Cast::GetInstance().FindAs<Flag>("Flags|After the damage")->GetStartValue(), 5);

    LevelSettings::Unload(created);
    EXPECT_EQ(Cast::GetInstance().Find("Flags|Door open"), nullptr);
    Cast::GetInstance().Remove(&fixed);

    EXPECT_FALSE(LevelSettings::Load(3, "missing.txt", created));
    EXPECT_NE(ReadFile("debug.txt").find("GameRuvId::LoadSettings: Failed to open <data\\level03\\settings\\missing.txt>!"),
              std::string::npos);
}

TEST_F(LevelSettingsTest, WrittenBlocksReadBack)
{
    Flag flag;
    flag.SetStartValue(11);
    {
        File file;
        ASSERT_TRUE(file.OpenDirect("data/level02/settings/settings.txt", "w"));
        LevelSettings::WriteBlock(file, "Flags|Written", flag, true);
    }
    const std::string text = ReadFile("data/level02/settings/settings.txt");
    EXPECT_TRUE(text.starts_with("# " + std::string(48, '-') + " Flags|Written\nDYNAMIC OBJECT START\n")) << text;

    std::vector<std::unique_ptr<GameElement>> created;
    ASSERT_TRUE(LevelSettings::Load(2, "settings.txt", created));
    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(static_cast<Flag&>(*created[0]).GetStartValue(), 11);
    LevelSettings::Unload(created);
}
