#pragma once

#include <memory>
#include <string>
#include <vector>

namespace kz::pictures {

// A picture's size in pixels.
struct Size {
    int width = 0;
    int height = 0;
};

// A story's pictures as the reader loads them, made from a teacher's picture files: each picture
// scaled to the size its page gives it, all of them in 8 bits over one shared 256-colour palette
// (what the story's palette bitmap realises on a 256-colour display), as Windows bitmaps.
// Qt's image readers do the decoding, so only this small library needs Qt; its interface keeps
// Qt out of the callers.
class StoryPictures {
public:
    StoryPictures();
    ~StoryPictures();
    StoryPictures(const StoryPictures&) = delete;
    StoryPictures& operator=(const StoryPictures&) = delete;

    // Decodes the picture file (a path on this system), told by its content: PNG, JPEG or BMP.
    // Its index is the number of pictures added before it. False, adding nothing, when the file
    // cannot be read or decoded or is of another kind.
    bool add(const std::string& systemPath);
    Size size(size_t index) const;

    struct Converted {
        std::vector<std::string> bitmaps;  // per picture: the BMP file's bytes (empty: left out)
        std::string palette;               // the palette bitmap's bytes
    };
    // Every picture scaled to its size in sizes (one per picture; 0 x 0 leaves it out), drawn on
    // white where it is transparent, and turned into 8-bit bitmaps over one palette chosen for
    // them all.
    Converted convert(const std::vector<Size>& sizes) const;

private:
    struct Pictures;
    std::unique_ptr<Pictures> m_pictures;
};

}  // namespace kz::pictures
