#pragma once

#include <string>

// How the main window and the display start; copied into the application.
struct ApplicationSettings {
    std::string windowTitle = "RE3Zodezaruz";
    std::string windowClassName = "RE3Zodezaruz";
    int width = 800;
    int height = 600;
    int depth = 16;
    bool fullScreen = false;
    bool integerScaling = false;
};
