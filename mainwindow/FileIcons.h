#pragma once
// Icons of the lists, by the icon index a node carries: the desktop theme's icon for the
// type's MIME icon name, or the generic file and folder icons when the theme has none or the
// report was scanned with fixed icons (SIcons "1"). Window-thread only.

#include <QIcon>

namespace fscope {

QIcon FileIcon(int imageIndex, bool fixedIcons);
QIcon GenericFolderIcon();

}  // namespace fscope
