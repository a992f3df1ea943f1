#include "LevelSettings.h"

#include "Cast.h"
#include "ElementFactory.h"
#include "app/Debug.h"
#include "files/AsciiSerializer.h"
#include "files/File.h"

#include <cstdio>

namespace {

constexpr std::size_t lineLength = 999;

// The text between the line's first two double quotes.
bool QuotedName(const std::string& line, std::string& name)
{
    const std::size_t open = line.find('"');
    const std::size_t close = open == std::string::npos ? open : line.find('"', open + 1);
    if (close == std::string::npos)
        return false;
    name = line.substr(open + 1, close - open - 1);
    return true;
}

// The cast entry of exactly this full name.
Object* FindExactly(const std::string& fullName)
{
    for (const Cast::Entry& entry : Cast::GetInstance().GetEntries()) {
        if (entry.fullName == fullName)
            return entry.object;
    }
    return nullptr;
}

} // namespace

bool LevelSettings::NextBlock(File& file, Block& block)
{
    std::string line;
    for (;;) {
        const int position = file.Tell();
        if (!file.ReadLine(line, lineLength))
            return false;
        const bool dynamic = line.starts_with("DYNAMIC OBJECT START");
        if (!dynamic && !line.starts_with("OBJECT START"))
            continue;
        // A block whose header or section line lacks its quoted name is
        // passed over; the search goes on from the line after it.
        std::string header;
        if (!file.ReadLine(header, lineLength))
            return false;
        if (!QuotedName(header, block.className))
            continue;
        std::string section;
        if (!file.ReadLine(section, lineLength))
            return false;
        if (!QuotedName(section, block.fullName))
            continue;
        block.position = position;
        block.dynamic = dynamic;
        file.Seek(position, SEEK_SET);
        return true;
    }
}

bool LevelSettings::Load(int level, const std::string& fileName, std::vector<std::unique_ptr<GameElement>>& created)
{
    char folder[64];
    std::snprintf(folder, sizeof folder, "data\\level%02d\\settings\\", level);
    const std::string path = folder + fileName;
    File file;
    if (!file.Open(path.c_str(), "r")) {
        LogError("GameRuvId::LoadSettings: Failed to open <%s>!\n", path.c_str());
        return false;
    }
    Cast& cast = Cast::GetInstance();
    Block block;
    std::string skipped;
    // Creation: the dynamic blocks' elements, by class name.
    while (NextBlock(file, block)) {
        file.ReadLine(skipped, lineLength); // on past the block's first line
        if (!block.dynamic || !block.className.starts_with("class ") || FindExactly(block.fullName) != nullptr)
            continue;
        if (std::unique_ptr<GameElement> element = CreateElement(block.className)) {
            cast.Add(element.get(), block.fullName);
            created.push_back(std::move(element));
        }
    }
    // Settings: every block into the element of its name.
    file.Seek(0, SEEK_SET);
    while (NextBlock(file, block)) {
        Object* object = FindExactly(block.fullName);
        if (object == nullptr) {
            file.ReadLine(skipped, lineLength);
            continue;
        }
        // The serializer reads the block through the end of its section.
        AsciiSerializer serializer(file, false);
        serializer.SerializeObject(block.fullName.c_str(), object);
    }
    file.Close();
    return true;
}

void LevelSettings::Unload(std::vector<std::unique_ptr<GameElement>>& created)
{
    for (const std::unique_ptr<GameElement>& element : created)
        Cast::GetInstance().Remove(element.get());
    created.clear();
}

void LevelSettings::WriteBlockHead(File& file, const std::string& fullName, bool dynamic)
{
    file.Printf("# ------------------------------------------------ %s\n", fullName.c_str());
    file.Printf("%s\n", dynamic ? "DYNAMIC OBJECT START" : "OBJECT START");
}

void LevelSettings::WriteBlock(File& file, const std::string& fullName, Object& object, bool dynamic)
{
    WriteBlockHead(file, fullName, dynamic);
    AsciiSerializer serializer(file, true);
    serializer.SerializeObject(fullName.c_str(), &object);
}
