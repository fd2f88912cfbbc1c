#pragma once
// The program's pictures, drawn in code so that they need no image files:
// toolbar icons, tree images, the application icon and the background tile.

#include <QIcon>
#include <QPixmap>

namespace kx7q {

enum class Art {
  New, Open, Save, Print, Port, Read, Write, Help, ChannelEdit,
  TreeRoot,      // tree image 9: the radio
  TreeNode,      // tree image 10
  TreeSelected,  // tree image 11
};

QIcon ArtIcon(Art art);
QIcon ApplicationIcon();
// The tile that fills the main window's background ("PIC").
QPixmap BackgroundTile();

}  // namespace kx7q
