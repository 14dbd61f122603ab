#pragma once

// Live GDI objects and windows of this process. Wine's GetGuiResources
// always answers 0, so where it does these count for themselves.
unsigned long LiveGdiObjects();
unsigned long LiveWindows();
