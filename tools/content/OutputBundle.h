#pragma once

// One generated output as one block of bytes, for the cache: an output may
// be a folder of files (a room), and the cache keeps blocks. A bundle is
//     "ZCB1", the number of files (u32),
//     per file: its path's length (u16), the path (relative, '/' between
//               folders), its size (u64), its bytes,
// all numbers little-endian, files in path order. The cache checks an
// entry's digest before it is read, but a bundle is still read as if it could
// hold anything: a path that would leave the output's folder, a size beyond
// the end or bytes after the last file refuse the whole bundle.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace content {

struct BundleFile {
    std::string path; // "data/fonts/menufont.bmp"
    std::span<const std::uint8_t> bytes;
};

// The files below `folder` at each of `paths` (a file, or a folder taken
// with everything in it), bundled; false with the
// reason when one is missing or cannot be read.
bool BundleFiles(const std::filesystem::path& folder, std::span<const std::string> paths,
                 std::vector<std::uint8_t>& bundle, std::string& error);

// The bundle's files, pointing into `bundle`; false with the reason when it
// is not a whole, well-formed bundle.
bool ReadBundle(std::span<const std::uint8_t> bundle, std::vector<BundleFile>& files, std::string& error);

// The bytes of a bundle of these files (their paths must be usable).
std::vector<std::uint8_t> MakeBundle(std::span<const BundleFile> files);

// Writes the bundle's files below `folder`, making folders on the way.
bool UnpackBundle(std::span<const std::uint8_t> bundle, const std::filesystem::path& folder, std::string& error);

} // namespace content
