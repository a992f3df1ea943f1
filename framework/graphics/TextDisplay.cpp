#include "TextDisplay.h"

#include "Font.h"
#include "app/Debug.h"
#include "files/StringTokens.h"

#include <algorithm>

namespace {

HorizontalAlignment HorizontalFrom(const std::string& word)
{
    if (word == "left")
        return HorizontalAlignment::left;
    if (word == "right")
        return HorizontalAlignment::right;
    return HorizontalAlignment::centre;
}

VerticalAlignment VerticalFrom(const std::string& word)
{
    if (word == "top")
        return VerticalAlignment::top;
    if (word == "bottom")
        return VerticalAlignment::bottom;
    return VerticalAlignment::middle;
}

template <typename Value>
void Pop(std::vector<Value>& stack, std::size_t keep)
{
    if (stack.size() > keep)
        stack.pop_back();
}

struct Line {
    int width = 0;
    int height = 0;
    int emptyHeight = 0;
    bool hasTokens = false;
    bool hasAlignment = false;
    HorizontalAlignment alignment = HorizontalAlignment::left;
};

} // namespace

void TextDisplay::RegisterFont(const std::string& name, std::unique_ptr<Font> font)
{
    fonts[name] = std::move(font);
}

Font* TextDisplay::GetFont(const std::string& name) const
{
    const auto found = fonts.find(name);
    return found != fonts.end() ? found->second.get() : nullptr;
}

bool TextDisplay::SetFont(const std::string& name)
{
    if (GetFont(name) == nullptr) {
        LogWarning("TextDisplay::SetFont: Unknown font <%s>!\n", name.c_str());
        return false;
    }
    fontName = name;
    return true;
}

void TextDisplay::SetBox(int x, int y, int width, int height)
{
    box = TextRectangle{x, y, width, height};
}

void TextDisplay::Reset()
{
    fontName = "default";
    horizontalAlignment = HorizontalAlignment::left;
    verticalAlignment = VerticalAlignment::top;
}

TextInput::WidthFunction TextDisplay::GetWidthFunction(const std::string& name)
{
    return [name](std::string_view text) {
        const Font* font = TextDisplay::GetInstance().GetFont(name);
        return font != nullptr ? font->GetStringWidth(text) : 0;
    };
}

std::vector<TextToken> TextDisplay::ScanMarkup(std::string_view text)
{
    std::vector<TextToken> tokens;
    std::string word;
    const auto endWord = [&] {
        if (!word.empty())
            tokens.push_back(TextToken{std::move(word)});
        word.clear();
    };
    bool inTag = false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char character = text[at];
        if (inTag) {
            if (character == '>') {
                tokens.push_back(TextToken{std::move(word), TextToken::Kind::tag});
                word.clear();
                inTag = false;
            } else {
                word += character;
            }
        } else if (character == '<') {
            endWord();
            inTag = true;
        } else if (character == ' ') {
            endWord();
            tokens.push_back(TextToken{" ", TextToken::Kind::space});
        } else if (character == '&') {
            if (text.substr(at, 4) == "&lt;" || text.substr(at, 4) == "&gt;") {
                word += text[at + 1] == 'l' ? '<' : '>';
                at += 3;
            }
        } else {
            word += character;
        }
    }
    if (!inTag)
        endWord();
    return tokens;
}

