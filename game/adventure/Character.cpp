#include "Character.h"

#include "AdventureLevel.h"
#include "Cast.h"
#include "DialogueLog.h"
#include "PathFinder.h"
#include "Room.h"
#include "app/DX3Application.h"
#include "app/Debug.h"
#include "app/DebugDisplay.h"
#include "app/DebugDisplaySettings.h"
#include "audio/Randomizer.h"
#include "audio/SoundEngine.h"
#include "audio/StreamingSample.h"
#include "files/File.h"
#include "files/Serializer.h"
#include "graphics/AnimatedRLESprite.h"
#include "graphics/SpeechBubbleDisplay.h"
#include "graphics/SpriteManager.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace {

constexpr float pi = 3.14159265358979f;
constexpr float minimumScale = 0.00001f;
constexpr float maximumScale = 1.0f;
// Speaking time: per character of the line, and on top.
constexpr float talkSecondsPerCharacter = 0.05f;
constexpr float talkSecondsExtra = 0.7f;
// A cell named by an alias file: a few letters and digits.
constexpr std::size_t maximumCellNameLength = 8;
// Idle countdown: 8 s plus up to 10 s by a 15-bit random value.
constexpr float idleSecondsMinimum = 8.0f;
constexpr float idleSecondsPerRandomUnit = 0.0003051851f;

const char* const directionNames[8] = {"up", "rightup", "right", "rightdown", "down", "leftdown", "left", "leftup"};
// The four sides in the order the character keeps them.
const char* const sideNames[4] = {"up", "right", "down", "left"};
// Pick-up heights in the order of PickupType.
const char* const takeHeights[3] = {"low", "mid", "high"};

bool IsDirection(int direction)
{
    return direction >= Entity::up && direction <= Entity::leftUp;
}

// Walking speed factor of a direction: sideways full, up and down a
// quarter, diagonally in between.
float DirectionSpeedFactor(int direction)
{
    switch (direction) {
    case Entity::left:
    case Entity::right:
        return 1.0f;
    case Entity::up:
    case Entity::down:
        return 0.25f;
    default:
        return 0.625f;
    }
}

// The angle in degrees between two vectors; not a number when either is 0.
float AngleBetween(float ax, float ay, float bx, float by)
{
    const float lengths = std::sqrt(ax * ax + ay * ay) * std::sqrt(bx * bx + by * by);
    const float cosine = std::clamp((ax * bx + ay * by) / lengths, -1.0f, 1.0f);
    return std::acos(cosine) * 180.0f / pi;
}

void SerializePoint(Serializer& serializer, const char* name, Point& point)
{
    int values[2] = {point.x, point.y};
    serializer.SerializeIntPair(name, values);
    point = Point{values[0], values[1]};
}

// Binds the animation to the label when the label has a sprite; a label
// nobody described stays unbound without a log line (missing animations are
// allowed).
void Bind(Animation& animation, const std::string& label, float speed, int mode)
{
    animation = Animation();
    animation.SetUseDefaultSpeed(false);
    animation.SetSpeed(speed);
    animation.SetMode(mode);
    SpriteManager& sprites = SpriteManager::GetInstance();
    if (label.starts_with("NONE") || (!sprites.IsLoaded(label) && sprites.FindSpriteInfo(label) == nullptr))
        return;
    animation.SetSpriteLabel(label);
}

bool Exists(const Animation& animation)
{
    return animation.GetSprite() != nullptr;
}

// Whether an alias file's line names a sheet cell ("C07": column letters,
// then the row's digits). Anything else would send the speech stream out of
// the sheet's folder or after a file that cannot exist.
bool IsCellName(std::string_view name)
{
    const auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const std::size_t letters =
        static_cast<std::size_t>(std::find_if_not(name.begin(), name.end(), isLetter) - name.begin());
    return name.size() <= maximumCellNameLength && letters > 0 && letters < name.size() &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(letters), name.end(), isDigit);
}

} // namespace

Character::~Character()
{
    DestroySpeechStream();
}

