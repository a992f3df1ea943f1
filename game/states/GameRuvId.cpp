#include "GameRuvId.h"

#include "MainProgram.h"
#include "app/Debug.h"
#include "app/Factory.h"
#include "graphics/LoadingScreen.h"

namespace {

const FactoryRegistration<GameState, GameRuvId> registration("GameRuvId");

} // namespace

void GameRuvId::Init(int level)
{
    LogPrint("GameRuvId::Init: Level %d would start here; the adventure is not built yet, back to the main menu.\n",
               level);
    // A savegame the menu opened for this level is not applied.
    MainProgram::GetInstance().TakePendingSavegame();
    MainProgram::GetInstance().SetProject("GameRuvIdMenu");
    initialised = true;
}
