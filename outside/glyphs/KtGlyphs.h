#pragma once

#include "ktrglyphs_global.h"

class QImage;

// The glyph library: the suite's button pictures by number. Each picture is a strip of
// square 16 x 16 cells without alpha channel (one cell, or two where the second is the
// disabled look); the colour of its bottom-left pixel is the transparent colour.
//
// Numbers and roles:
//    1 OK                       2 cancel                  3 submit and close the job
//    4 clear a list (2 cells)   5 submit and stay         6 drop-down arrow
//    8 lookup                   9 date quick-pick        11 common phrases
//   12 query directly          13 design a report        14 web report
//   15 periodic job            21 save a scheme          22 open a scheme
//   23 delete a scheme         24 list view style        25 condition scheme
//   39 users                   40 notification           47 delete the chosen rows
//   78 department              81 footer and sign-off lookup
// Numbers in between have no picture.
extern "C" {

// The highest glyph number the library can deliver.
KTRGLYPHS_EXPORT int GetMaxBmpID();

// Loads glyph `index` into *bitmap and returns true; returns false and leaves *bitmap
// alone when there is no such picture or bitmap is null. Never throws.
KTRGLYPHS_EXPORT bool LoadBmp(QImage *bitmap, int index);

}