void Character::Serialize(Serializer& serializer, const char* name)
{
    const std::string oldName = animName;
    const std::array<float, 5> oldSpeeds{walkAnimSpeed, takeAnimSpeed, idleMainAnimSpeed, idleAnimSpeed, talkAnimSpeed};
    serializer.BeginSection("Character", name);
    Entity::Serialize(serializer, name);
    serializer.SerializeString("anim name", animName);
    serializer.SerializeFloat("anim walk speed", &walkAnimSpeed);
    serializer.SerializeFloat("anim take speed", &takeAnimSpeed);
    serializer.SerializeFloat("anim idlemain speed", &idleMainAnimSpeed);
    serializer.SerializeFloat("anim idle speed", &idleAnimSpeed);
    serializer.SerializeFloat("anim talk speed", &talkAnimSpeed);
    serializer.SetHint("combobox [up][rightup][right][rightdown][down][leftdown][left][leftup]", "");
    serializer.SerializeInt("StartOrient", &startOrient);
    serializer.SerializeBool("Validate Position", &validatePosition);
    serializer.SerializeFloat("Scale Factor", &scaleFactor);
    serializer.SerializeBool("Disable Scale", &disableScale);
    SerializePoint(serializer, "speech bubble offset", speechBubbleOffset);
    SerializePoint(serializer, "shadow offset", shadowOffset);
    serializer.SerializeBool("shadow enable", &shadowEnable);
    serializer.SerializeBool("lightmapping", &lightMapping);
    serializer.SerializeBool("auto orient", &autoOrient);
    serializer.EndSection();
    if (!serializer.IsReading())
        return;
    // The entity's reset ran before the start direction was read.
    Reset();
    const std::array<float, 5> speeds{walkAnimSpeed, takeAnimSpeed, idleMainAnimSpeed, idleAnimSpeed, talkAnimSpeed};
    if (animName != oldName || speeds != oldSpeeds)
        ResetGraphics();
}

void Character::SerializeState(Serializer& serializer, const char* name)
{
    const std::string oldName = animName;
    serializer.BeginSection("Character", name);
    Entity::SerializeState(serializer, name);
    serializer.SerializeString("anim name", animName);
    serializer.SerializeBool("talk enable", &talkEnable);
    serializer.SerializeFloat("speech volume", &speechVolume);
    serializer.EndSection();
    if (!serializer.IsReading())
        return;
    // A loaded game starts with everyone standing where they were saved.
    StopSpeech();
    path.clear();
    targetOrient = noDirection;
    SetState(idle);
    if (animName != oldName)
        ResetGraphics();
}

void Character::Reset()
{
    Entity::Reset();
    orient = startOrient;
    targetOrient = noDirection;
    path.clear();
    StopSpeech();
    SetState(idle);
    // As at creation: the first idle animation waits longer than the rest.
    idleCountdown = firstIdleSeconds;
}

void Character::SetAnimSpeeds(float walk, float take, float idleMain, float idleVariation, float talk)
{
    walkAnimSpeed = walk;
    takeAnimSpeed = take;
    idleMainAnimSpeed = idleMain;
    idleAnimSpeed = idleVariation;
    talkAnimSpeed = talk;
    ResetGraphics();
}

void Character::SetAnimName(const std::string& name)
{
    animName = name;
    ResetGraphics();
}

void Character::ResetGraphics()
{
    // With "NONE" every label starts with it and nothing is bound.
    const std::string& prefix = animName;
    for (int direction = 0; direction < 8; ++direction) {
        Bind(walkAnims[direction], prefix + "_walk_" + directionNames[direction], walkAnimSpeed, Animation::modeLoop);
        Bind(standAnims[direction], prefix + "_idlemain_" + directionNames[direction], idleMainAnimSpeed,
             Animation::modeLoop);
    }
    for (int side = 0; side < 4; ++side) {
        Bind(talkAnims[side], prefix + "_talking_" + sideNames[side], talkAnimSpeed, Animation::modeLoop);
        for (int variant = 0; variant < idleVariants; ++variant)
            Bind(idleAnims[side][variant], prefix + "_idle" + std::to_string(variant + 1) + "_" + sideNames[side],
                 idleAnimSpeed, Animation::modeStop);
        for (int height = 0; height < 3; ++height)
            Bind(takeAnims[height][side], prefix + "_take" + takeHeights[height] + "_" + sideNames[side],
                 takeAnimSpeed, Animation::modeStop);
    }
    idleVariant = nullptr;
    currentAnim = IsDirection(orient) ? StandingAnimation(orient) : nullptr;
    if (state == idleAnimation || state == pickingUp)
        SetState(idle);
}

