#pragma once

#include <filesystem>
#include <string>

// A temporary working directory for one benchmark, removed afterwards.
class BenchmarkFolder {
public:
    BenchmarkFolder();
    BenchmarkFolder(const BenchmarkFolder&) = delete;
    BenchmarkFolder& operator=(const BenchmarkFolder&) = delete;
    ~BenchmarkFolder();

    bool IsReady() const { return !folder.empty(); }

private:
    std::filesystem::path previous;
    std::filesystem::path folder;
};

void WriteBenchmarkFile(const std::filesystem::path& path, const std::string& content);
