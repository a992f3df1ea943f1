#include "Credits.h"

#include "platform/Windows1252.h"

#include <array>
#include <string_view>

namespace content {

namespace {

// Each line is laid out alone in a box 824 pixels wide, so a line stays
// short; only characters the credits fonts have, and no markup characters
// ('<', '>', '&'). An empty line is a gap of one line.
constexpr std::array<std::string_view, 86> lines = {
    "{Astrokutter Zephyra",
    "Ein Weltraumabenteuer",
    "für die ganze Familie",
    "",
    "{Idee und Geschichte",
    "Das Zephyra-Team",
    "",
    "{Programmierung",
    "Spielsteuerung, Menüs und Abenteuer",
    "Grafik-, Klang- und Dateimaschine",
    "Minispiele: Tanzduell, Taxi Shooter,",
    "Ritterweitwurf und Alien Shooter",
    "",
    "{Grafik",
    "Räume, Figuren und Menüs,",
    "Strich für Strich im Code gezeichnet",
    "",
    "{Musik und Geräusche",
    "Melodien als Noten geschrieben,",
    "gespielt von FluidSynth",
    "mit dem Klangsatz TimGM6mb",
    "von Tim Brechbill",
    "Geräusche aus Tönen und Rauschen",
    "",
    "{Stimmen",
    "Juna, Lotte, Mia, Kapitän Baltasar,",
    "KIRA, Rocko, Baron von Blech,",
    "Häuptling Kalani, Herold Humbert",
    "und Schmied Eisenhart",
    "gesprochen von espeak-ng",
    "",
    "{Besetzung",
    "Juna - Pilotin in Ausbildung",
    "Lotte und Mia - die Zwillinge",
    "Kapitän Baltasar - Junas Großvater",
    "KIRA - der Bordcomputer",
    "Rocko - Raumtaxifahrer",
    "Baron von Blech - Sammler",
    "Häuptling Kalani - Richter beim Tanz",
    "Herold Humbert - Hüter des Passworts",
    "Schmied Eisenhart - fürchtet Hexen",
    "die Alien-Schleimlinge - sie selbst",
    "",
    "{Freie Software, mit Dank",
    "SDL2 - zlib-Lizenz",
    "libjpeg-turbo - IJG- und BSD-Lizenz.",
    "This software is based in part",
    "on the work of the",
    "Independent JPEG Group.",
    "libogg und libvorbis - BSD-Lizenz,",
    "(c) Xiph.Org Foundation",
    "cairo - LGPL 2.1",
    "FreeType - FreeType-Lizenz.",
    "Portions of this software",
    "are copyright (c) 2022",
    "The FreeType Project",
    "(www.freetype.org).",
    "All rights reserved.",
    "Schriften DejaVu -",
    "Bitstream-Vera-Lizenz,",
    "(c) Bitstream, Inc.",
    "libpng - libpng-Lizenz",
    "FFmpeg - LGPL 2.1",
    "FluidSynth - LGPL 2.1",
    "Klangsatz TimGM6mb - GPL 2",
    "espeak-ng - GPL 3",
    "Die Lizenztexte stehen in",
    "/usr/share/doc",
    "",
    "{Mit Dank an die Werkzeuge",
    "GoogleTest, CMake, Ninja, GCC, Clang",
    "",
    "{Getestet von",
    "allen, die mitgeflogen sind",
    "",
    "{Besonderer Dank",
    "an alle, die gemeinsam spielen,",
    "und an jeden, der einmal einen Kristall",
    "verloren und wiedergefunden hat",
    "",
    "",
    "{Danke fürs Spielen!",
    "",
    "Die Zephyra ist gelandet.",
    "Bis zum nächsten Abenteuer!",
    "",
};

} // namespace

std::string CreditsText()
{
    std::string text;
    for (const std::string_view line : lines)
        text += Windows1252::FromUtf8(line) + "\r\n";
    return text;
}

} // namespace content
