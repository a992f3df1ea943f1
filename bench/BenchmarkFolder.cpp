#include "BenchmarkFolder.h"

#include <fstream>
#include <stdlib.h>

BenchmarkFolder::BenchmarkFolder()
    : previous(std::filesystem::current_path())
{
    std::string pattern = (std::filesystem::temp_directory_path() / "zephyra-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        return;
    folder = pattern;
    std::filesystem::current_path(folder);
}

BenchmarkFolder::~BenchmarkFolder()
{
    std::filesystem::current_path(previous);
    std::error_code ignored;
    if (!folder.empty())
        std::filesystem::remove_all(folder, ignored);
}

void WriteBenchmarkFile(const std::filesystem::path& path, const std::string& content)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}
