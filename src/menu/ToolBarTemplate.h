#pragma once
#include <cstddef>

// The image index of a command's button in a toolbar resource (RT_TOOLBAR,
// version 1: width, height, count, then one command id per button; 0 is a
// separator, which takes no image). -1 when the command has no button or
// the resource is malformed.
int ToolBarImageIndex(const unsigned char* data, std::size_t size, unsigned commandId);
