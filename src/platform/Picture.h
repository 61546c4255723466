#pragma once

#include <memory>

class QImage;

namespace platform {

// A decoded picture (JPEG and the other formats Qt reads), made by FolderItem::OpenAsPicture.
// Its few members are defined next to that function, in FolderItem.cpp.
class Picture {
public:
    explicit Picture(const QImage& image);
    ~Picture();

    int Width() const;
    int Height() const;
    const QImage& image() const; // for the platform's own drawing

private:
    std::unique_ptr<QImage> image_;
};

} // namespace platform