void Character::OnUse()
{
    if (AdventureLevel* level = AdventureLevel::Current())
        level->Perform(level->GetUseLine(Cast::GetInstance().GetFullName(this)));
}

void Character::OnExamine()
{
    if (AdventureLevel* level = AdventureLevel::Current())
        level->Perform(level->GetExamineLine(Cast::GetInstance().GetFullName(this)));
}

bool Character::WalkTo(int x, int y, int direction)
{
    const Room* ownRoom = GetRoom();
    const ByteMap* walkArea = ownRoom != nullptr ? ownRoom->GetWalkArea() : nullptr;
    const bool haveMap = walkArea != nullptr && !walkArea->IsEmpty() && ownRoom->GetWidth() > 0 &&
                         ownRoom->GetHeight() > 0;
    const float scaleX = haveMap ? static_cast<float>(walkArea->GetWidth()) / static_cast<float>(ownRoom->GetWidth()) : 1.0f;
    const float scaleY =
        haveMap ? static_cast<float>(walkArea->GetHeight()) / static_cast<float>(ownRoom->GetHeight()) : 1.0f;

    if (haveMap && validatePosition) {
        int mapX = static_cast<int>(static_cast<float>(x) * scaleX);
        int mapY = static_cast<int>(static_cast<float>(y) * scaleY);
        if (!PathFinder::ValidatePosition(*walkArea, mapX, mapY))
            return false;
        // Back to room coordinates only when the point had to move: a
        // walkable target keeps its exact pixel.
        if (mapX != static_cast<int>(static_cast<float>(x) * scaleX) ||
            mapY != static_cast<int>(static_cast<float>(y) * scaleY)) {
            x = static_cast<int>(static_cast<float>(mapX) / scaleX);
            y = static_cast<int>(static_cast<float>(mapY) / scaleY);
        }
    }

    const float dx = static_cast<float>(x) - position.x;
    const float dy = static_cast<float>(y) - position.y;
    if (std::sqrt(dx * dx + dy * dy) < minimumWalkDistance) {
        TurnTo(direction);
        return false;
    }

    std::vector<Point> found;
    if (!haveMap ||
        !PathFinder::GetInstance().FindPathExt(position.x, position.y, static_cast<float>(x), static_cast<float>(y),
                                               *walkArea, scaleX, scaleY, found) ||
        found.size() < 2) {
        LogWarning("Character::OnWalk: No path [%f,%f] to [%d,%d] founded!\n", static_cast<double>(position.x),
                   static_cast<double>(position.y), x, y);
        path.clear();
        SetState(idle);
        return false;
    }
    path = std::move(found);
    targetOrient = IsDirection(direction) ? direction : noDirection;
    SetState(walking);
    return true;
}

void Character::MoveTo(int x, int y, float speed)
{
    lineStart = position;
    lineEnd = FloatPoint{static_cast<float>(x), static_cast<float>(y)};
    const float dx = lineEnd.x - lineStart.x;
    const float dy = lineEnd.y - lineStart.y;
    const float distance = std::sqrt(dx * dx + dy * dy);
    if (!(distance > 0.0f) || !(speed > 0.0f)) {
        SetPosition(x, y);
        return;
    }
    lineT = 0.0f;
    lineRate = speed / distance;
    SetState(lineMove);
}

void Character::SetPosition(int x, int y)
{
    position = FloatPoint{static_cast<float>(x), static_cast<float>(y)};
    path.clear();
    SetState(idle);
}

void Character::TurnTo(int direction)
{
    if (!IsDirection(direction) && direction != noDirection)
        return;
    targetOrient = direction;
    if (direction != noDirection && direction != orient)
        SetState(turning);
}

void Character::Pickup(int type)
{
    pickupType = type;
    SetState(pickingUp);
}

void Character::Stop()
{
    if (state == walking || state == lineMove || state == turning) {
        path.clear();
        SetState(idle);
    }
}

