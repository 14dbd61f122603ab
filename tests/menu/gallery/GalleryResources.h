#pragma once

// The gallery's sample menu and the toolbar that gives its glyphs.
#define IDM_GALLERY 400
#define IDR_GALLERY_GLYPHS 401

#define ID_GALLERY_OPEN 411
#define ID_GALLERY_SAVE 412
#define ID_GALLERY_PRINT 413
#define ID_GALLERY_BOLD 414
#define ID_GALLERY_EXIT 415
#define ID_GALLERY_SAVE_AS 421
#define ID_GALLERY_WRAP 422
#define ID_GALLERY_LARGE 423
#define ID_GALLERY_PREVIEW 424
#define ID_GALLERY_RECENT_ONE 425
