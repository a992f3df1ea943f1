// zephyra-icons OUT_DIR: draws the application icon in every size of the
// desktop's icon theme as OUT_DIR/<n>x<n>/de.astrokutter.Zephyra.png.

#include "AppIcon.h"

#include <cairo.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2 || std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "--help") == 0) {
        std::fputs("Usage: zephyra-icons OUT_DIR\n"
                   "Draws the application icon as OUT_DIR/<n>x<n>/de.astrokutter.Zephyra.png for every size.\n",
                   argc == 2 ? stdout : stderr);
        return argc == 2 ? 0 : 2;
    }
    for (const int size : packaging::appIconSizes) {
        const std::string side = std::to_string(size);
        const std::filesystem::path folder = std::filesystem::path(argv[1]) / (side + "x" + side);
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        const std::string path = (folder / "de.astrokutter.Zephyra.png").string();
        const content::Picture icon = packaging::DrawAppIcon(size);
        const cairo_status_t status = cairo_surface_write_to_png(cairo_get_target(icon.Cairo()), path.c_str());
        if (status != CAIRO_STATUS_SUCCESS) {
            std::fprintf(stderr, "zephyra-icons: cannot write %s: %s\n", path.c_str(), cairo_status_to_string(status));
            return 1;
        }
    }
    return 0;
}