void Character::SetState(int newState)
{
    if (newState < idle || newState > idleAnimation) {
        LogError("Character::SetState: Unknown state %d!\n", newState);
        return;
    }
    state = newState;
    switch (newState) {
    case idle:
        RestartIdleCountdown();
        break;
    case walking:
        segment = 0;
        t = 0.0f;
        if (!path.empty())
            position = FloatPoint{static_cast<float>(path[0].x), static_cast<float>(path[0].y)};
        break;
    case pickingUp:
        if (IsDirection(orient))
            orient = DirectionOfSide(SideOf(orient));
        for (auto& height : takeAnims)
            for (Animation& animation : height)
                animation.SetTime(0.0f);
        break;
    default:
        break;
    }
}

void Character::Update(float dt)
{
    switch (state) {
    case idle:
        UpdateIdle(dt);
        break;
    case walking:
        UpdateWalk(dt);
        break;
    case turning:
        UpdateTurn(dt);
        break;
    case lineMove:
        UpdateLineMove(dt);
        break;
    case pickingUp:
        UpdatePickup(dt);
        break;
    case idleAnimation:
        UpdateIdleAnimation(dt);
        break;
    default:
        LogError("Character::Update: Unknown state %d!\n", state);
        break;
    }
    // A script's animation shows instead of the character's own.
    if (playUserAnim) {
        currentAnim = &userAnim;
        userAnim.Update(dt);
    }
    UpdateTalkTime(dt);
}

void Character::Show(Animation* animation, float dt)
{
    currentAnim = animation;
    if (animation != nullptr)
        animation->Update(dt);
}

void Character::UpdateIdle(float dt)
{
    if (talkTime > 0.0f && IsDirection(orient)) {
        orient = DirectionOfSide(SideOf(orient));
        Animation& talking = talkAnims[static_cast<std::size_t>(SideOf(orient))];
        Show(Exists(talking) ? &talking : StandingAnimation(orient), dt);
    } else {
        Show(IsDirection(orient) ? StandingAnimation(orient) : nullptr, dt);
    }
    if (!IdlesAllowed())
        return;
    idleCountdown -= dt;
    if (idleCountdown <= 0.0f)
        StartIdleVariant();
}

bool Character::IdlesAllowed() const
{
    if (playUserAnim)
        return false;
    const AdventureLevel* level = AdventureLevel::Current();
    return level == nullptr ||
           (level->GetState() != AdventureLevel::conversation && level->InputAllowed() && level->BlockingScriptsIdle());
}

void Character::StartIdleVariant()
{
    // The group of the direction: the three downward ones look down, leftup
    // looks left, rightup right.
    int side = sideDown;
    switch (orient) {
    case up:
        side = sideUp;
        break;
    case rightUp:
    case right:
        side = sideRight;
        break;
    case left:
    case leftUp:
        side = sideLeft;
        break;
    default:
        side = sideDown;
        break;
    }
    int count = 0;
    while (count < idleVariants && Exists(idleAnims[side][count]))
        ++count;
    if (count == 0) {
        RestartIdleCountdown();
        return;
    }
    orient = DirectionOfSide(side);
    idleVariant = &idleAnims[side][Randomizer::GetInstance().Next() % count];
    idleVariant->SetTime(0.0f);
    currentAnim = idleVariant;
    SetState(idleAnimation);
}

void Character::UpdateIdleAnimation(float dt)
{
    if (idleVariant == nullptr || !Exists(*idleVariant)) {
        SetState(idle);
        return;
    }
    Show(idleVariant, dt);
    if (idleVariant->IsFinished()) {
        idleVariant = nullptr;
        SetState(idle);
    }
}

void Character::UpdateWalk(float dt)
{
    if (segment + 1 >= path.size()) {
        path.clear();
        SetState(idle);
        return;
    }
    const Point start = path[segment];
    const Point end = path[segment + 1];
    const float dx = static_cast<float>(end.x - start.x);
    const float dy = static_cast<float>(end.y - start.y);
    const float length = std::sqrt(dx * dx + dy * dy);

    if (autoOrient && length > 0.0f) {
        const int goal = ChooseWalkDirection(orient, dx, dy);
        orient = IsDirection(orient) ? TurnStep(orient, goal) : goal;
    }
    Show(IsDirection(orient) ? WalkAnimation(orient) : nullptr, dt);

    if (length > 0.0f) {
        segmentRate = std::min(DirectionSpeedFactor(orient) * walkSpeed / length, walkSpeed);
        const float scale = disableScale ? 1.0f : GetScale() * scaleFactor;
        t += segmentRate * scale * dt;
    } else {
        t = 1.0f;
    }
    const float along = std::min(t, 1.0f);
    position = FloatPoint{static_cast<float>(start.x) + dx * along, static_cast<float>(start.y) + dy * along};
    if (t < 1.0f)
        return;
    t = 0.0f;
    ++segment;
    if (segment + 1 < path.size())
        return;
    if (targetOrient != noDirection && targetOrient != orient)
        SetState(turning);
    else
        SetState(idle);
}

