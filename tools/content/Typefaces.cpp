#include "Typefaces.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <map>
#include <mutex>
#include <string>

namespace content {

namespace {

class Typefaces {
public:
    Typefaces() = default;
    Typefaces(const Typefaces&) = delete;
    Typefaces& operator=(const Typefaces&) = delete;
    ~Typefaces()
    {
        for (auto& [name, face] : faces) {
            cairo_font_face_destroy(face.cairoFace);
            FT_Done_Face(face.face);
        }
        if (library != nullptr)
            FT_Done_FreeType(library);
    }

    // Null when the file cannot be read. Any thread may ask (the intro's
    // frames are drawn side by side).
    cairo_font_face_t* Get(const std::string& path)
    {
        const std::lock_guard lock(mutex);
        if (const auto found = faces.find(path); found != faces.end())
            return found->second.cairoFace;
        if (library == nullptr && FT_Init_FreeType(&library) != 0) {
            library = nullptr;
            return nullptr;
        }
        Face face;
        if (FT_New_Face(library, path.c_str(), 0, &face.face) != 0)
            return nullptr;
        face.cairoFace = cairo_ft_font_face_create_for_ft_face(face.face, 0);
        if (cairo_font_face_status(face.cairoFace) != CAIRO_STATUS_SUCCESS) {
            cairo_font_face_destroy(face.cairoFace);
            FT_Done_Face(face.face);
            return nullptr;
        }
        return faces.emplace(path, face).first->second.cairoFace;
    }

    static Typefaces& Instance()
    {
        static Typefaces typefaces;
        return typefaces;
    }

private:
    struct Face {
        FT_Face face = nullptr;
        cairo_font_face_t* cairoFace = nullptr;
    };
    std::mutex mutex;
    FT_Library library = nullptr;
    std::map<std::string, Face> faces;
};

} // namespace

const char* TypefaceFolder()
{
    return "/usr/share/fonts/truetype/dejavu/";
}

cairo_font_face_t* Typeface(const char* file)
{
    const std::string path = std::string(TypefaceFolder()) + file;
    cairo_font_face_t* face = Typefaces::Instance().Get(path);
    if (face == nullptr)
        std::fprintf(stderr, "zephyra-content: cannot read the typeface %s\n", path.c_str());
    return face;
}

void UseFace(cairo_t* context, cairo_font_face_t* face, double size)
{
    cairo_set_font_face(context, face);
    cairo_set_font_size(context, size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(context, options);
    cairo_font_options_destroy(options);
}

} // namespace content
