#include "Level.h"

Level::~Level() = default;

void Level::Serialize(Serializer&, const char*) {}
void Level::SerializeState(Serializer&, const char*) {}
bool Level::Init(const LevelParameters&) { return true; }
void Level::Exit() {}
void Level::Reset() {}
void Level::Update(float) {}
void Level::Render() {}
void Level::OnKey(int) {}
void Level::OnKeyUp(int) {}
void Level::OnChar(int) {}
void Level::OnLeftButtonDown(int, int, bool) {}
void Level::OnLeftButtonUp(int, int) {}
void Level::OnRightButtonDown(int, int) {}
void Level::OnRightButtonUp(int, int) {}
void Level::OnMouseMove(int, int) {}
void Level::OnMenuOpened() {}
void Level::OnMenuClosed() {}
