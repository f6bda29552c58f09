#pragma once

#include "reference_pictures.h"

#include <QString>

#include <array>

namespace reference_pictures {

// A picture of the reference window: its file name without the extension, what a screen reader
// calls it and how it is drawn.
struct PictureFile {
    const char* file;
    QString name;
    ReferencePicture (*paint)(int scale);
};

extern const std::array<PictureFile, 4> kPictureFiles;

// The C++ source of the table of the pictures' names and words that both front ends read; it
// names itself `fileName` in its heading.
QString wordsSource(const QString& fileName);

// A text as a C++ string literal of UTF-8 characters, one literal a line.
QString cppLiteral(const QString& text);

} // namespace reference_pictures
