#include "app/TextInput.h"
#include "platform/VirtualKey.h"
#include "support/HeadlessTest.h"

class TextInputTest : public HeadlessTest {
protected:
    bool Type(TextInput& field, int key, int character)
    {
        return TypeKey(key, character, [&] { return field.Update(0.02f); });
    }

    bool TypeLetter(TextInput& field, char letter)
    {
        const int key = letter >= 'a' && letter <= 'z' ? letter - 'a' + 'A' : letter;
        return Type(field, key, letter);
    }

    // Ten pixels a character.
    static int Width(std::string_view text) { return static_cast<int>(text.size()) * 10; }
};

TEST_F(TextInputTest, TakesAcceptedCharactersUpToTheFieldsWidth)
{
    TextInput field(&Width, 200);
    for (const char letter : std::string("juna zephyra"))
        EXPECT_FALSE(TypeLetter(field, letter));
    EXPECT_EQ(field.GetEnteredText(), "juna zephyra");

    // The ampersand is refused; a German letter from the German layout is not.
    Type(field, '6', '&');
    Type(field, VirtualKey::Oem7, 0xE4);
    Type(field, VirtualKey::Oem4, 0xDF);
    EXPECT_EQ(field.GetEnteredText(), "juna zephyra\xE4\xDF");

    // 14 characters so far; the 21st would be 210 pixels wide.
    for (int i = 0; i < 10; ++i)
        TypeLetter(field, 'x');
    EXPECT_EQ(field.GetEnteredText(), "juna zephyra\xE4\xDF" "xxxxxx");

    // Backspace still works at the limit, and keys without a character do
    // nothing.
    Type(field, VirtualKey::Backspace, 8);
    Type(field, VirtualKey::Left, 0);
    EXPECT_EQ(field.GetEnteredText(), "juna zephyra\xE4\xDF" "xxxxx");

    EXPECT_TRUE(Type(field, VirtualKey::Return, 13));
}

TEST_F(TextInputTest, KnowsItsCharacterSet)
{
    for (int character = 'A'; character <= 'Z'; ++character)
        EXPECT_TRUE(TextInput::IsAccepted(character));
    for (const char character : std::string(" 09az!\"#$%'()*+,-./:;<=>?@[\\]^_`{|}~"))
        EXPECT_TRUE(TextInput::IsAccepted(static_cast<unsigned char>(character))) << character;
    for (const char character : std::string("\xE4\xF6\xFC\xC4\xD6\xDC\xDF\xE5\xC5\xE9\xE8\xF4\xE2\x9C\xE7\xC9\xCE\xE0\xEA\xEB\xEE\xEF\xF9\xFB\xFF\xF1\xFA"))
        EXPECT_TRUE(TextInput::IsAccepted(static_cast<unsigned char>(character))) << int(static_cast<unsigned char>(character));
    for (const int character : {int{'&'}, 0, 9, 13, 27, 127, 0x80, 0xA7, 0xE1, 0xC0, 0x1E4, -28})
        EXPECT_FALSE(TextInput::IsAccepted(character)) << character;
}

TEST_F(TextInputTest, BlinksItsBarAndHoldsNinetyNineCharacters)
{
    TextInput field({}, 100000);
    field.SetText("Mia");
    EXPECT_EQ(field.GetText(), "Mia");
    field.Update(0.25f); // 0.25 s: phase 1
    EXPECT_EQ(field.GetText(), "Mia|");
    field.Update(0.25f); // 0.5 s: phase 2
    EXPECT_EQ(field.GetText(), "Mia");
    field.Update(0.3f); // 0.8 s: phase 3
    EXPECT_EQ(field.GetText(), "Mia|");

    field.SetText(std::string(120, 'a'));
    EXPECT_EQ(field.GetEnteredText().size(), 99u);
    TypeLetter(field, 'b');
    EXPECT_EQ(field.GetEnteredText(), std::string(99, 'a'));

    // Escape finishes too, and resets the blinking.
    EXPECT_TRUE(Type(field, VirtualKey::Escape, 27));
    EXPECT_EQ(field.GetText(), std::string(99, 'a'));
}
