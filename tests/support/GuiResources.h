#pragma once

// Live GDI objects and windows of this process. Wine's GetGuiResources
// always answers 0, so where it does these count for themselves.
unsigned long LiveGdiObjects();
// The same on a window's thread, less the caret's bitmap: Wine makes one
// whenever a control of the thread takes the focus, so another program
// taking or giving back the activation would change the count.
unsigned long LiveGdiObjectsBesideCaret();
unsigned long LiveWindows();
// Live menus (USER objects) of this process, in Wine; each may count more
// than once, so compare counts rather than read them.
unsigned long LiveMenus();