void Character::UpdateTurn(float dt)
{
    if (!IsDirection(targetOrient)) {
        SetState(idle);
        return;
    }
    orient = IsDirection(orient) ? TurnStep(orient, targetOrient) : targetOrient;
    Show(StandingAnimation(orient), dt);
    if (orient == targetOrient)
        SetState(idle);
}

void Character::UpdateLineMove(float dt)
{
    lineT += dt * lineRate;
    const float along = std::min(lineT, 1.0f);
    position = FloatPoint{std::trunc(lineStart.x + (lineEnd.x - lineStart.x) * along),
                          std::trunc(lineStart.y + (lineEnd.y - lineStart.y) * along)};
    Show(IsDirection(orient) ? WalkAnimation(orient) : nullptr, dt);
    if (lineT >= 1.0f)
        SetState(idle);
}

void Character::UpdatePickup(float dt)
{
    if (pickupType < pickupLow || pickupType > pickupHigh) {
        LogWarning("Character::UpdateStatePickup: Wrong pickup type!\n");
        SetState(idle);
        return;
    }
    const int side = IsDirection(orient) ? SideOf(orient) : sideDown;
    Animation& take = takeAnims[pickupType - 1][side];
    if (!Exists(take)) {
        SetState(idle);
        return;
    }
    Show(&take, dt);
    if (take.IsFinished())
        SetState(idle);
}

void Character::UpdateTalkTime(float dt)
{
    if (talkTime <= 0.0f)
        return;
    if (speechSerial != 0) {
        // A sequence being skipped cuts a recorded line short: its
        // recording would hold the line as long as it plays, and the
        // skip's game time does not drain it.
        const AdventureLevel* level = AdventureLevel::Current();
        if (level != nullptr && level->IsSkipping()) {
            StopSpeech();
            return;
        }
        // A recorded line lasts as long as its recording; a recording that
        // is gone or never started leaves the reading time to count.
        StreamingSample* stream = GetSpeechStream();
        if (stream != nullptr && stream->IsPlaying()) {
            speechStarted = true;
            return;
        }
        if (speechStarted) {
            StopSpeech();
            return;
        }
    }
    talkTime -= dt;
    if (talkTime <= 0.0f)
        StopSpeech();
}

void Character::RestartIdleCountdown()
{
    // The factor is made for a 15-bit generator.
    idleCountdown = idleSecondsMinimum +
                    static_cast<float>(Randomizer::GetInstance().Next() % 32768) * idleSecondsPerRandomUnit;
}

Animation* Character::WalkAnimation(int direction)
{
    return &walkAnims[static_cast<std::size_t>(direction)];
}

Animation* Character::StandingAnimation(int direction)
{
    Animation& standing = standAnims[static_cast<std::size_t>(direction)];
    return Exists(standing) ? &standing : WalkAnimation(direction);
}

int Character::SideOf(int direction)
{
    switch (direction) {
    case up:
        return sideUp;
    case rightUp:
    case right:
    case rightDown:
        return sideRight;
    case down:
        return sideDown;
    default:
        return sideLeft;
    }
}

int Character::DirectionOfSide(int side)
{
    static constexpr int directions[4] = {up, right, down, left};
    return directions[side];
}

FloatPoint Character::GetOrientationVector(int direction)
{
    static constexpr float diagonal = 0.70710678f;
    static constexpr FloatPoint vectors[8] = {{0.0f, -1.0f}, {diagonal, -diagonal}, {1.0f, 0.0f}, {diagonal, diagonal},
                                              {0.0f, 1.0f},  {-diagonal, diagonal}, {-1.0f, 0.0f}, {-diagonal, -diagonal}};
    if (!IsDirection(direction)) {
        LogWarning("Character::GetOrientationVector: Invalid direction (%d)!\n", direction);
        return FloatPoint{};
    }
    return vectors[direction];
}

