#pragma once

// Lays out and draws text with a small markup inside a box.
//
// Markup (Windows-1252 text):
//   <font name> ... </font>     the registered font `name` (a stack)
//   <br>                        a line break
//   <halign left|right|other> ... </halign>   the lines' alignment (centre
//                                             for any other word; a stack)
//   <center> ... </center>      centred lines; starts a new line unless the
//                               line is still empty
//   <valign top|bottom|other> ... </valign>   where a word lower than its
//                                             line sits (middle for others)
//   &lt; and &gt;               "<" and ">"; any other "&" is dropped
// Words are cut at spaces. A word or space that would make its line wider
// than the box starts a new line (a word wider than the box stays on its
// own line); spaces at the start of a line and spaces that end a wrapped
// line take no room. Each line is as high as its highest word (an empty
// line: the line height of its font), and is shifted by the alignment in
// force at its first word or space. Tags open and close within one text:
// every DrawText and MeasureText starts from the display's font and
// alignments.

#include "Font.h"
#include "app/Singleton.h"
#include "app/TextInput.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

enum class HorizontalAlignment { left, centre, right };
enum class VerticalAlignment { top, middle, bottom };

// The unit of layout.
struct TextToken {
    enum class Kind { word, space, tag, droppedSpace };

    std::string text;
    Kind kind = Kind::word;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    const Font* font = nullptr;
    int line = 0;
    HorizontalAlignment horizontalAlignment = HorizontalAlignment::left;
    VerticalAlignment verticalAlignment = VerticalAlignment::top;
};

struct TextRectangle {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TextRectangle&) const = default;
};

class TextDisplay : public Singleton<TextDisplay> {
public:
    // Takes the font under the name (replacing one of the same name).
    void RegisterFont(const std::string& name, std::unique_ptr<Font> font);
    Font* GetFont(const std::string& name) const;
    // False (with a warning) for a name nobody registered; the font stays.
    bool SetFont(const std::string& name);
    const std::string& GetFontName() const { return fontName; }

    void SetBox(int x, int y, int width, int height);
    TextRectangle GetBox() const { return box; }
    void SetHAlign(HorizontalAlignment alignment) { horizontalAlignment = alignment; }
    void SetVAlign(VerticalAlignment alignment) { verticalAlignment = alignment; }
    HorizontalAlignment GetHAlign() const { return horizontalAlignment; }
    VerticalAlignment GetVAlign() const { return verticalAlignment; }

    void DrawText(std::string_view text);
    // The rectangle the text's words and spaces cover (the box's corner and
    // no size for a text without any).
    TextRectangle MeasureText(std::string_view text);
    // Font "default", alignments left and top.
    void Reset();

    // Measures texts with the registered font of that name (for the text
    // entry fields of the menus).
    static TextInput::WidthFunction GetWidthFunction(const std::string& name);
    // The text with its angle brackets written as &lt; and &gt;, so that it
    // is drawn as it stands (names typed by the player, file names).
    static std::string EscapeMarkup(std::string_view text);

    // The markup cut into words, spaces and tags (tags without their angle
    // brackets).
    static std::vector<TextToken> ScanMarkup(std::string_view text);
    // The tokens with their fonts, lines and positions.
    std::vector<TextToken> LayOut(std::string_view text) const;

private:
    std::map<std::string, std::unique_ptr<Font>> fonts;
    std::string fontName = "default";
    TextRectangle box;
    HorizontalAlignment horizontalAlignment = HorizontalAlignment::left;
    VerticalAlignment verticalAlignment = VerticalAlignment::top;
};
