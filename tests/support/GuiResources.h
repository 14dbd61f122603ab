#pragma once

// Live GDI objects and windows of this process. Wine's GetGuiResources
// always answers 0, so where it does these count for themselves.
unsigned long LiveGdiObjects();
unsigned long LiveWindows();
// Live menus (USER objects) of this process, in Wine; each may count more
// than once, so compare counts rather than read them.
unsigned long LiveMenus();