int Character::ChooseWalkDirection(int current, float dx, float dy)
{
    if (IsDirection(current)) {
        const FloatPoint facing = GetOrientationVector(current);
        if (AngleBetween(dx, dy, facing.x, facing.y) < keepDirectionDegrees)
            return current;
    }
    for (int direction = up; direction < leftUp; ++direction) {
        const FloatPoint candidate = GetOrientationVector(direction);
        if (AngleBetween(dx, dy, candidate.x, candidate.y) < chooseDirectionDegrees)
            return direction;
    }
    return leftUp;
}

int Character::TurnStep(int from, int to)
{
    const int clockwise = ((to - from) % 8 + 8) % 8;
    if (clockwise == 0)
        return from;
    return clockwise <= 4 ? (from + 1) % 8 : (from + 7) % 8;
}

std::uint32_t Character::LightToTint(std::uint32_t light)
{
    return ((light & 0xFF) << 16) | (light & 0xFF00) | ((light >> 16) & 0xFF);
}

float Character::GetScale() const
{
    const Room* ownRoom = GetRoom();
    if (useRoomScale && ownRoom != nullptr)
        return ownRoom->GetScale(position.x, position.y);
    float scale = frontScale;
    if (frontY != backY)
        scale = (position.y - static_cast<float>(backY)) / static_cast<float>(frontY - backY) * (frontScale - backScale) +
                backScale;
    if (!(scale >= minimumScale))
        return minimumScale;
    return std::min(scale, maximumScale);
}

void Character::SetScaling(float newFrontScale, float newBackScale, int newFrontYPos, int newBackYPos)
{
    frontScale = newFrontScale;
    backScale = newBackScale;
    frontY = newFrontYPos;
    backY = newBackYPos;
    useRoomScale = false;
}

std::string Character::SpeechFileName(int levelNumber, const TalkEntry& entry) const
{
    char folder[96];
    std::snprintf(folder, sizeof folder, "level%02d\\audio\\streamingtalk\\", levelNumber);
    std::string cell = entry.cell;
    // An alias file names the cell whose recording says the same.
    const std::string aliasName = std::string("data\\") + folder + entry.sheet + "\\" + entry.cell + ".txt";
    File alias;
    if (File::Exists(aliasName.c_str()) && alias.Open(aliasName.c_str(), "r")) {
        std::string line;
        if (alias.ReadLine(line, 64)) {
            while (!line.empty() && (line.back() == '\r' || line.back() == '\n' || line.back() == ' '))
                line.pop_back();
            if (IsCellName(line))
                cell = line;
            else if (!line.empty())
                LogWarning("Character::SpeechFileName: <%s> names no cell, the line's own recording is used\n",
                           aliasName.c_str());
        }
    }
    return std::string(folder) + entry.sheet + "\\" + cell;
}

void Character::Say(const TalkEntry& entry)
{
    StopSpeech();
    talkLine = entry.text;
    talkTime = static_cast<float>(entry.text.size()) * talkSecondsPerCharacter + talkSecondsExtra;
    bubbleLeft = position.x > static_cast<float>(bubbleSideX);
    if (state == idleAnimation)
        SetState(idle);

    AdventureLevel* level = AdventureLevel::Current();
    const bool recorded = level != nullptr && !entry.sheet.empty() && !entry.cell.empty();
    const std::string recording = recorded ? SpeechFileName(level->GetLevelNumber(), entry) : std::string();
    // Lines skipped over are kept too: the log is where they can be read.
    DialogueLog::GetInstance().Add({GetSpeakerName(), entry.text, recording, speechVolume});
    if (!recorded || level->IsSkipping())
        return;
    StreamingSample* stream = SoundEngine::GetInstance().CreateStream(recording);
    if (stream == nullptr)
        return;
    stream->SetSoundGroup(soundGroupSpeech);
    stream->SetVolume(speechVolume);
    stream->Rewind();
    stream->Play();
    speechSerial = stream->GetSerial();
    speechStarted = false;
}

