#pragma once

#include "Outcome.h"

#include <QIODevice>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace kotebu {

// Every picture that belongs to the windows comes from the program's
// resources, by these names, so new art replaces files and not code.
namespace pictures {

QPixmap heroine(bool secondGame, HeroinePose pose); // Image5 / Image6
QPixmap dayIcon(DayIcon icon);                      // Image4
QPixmap careItem(int item);                         // Image2(0..4)
QPixmap pauseIcon();                                // Image3
QPixmap firstGameTitle();                           // Form8
QPixmap secondHeroineStart();                       // Form6, and the selector's right picture
QPixmap selectorFirstGame();                        // the selector's left picture
QPixmap selectorBanner(int version);                // 0 or 1
QPixmap logoSprite(char frame);                     // 'A'..'D'
QPixmap storyPage(int page);                        // 1 or 2
QPixmap storyOverlay();
QPixmap applicationIcon();

// What a picture shows, in words: the name a screen reader gives it.
QString heroineDescription(bool secondGame, HeroinePose pose);
QString dayIconDescription(DayIcon icon);

} // namespace pictures

// Monster pictures are about 300 pixels wide and shown in a 153-pixel square;
// anything beyond this on either side is scaled down.
constexpr int MaxMonsterSide = 1024;

// Loads a monster picture by its content (PNG, BMP, GIF, JPEG...), whatever
// the ".KB2" name says, finding the file without regard to letter case.
// Pictures too large to be sensible are scaled down, while they are read
// where the format allows; a missing, unreadable or corrupt file, or one that
// would take more than 64 MB to read, gives a null pixmap.
QPixmap loadMonsterPicture(const QString &file);

// The picture in `device`, read as loadMonsterPicture() reads a file: null,
// or at most MaxMonsterSide pixels on either side.
QImage readMonsterImage(QIODevice &device);

} // namespace kotebu
