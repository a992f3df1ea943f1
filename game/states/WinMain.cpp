#include "WinMain.h"

#include "GameParameters.h"
#include "HighscoreManager.h"
#include "RuvIdApplication.h"
#include "app/Debug.h"
#include "app/ScriptedRun.h"
#include "audio/Randomizer.h"
#include "files/DataFile.h"
#include "files/GameFolders.h"
#include "files/SettingsManager.h"
#include "platform/Platform.h"
#include "platform/Windows1252.h"
#include "platform/headless/HeadlessPlatform.h"

#include <cstdio>
#include <ctime>

namespace {

constexpr const char* productTitle = "Astrokutter Zephyra";

// A value from the configuration; a missing or unusable one (the settings
// store has already warned about a missing one) keeps the default, so that
// a damaged config.txt still starts the game.
template <typename Value>
void ReadPositive(Value configured, Value& value)
{
    if (configured > 0)
        value = configured;
}

// The largest global character scale taken: "inf" or a huge number would
// overflow every figure's drawn size.
constexpr float maximumCharacterScale = 4.0f;

// Picks where the game's files are, before the first one is opened. False,
// after telling the player, when a folder for the player's files cannot be
// made: the game then ends rather than write anywhere else.
bool UseGameFolders(platform::Platform& host)
{
    GameFolders folders = GameFolders::Detect();
    std::string folder;
    std::string reason;
    if (!folders.CreatePlayerFolders(folder, reason)) {
        host.ShowMessageBox("ERROR", "Der Ordner \"" + Windows1252::FromUtf8(folder) +
                                         "\" l\xE4sst sich nicht anlegen (" + Windows1252::FromUtf8(reason) +
                                         "). Das Spiel wird beendet.");
        return false;
    }
    GameFolders::Use(std::move(folders));
    return true;
}

} // namespace

ApplicationSettings ReadShellConfiguration()
{
    SettingsManager& settingsManager = SettingsManager::GetInstance();
    CharacterScale = 1.0f;
    const float scale = settingsManager.GetFloat("characterScale");
    if (scale <= maximumCharacterScale)
        ReadPositive(scale, CharacterScale);
    else
        LogWarning("ReadShellConfiguration: characterScale %g is unusable (above %g or not a number), 1 is used\n", scale,
                   maximumCharacterScale);

    ApplicationSettings settings;
    ReadPositive(settingsManager.GetInt("screenheight"), settings.height);
    ReadPositive(settingsManager.GetInt("screenwidth"), settings.width);
    ReadPositive(settingsManager.GetInt("screendepth"), settings.depth);
    settings.fullScreen = settingsManager.GetBool("fullscreen");
    settings.integerScaling = settingsManager.GetBool("integerScaling");
    settings.windowTitle = productTitle;
    settings.windowClassName = productTitle;
    return settings;
}

ApplicationSettings ReadStartSettings()
{
    HighscoreManager::GetInstance().Load();
    ApplicationSettings settings = ReadShellConfiguration();
    // The display mode the player chose last replaces the configuration's;
    // full screen or not stays as configured.
    GameParameters& parameters = GameParameters::GetInstance();
    if (parameters.Load()) {
        settings.width = parameters.GetDisplayMode().width;
        settings.height = parameters.GetDisplayMode().height;
        settings.depth = parameters.GetDisplayMode().depth;
    } else {
        parameters.SetDisplayMode({settings.width, settings.height, settings.depth});
    }
    return settings;
}

int WinMain(const CommandLine& commandLine)
{
    if (commandLine.headless)
        platform::Platform::Install(std::make_unique<platform::HeadlessPlatform>(commandLine.frameMilliseconds));
    else
        platform::Platform::Install(platform::CreateSdlPlatform());
    platform::Platform& host = *platform::Platform::Get();
    if (!UseGameFolders(host))
        return 1;

    ScriptedRun scriptedRun;
    std::string error;
    const unsigned seed = commandLine.seed.value_or(static_cast<unsigned>(std::time(nullptr)));
    if (!scriptedRun.Start(commandLine, seed, error)) {
        std::fprintf(stderr, "zephyra: %s\n", error.c_str());
        return 2;
    }
    Randomizer::Seed(scriptedRun.GetSeed());
    if (scriptedRun.WantsPictures())
        host.GetWindow().KeepPresentedPictures(true);

    // The game needs a picture; sound it can do without (the sample
    // manager brings it up, or the game runs silently).
    if (!host.InitVideo()) {
        host.ShowMessageBox("ERROR", "Das Spiel benötigt eine Grafikausgabe, aber die Videoausgabe dieses "
                                     "Rechners lässt sich nicht starten."_w1252);
        return -1;
    }

    DataFile::GetInstance().Init("datafile.dat");
    SettingsManager::GetInstance().LoadSettings("data\\config.txt");
    const ApplicationSettings settings = ReadStartSettings();
    int exitCode = 0;
    if (!commandLine.movieFile.empty()) {
        exitCode = PlayMovieAlone(settings, scriptedRun, commandLine.movieFile.c_str());
    } else {
        RuvIdApplication application;
        application.SetScriptedRun(&scriptedRun);
        // A game that could not start has failed; the part that failed has
        // already said why.
        if (!application.Create(settings))
            return 1;
        exitCode = application.Run();
    }
    // A recording or a screenshot that is missing is a failed run, whatever
    // the game said.
    if (!scriptedRun.GetFailure().empty()) {
        std::fprintf(stderr, "zephyra: %s\n", scriptedRun.GetFailure().c_str());
        return 2;
    }
    return exitCode;
}