std::string Character::GetSpeakerName() const
{
    if (!GetLabel().empty())
        return GetLabel();
    std::string name = animName;
    if (!name.empty() && name.front() >= 'a' && name.front() <= 'z')
        name.front() = static_cast<char>(name.front() - 'a' + 'A');
    return name;
}

void Character::StopSpeech()
{
    talkTime = 0.0f;
    DestroySpeechStream();
    RestartIdleCountdown();
}

StreamingSample* Character::GetSpeechStream() const
{
    if (speechSerial == 0 || !SoundEngine::Exists())
        return nullptr;
    return SoundEngine::GetInstance().FindStream(speechSerial);
}

void Character::DestroySpeechStream()
{
    if (StreamingSample* stream = GetSpeechStream())
        SoundEngine::GetInstance().DestroyStream(stream);
    speechSerial = 0;
}

bool Character::BubbleLeftAt(int bubbleX) const
{
    if (bubbleX < bubbleBandLeft || bubbleX > bubbleBandRight)
        return bubbleX > bubbleSideX;
    return bubbleLeft;
}

void Character::Draw()
{
    // Without a figure to show there is no shadow or bubble either.
    Sprite* sprite = currentAnim != nullptr ? currentAnim->GetSprite() : nullptr;
    if (!isActive || hide || sprite == nullptr)
        return;
    const Room* ownRoom = GetRoom();
    const float scrollX = ownRoom != nullptr ? ownRoom->GetScrollX() : 0.0f;
    const float scrollY = ownRoom != nullptr ? ownRoom->GetScrollY() : 0.0f;
    const int screenX = static_cast<int>(position.x - scrollX);
    const int screenY = static_cast<int>(position.y - scrollY);
    const float scale = disableScale ? 1.0f : CharacterScale * GetScale() * scaleFactor;
    const float depth = GetSortDepth();

    // The shadow goes first: at equal depth the render list keeps the order.
    if (shadowEnable && graphicsDetail) {
        if (Sprite* shadow = SpriteManager::GetInstance().GetSpriteIfDescribed("shadow")) {
            const int x = screenX + shadowOffset.x;
            const int y = screenY + shadowOffset.y;
            // Only run-length-encoded sprites scale; other shadows keep
            // their size. Either way the shadow is centred on its point.
            if (dynamic_cast<AnimatedRLESprite*>(shadow) != nullptr)
                shadow->DrawScaled(x, y + static_cast<int>(static_cast<float>(shadow->GetFullHeight()) * scale / 2.0f), 0,
                                   depth, scale);
            else
                shadow->Draw(x, y, 0, depth);
        }
    }

    {
        int x = screenX;
        int y = screenY;
        if (currentAnim == &userAnim) {
            x += userAnimOffset.x;
            y += userAnimOffset.y;
        }
        const int frame = currentAnim->GetCurrentFrame();
        // Scale and tint are for run-length-encoded frames only.
        if (dynamic_cast<AnimatedRLESprite*>(sprite) == nullptr)
            sprite->DrawScaled(x, y, frame, depth, 1.0f);
        else if (lightMapping && graphicsDetail && ownRoom != nullptr)
            sprite->DrawScaledTinted(x, y, frame, depth, scale, LightToTint(ownRoom->GetLight(position.x, position.y)));
        else
            sprite->DrawScaled(x, y, frame, depth, scale);
    }

    if (talkTime > 0.0f && !talkLine.empty()) {
        const int bubbleX = screenX + speechBubbleOffset.x;
        SpeechBubbleDisplay::GetInstance().Draw(talkLine, bubbleX, screenY + speechBubbleOffset.y, BubbleLeftAt(bubbleX),
                                                "speechBubble");
    }

    if (DebugDisplaySettings::GetInstance().displayWalkPath && path.size() >= 2) {
        DebugDisplay& debug = DebugDisplay::GetInstance();
        for (std::size_t index = 1; index < path.size(); ++index)
            debug.AddLine(static_cast<int>(static_cast<float>(path[index - 1].x) - scrollX),
                          static_cast<int>(static_cast<float>(path[index - 1].y) - scrollY),
                          static_cast<int>(static_cast<float>(path[index].x) - scrollX),
                          static_cast<int>(static_cast<float>(path[index].y) - scrollY), 1.0f, 1.0f, 0.0f);
    }
}
