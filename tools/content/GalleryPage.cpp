#include "GalleryPage.h"

#include "graphics/RenderEngine.h"
#include "graphics/TextDisplay.h"

namespace gallery {

platform::Picture RenderPage(platform::HeadlessPlatform& host)
{
    RenderEngine::GetInstance().Render();
    DirectDraw::GetInstance().Flip();
    return host.GetWindow().GetLastPresented();
}

std::string Escaped(std::string_view text)
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

std::string FittedText(const std::string& text, const char* font, int width)
{
    const auto measure = TextDisplay::GetWidthFunction(font);
    if (measure(text) <= width)
        return text;
    std::string cut = text;
    while (!cut.empty() && measure(cut + "..") > width)
        cut.pop_back();
    return cut + "..";
}

} // namespace gallery