std::vector<TextToken> TextDisplay::LayOut(std::string_view text) const
{
    std::vector<TextToken> tokens = ScanMarkup(text);
    std::vector<const Font*> fontStack = {GetFont(fontName)};
    std::vector<HorizontalAlignment> horizontalStack = {horizontalAlignment};
    std::vector<VerticalAlignment> verticalStack = {verticalAlignment};
    const auto lineHeightNow = [&] { return fontStack.back() != nullptr ? fontStack.back()->GetLineHeight() : 0; };
    std::vector<Line> lines(1);
    lines.back().emptyHeight = lineHeightNow();
    const auto newLine = [&] {
        lines.emplace_back();
        lines.back().emptyHeight = lineHeightNow();
    };

    // Fonts, alignments and lines.
    for (std::size_t index = 0; index < tokens.size(); ++index) {
        TextToken& token = tokens[index];
        if (token.kind == TextToken::Kind::tag) {
            const StringTokens words(token.text);
            const std::string tag = words.StringAt(0);
            const std::string argument = words.StringAt(1);
            if (tag == "font") {
                const Font* font = GetFont(argument);
                if (font == nullptr)
                    LogWarning("TextDisplay::LayOut: Unknown font <%s>!\n", argument.c_str());
                fontStack.push_back(font != nullptr ? font : fontStack.back());
            } else if (tag == "/font") {
                Pop(fontStack, 1);
            } else if (tag == "br") {
                newLine();
            } else if (tag == "halign") {
                horizontalStack.push_back(HorizontalFrom(argument));
            } else if (tag == "/halign" || tag == "/center") {
                Pop(horizontalStack, 1);
            } else if (tag == "center") {
                horizontalStack.push_back(HorizontalAlignment::centre);
                if (lines.back().hasTokens)
                    newLine();
            } else if (tag == "valign") {
                verticalStack.push_back(VerticalFrom(argument));
            } else if (tag == "/valign") {
                Pop(verticalStack, 1);
            }
            continue;
        }
        const Font* font = fontStack.back();
        token.font = font;
        token.horizontalAlignment = horizontalStack.back();
        token.verticalAlignment = verticalStack.back();
        token.width = font != nullptr ? font->GetStringWidth(token.text) : 0;
        token.height = lineHeightNow();
        if (lines.back().hasTokens && box.width < lines.back().width + token.width) {
            // Spaces that ended the line take no room.
            for (std::size_t before = index; before-- > 0;) {
                TextToken& previous = tokens[before];
                if (previous.kind == TextToken::Kind::tag)
                    continue;
                if (previous.kind != TextToken::Kind::space)
                    break;
                previous.kind = TextToken::Kind::droppedSpace;
                lines.back().width -= previous.width;
            }
            newLine();
        }
        Line& line = lines.back();
        token.line = static_cast<int>(lines.size()) - 1;
        if (!line.hasAlignment) {
            line.alignment = token.horizontalAlignment;
            line.hasAlignment = true;
        }
        if (token.kind == TextToken::Kind::space && !line.hasTokens) {
            token.kind = TextToken::Kind::droppedSpace;
            continue;
        }
        line.width += token.width;
        line.height = std::max(line.height, token.height);
        line.hasTokens = true;
    }

    // Positions.
    std::vector<int> lineTop(lines.size());
    std::vector<int> lineX(lines.size());
    int y = box.y;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const Line& line = lines[index];
        lineTop[index] = y;
        y += line.hasTokens ? line.height : line.emptyHeight;
        const int room = box.width - line.width;
        lineX[index] = box.x + (line.alignment == HorizontalAlignment::right    ? room
                                : line.alignment == HorizontalAlignment::centre ? room / 2
                                                                                : 0);
    }
    for (TextToken& token : tokens) {
        if (token.kind == TextToken::Kind::tag)
            continue;
        const auto line = static_cast<std::size_t>(token.line);
        token.x = lineX[line];
        token.y = lineTop[line];
        if (token.kind == TextToken::Kind::droppedSpace) {
            token.width = 0;
            continue;
        }
        lineX[line] += token.width;
        const int lower = lines[line].height - token.height;
        if (token.verticalAlignment == VerticalAlignment::bottom)
            token.y += lower;
        else if (token.verticalAlignment == VerticalAlignment::middle)
            token.y += lower / 2;
    }
    return tokens;
}

std::string TextDisplay::EscapeMarkup(std::string_view text)
{
    std::string escaped;
    for (const char character : text) {
        if (character == '<')
            escaped += "&lt;";
        else if (character == '>')
            escaped += "&gt;";
        else
            escaped += character;
    }
    return escaped;
}

void TextDisplay::DrawText(std::string_view text)
{
    for (const TextToken& token : LayOut(text))
        if (token.kind == TextToken::Kind::word && token.font != nullptr)
            token.font->DrawString(token.x, token.y, token.text);
}

TextRectangle TextDisplay::MeasureText(std::string_view text)
{
    int left = 0, top = 0, right = 0, bottom = 0;
    bool any = false;
    for (const TextToken& token : LayOut(text)) {
        if (token.kind != TextToken::Kind::word && token.kind != TextToken::Kind::space)
            continue;
        left = any ? std::min(left, token.x) : token.x;
        top = any ? std::min(top, token.y) : token.y;
        right = any ? std::max(right, token.x + token.width) : token.x + token.width;
        bottom = any ? std::max(bottom, token.y + token.height) : token.y + token.height;
        any = true;
    }
    if (!any)
        return TextRectangle{box.x, box.y, 0, 0};
    return TextRectangle{left, top, right - left, bottom - top};
}
