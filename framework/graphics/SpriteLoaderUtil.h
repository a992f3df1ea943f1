#pragma once

// Sprite lists and the art files beside them.
//
// A sprite list ("sprites.txt") is read line by line (at most 999
// characters a line, the rest of a longer line is skipped); each line is
// split at spaces and tabs:
//   # ...                                   a comment
//   label static   file orientation         a static sprite
//   label anim     file orientation count   an animated sprite
//   label anim_rle file orientation count   an animated run-length sprite
// The file is relative to the list's art folder, without extension;
// orientation "normx" keeps the art, any other word mirrors it. The count is
// a decimal number of frames from 1 to Image::maximumSide (a strip cannot
// hold more frames than rows). Lines of fewer than two words are skipped,
// anything else is reported and skipped. Every sprite of a list is cropped.
//
// Art files of a base path (no extension):
//   base.bmp, else base.jpg (a JPEG may have the 1-bit mask base_Mask.bmp,
//   whose set bits make pixels transparent)       the picture
//   baseAlpha.bmp or baseAlpha.jpg (with baseAlpha_Mask.bmp)
//                                                  an alpha sprite's alpha map
//   base_alpha.bmp (8 bit)                         a run-length sprite's alpha
//   base.rle, base.mirrored.rle                    pre-encoded run-length frames
//                                                  (see RleFile.h)

#include <memory>
#include <string>

class AnimatedRLESprite;
class Image;
struct RleEncoding;
struct SpriteInfo;

class SpriteLoaderUtil {
public:
    static constexpr std::size_t maximumLineLength = 999;

    enum class LineResult { Skipped, Described, Unparsable };

    // Adds the descriptions of the list to the sprite registry, moving the
    // loading screen from `progressFrom` to `progressTo` as it reads. With
    // the configuration flag generateRleFiles every run-length sprite is
    // built at once, which writes its .rle file.
    static bool Load(const char* listFile, const char* artFolder, float progressFrom, float progressTo);
    // One line of a list into `info`.
    static LineResult ParseLine(const std::string& line, const std::string& artFolder, SpriteInfo& info);

    // The picture of a base path: magenta made transparent, the mask
    // applied, and with `convert` turned into the screen's format. Null when
    // neither file exists or the picture cannot be read.
    static std::unique_ptr<Image> LoadImage(const std::string& basePath, bool convert);
    // The 8-bit alpha map of an alpha sprite; null when there is none.
    static std::unique_ptr<Image> LoadAlphaImage(const std::string& basePath);

    // Writes the .rle file of the sprite's frames, encoded from the art of
    // the base path as `encoding` says (not while the archive is in use).
    static bool CreatePreEncodedData(const std::string& basePath, const RleEncoding& encoding, const AnimatedRLESprite& sprite);
    // Fills an empty sprite from the .rle file when that is there, fresh and
    // encoded as `encoding` says; false otherwise, and the caller encodes
    // the bitmap.
    static bool LoadPreEncodedData(const std::string& basePath, const RleEncoding& encoding, AnimatedRLESprite& sprite);
};
