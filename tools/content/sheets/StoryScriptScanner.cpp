#include "sheets/StoryScriptScanner.h"

#include "platform/Windows1252.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <regex>
#include <sstream>

namespace content::sheets {

namespace {

using Names = ScriptUse::Names;

struct NamingCommand {
    const char* command;
    Names names;
};

// The script commands whose first argument names something (Script.h).
constexpr NamingCommand namingCommands[] = {
    {"Talk", Names::cell},
    {"SetFlag", Names::flag},
    {"GetFlag", Names::flag},
    {"AddItem", Names::inventoryItem},
    {"RemoveItem", Names::inventoryItem},
    {"Pickup", Names::item},
    {"PlaceByAnimation", Names::item},
    {"ChangeRoom", Names::room},
    {"RunScript", Names::script},
    {"RunScriptAsync", Names::script},
    {"StopAsyncScript", Names::script},
    {"StartConversation", Names::conversation},
    {"HideIndex", Names::dialogueIndex},
    {"UnhideIndex", Names::dialogueIndex},
    {"Stop", Names::character},
    {"SetAnimName", Names::character},
    {"SetSpeechVolume", Names::character},
    {"SetInterruptsSpeech", Names::character},
    {"WaitForTalk", Names::character},
    {"GoThrough", Names::door},
    {"WalkTo", Names::entity},
    {"TurnTo", Names::entity},
    {"MoveTo", Names::entity},
    {"SetPosition", Names::entity},
    {"SetActive", Names::entity},
    {"Hide", Names::entity},
    {"Unhide", Names::entity},
    {"Use", Names::entity},
    {"Examine", Names::entity},
    {"PlayAnimation", Names::entity},
    {"StopAnimation", Names::entity},
    {"WaitForIdle", Names::entity},
    {"WaitForAnimEnd", Names::entity},
    {"WaitForAnimTime", Names::entity},
    {"GetPositionX", Names::entity},
    {"GetPositionY", Names::entity},
};

bool IsIdentifierCharacter(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// The source with its comments blanked out (line ends kept, so positions
// and line numbers stay), string and character literals left as they are.
std::string WithoutComments(const std::string& source)
{
    std::string code = source;
    std::size_t i = 0;
    const auto blank = [&](std::size_t from, std::size_t to) {
        for (std::size_t k = from; k < to && k < code.size(); ++k) {
            if (code[k] != '\n')
                code[k] = ' ';
        }
    };
    while (i < code.size()) {
        const char c = code[i];
        if (c == '/' && i + 1 < code.size() && code[i + 1] == '/') {
            const std::size_t end = std::min(code.find('\n', i), code.size());
            blank(i, end);
            i = end;
        } else if (c == '/' && i + 1 < code.size() && code[i + 1] == '*') {
            const std::size_t close = code.find("*/", i + 2);
            const std::size_t end = close == std::string::npos ? code.size() : close + 2;
            blank(i, end);
            i = end;
        } else if (c == 'R' && i + 1 < code.size() && code[i + 1] == '"' &&
                   (i == 0 || !IsIdentifierCharacter(code[i - 1]))) {
            // A raw literal: R"delimiter( ... )delimiter".
            const std::size_t open = code.find('(', i + 2);
            if (open == std::string::npos)
                break;
            const std::string closing = ")" + code.substr(i + 2, open - i - 2) + "\"";
            const std::size_t close = code.find(closing, open);
            i = close == std::string::npos ? code.size() : close + closing.size();
        } else if (c == '"' || c == '\'') {
            ++i;
            while (i < code.size() && code[i] != c && code[i] != '\n')
                i += code[i] == '\\' ? 2 : 1;
            ++i;
        } else {
            ++i;
        }
    }
    return code;
}

void SkipBlanks(const std::string& code, std::size_t& at)
{
    while (at < code.size() && std::isspace(static_cast<unsigned char>(code[at])) != 0)
        ++at;
}

// One quoted literal from `at` (on its opening quote) with its escapes
// decoded; `rawHighBytes` tells whether bytes above 127 stood in it as they
// are.
std::string ReadQuoted(const std::string& code, std::size_t& at, bool& rawHighBytes)
{
    std::string text;
    ++at;
    while (at < code.size() && code[at] != '"' && code[at] != '\n') {
        const char c = code[at++];
        if (c != '\\') {
            rawHighBytes = rawHighBytes || static_cast<unsigned char>(c) >= 0x80;
            text += c;
            continue;
        }
        if (at >= code.size())
            break;
        const char escape = code[at++];
        if (escape == 'x') {
            int value = 0;
            while (at < code.size() && std::isxdigit(static_cast<unsigned char>(code[at])) != 0)
                value = value * 16 + std::stoi(std::string(1, code[at++]), nullptr, 16);
            text += static_cast<char>(value);
        } else if (escape >= '0' && escape <= '7') {
            int value = escape - '0';
            for (int digits = 1; digits < 3 && at < code.size() && code[at] >= '0' && code[at] <= '7'; ++digits)
                value = value * 8 + (code[at++] - '0');
            text += static_cast<char>(value);
        } else {
            static const std::string from = "ntrabfv", to = "\n\t\r\a\b\f\v";
            const std::size_t known = from.find(escape);
            text += known == std::string::npos ? escape : to[known];
        }
    }
    ++at; // the closing quote
    return text;
}

// Adjacent string literals from `at`, joined: the name as the game gets it.
// Nothing when no literal stands there.
std::optional<std::string> ReadLiterals(const std::string& code, std::size_t& at, bool& utf8Literal)
{
    SkipBlanks(code, at);
    if (at >= code.size() || code[at] != '"')
        return std::nullopt;
    std::string name;
    while (at < code.size() && code[at] == '"') {
        bool rawHighBytes = false;
        std::string piece = ReadQuoted(code, at, rawHighBytes);
        constexpr std::string_view converted = "_w1252";
        if (code.compare(at, converted.size(), converted) == 0) {
            at += converted.size();
            piece = Windows1252::FromUtf8(piece);
        } else {
            utf8Literal = utf8Literal || rawHighBytes;
        }
        name += piece;
        SkipBlanks(code, at);
    }
    return name;
}

bool EndsArgument(const std::string& code, std::size_t at)
{
    return at < code.size() && (code[at] == ',' || code[at] == ')');
}

// An argument that is a literal or a known constant, and nothing more: the
// name as the game gets it.
std::optional<StoryConstant> ReadNameArgument(const std::string& code, std::size_t& at, const StoryConstants& constants)
{
    SkipBlanks(code, at);
    std::optional<StoryConstant> name;
    if (at < code.size() && code[at] == '"') {
        StoryConstant literal;
        if (const std::optional<std::string> text = ReadLiterals(code, at, literal.utf8Literal)) {
            literal.text = *text;
            name = literal;
        }
    } else {
        std::size_t end = at;
        while (end < code.size() && (IsIdentifierCharacter(code[end]) || code[end] == ':'))
            ++end;
        std::string identifier = code.substr(at, end - at);
        if (const std::size_t scope = identifier.rfind("::"); scope != std::string::npos)
            identifier.erase(0, scope + 2);
        at = end;
        SkipBlanks(code, at);
        if (const auto found = constants.find(identifier); found != constants.end() && !found->second.ambiguous)
            name = found->second;
    }
    if (!EndsArgument(code, at))
        return std::nullopt;
    return name;
}

// An integer literal standing alone as an argument.
std::optional<int> ReadInteger(const std::string& code, std::size_t& at)
{
    SkipBlanks(code, at);
    std::size_t end = at;
    if (end < code.size() && code[end] == '-')
        ++end;
    const std::size_t digits = end;
    while (end < code.size() && std::isdigit(static_cast<unsigned char>(code[end])) != 0 && end - digits < 9)
        ++end;
    if (end == digits)
        return std::nullopt;
    std::size_t after = end;
    SkipBlanks(code, after);
    if (after >= code.size() || (code[after] != ',' && code[after] != ')'))
        return std::nullopt;
    const int value = std::stoi(code.substr(at, end - at));
    at = after;
    return value;
}

const std::regex& ConstantPattern()
{
    // "const ... name = " or "constexpr ... name = " before a literal.
    static const std::regex pattern("\\bconst(?:expr)?\\b[^;{}()=]*?\\b([A-Za-z_]\\w*)\\s*=\\s*(?=\")");
    return pattern;
}

const std::regex& CommandPattern()
{
    static const std::regex pattern = [] {
        std::string alternatives;
        for (const NamingCommand& command : namingCommands)
            alternatives += (alternatives.empty() ? "" : "|") + std::string(command.command);
        return std::regex("\\b(" + alternatives + ")\\s*\\(");
    }();
    return pattern;
}

} // namespace

void CollectStoryConstants(const std::string& source, StoryConstants& constants)
{
    const std::string code = WithoutComments(source);
    const std::sregex_iterator end;
    for (auto match = std::sregex_iterator(code.begin(), code.end(), ConstantPattern()); match != end; ++match) {
        std::size_t at = static_cast<std::size_t>(match->position(0) + match->length(0));
        StoryConstant constant;
        const std::optional<std::string> text = ReadLiterals(code, at, constant.utf8Literal);
        if (!text || at >= code.size() || (code[at] != ';' && code[at] != ','))
            continue;
        constant.text = *text;
        const std::string name = match->str(1);
        const auto [entry, added] = constants.try_emplace(name, constant);
        if (!added && (entry->second.text != constant.text || entry->second.utf8Literal != constant.utf8Literal))
            entry->second.ambiguous = true;
    }
}

std::vector<ScriptUse> ScanStorySource(const std::string& file, const std::string& source,
                                       const StoryConstants& constants)
{
    const std::string code = WithoutComments(source);
    std::vector<ScriptUse> uses;
    std::size_t lineStart = 0;
    int line = 1;
    for (auto match = std::sregex_iterator(code.begin(), code.end(), CommandPattern()); match != std::sregex_iterator();
         ++match) {
        const std::size_t position = static_cast<std::size_t>(match->position(0));
        line += static_cast<int>(std::count(code.begin() + static_cast<std::ptrdiff_t>(lineStart),
                                            code.begin() + static_cast<std::ptrdiff_t>(position), '\n'));
        lineStart = position;

        ScriptUse use;
        use.file = file;
        use.line = line;
        use.command = match->str(1);
        use.names = std::find_if(std::begin(namingCommands), std::end(namingCommands), [&](const NamingCommand& c) {
                        return use.command == c.command;
                    })->names;
        std::size_t at = position + static_cast<std::size_t>(match->length(0));
        if (use.names == Names::dialogueIndex) {
            use.number = ReadInteger(code, at);
            if (use.number)
                uses.push_back(use);
            continue;
        }
        const std::optional<StoryConstant> name = ReadNameArgument(code, at, constants);
        if (!name)
            continue; // put together while the game runs: the scanner cannot see it
        use.name = name->text;
        use.utf8Literal = name->utf8Literal;
        if (use.names == Names::conversation && at < code.size() && code[at] == ',') {
            ++at;
            use.number = ReadInteger(code, at);
        }
        uses.push_back(use);
    }
    return uses;
}

std::vector<ScriptUse> ScanStorySources(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.path().extension() == ".cpp" || entry.path().extension() == ".h")
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    std::vector<std::string> texts;
    StoryConstants constants;
    for (const std::filesystem::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        texts.push_back(text.str());
        CollectStoryConstants(texts.back(), constants);
    }
    const std::filesystem::path folderName =
        folder.has_filename() ? folder.filename() : folder.parent_path().filename();
    std::vector<ScriptUse> uses;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (files[i].extension() != ".cpp")
            continue;
        const std::vector<ScriptUse> found =
            ScanStorySource((folderName / files[i].filename()).generic_string(), texts[i], constants);
        uses.insert(uses.end(), found.begin(), found.end());
    }
    return uses;
}

} // namespace content::sheets
