// The core's picture maker for bills: a small picture of the part of the row
// being fed (createImage) and the progress of making them (initBMPDialog,
// closeBMPDialog), whose state a caller can read back (bmpProgress).
//
// The picture settings, in the order the callers pass them:
// | Setting      | Type | Meaning                                                  |
// |--------------|------|----------------------------------------------------------|
// | height       | int  | the picture's height in pixels; below 1 (-1 by default)  |
// |              |      | gives kDefaultPictureHeight, above kMaxPictureHeight is  |
// |              |      | cut to it; the width is twice the height                 |
// | pictureCount | int  | how many pictures the caller means to make (the caller   |
// |              |      | sizes the progress with it); not used by createImage     |
// | margin       | int  | pixels left free around the part (negative counts as 0;  |
// |              |      | at most a quarter of the height)                         |
// | inColour     | bool | the part in its colour (false: in the grey of equal      |
// |              |      | brightness)                                              |
// | framed       | bool | a black line around the whole picture                    |
//
// A picture shows the part of the row as a bar on a white ground, in a colour
// that follows from the row's first text (its mark): equal marks give equal
// pictures. Pictures are written as 24-bit BMP files into the folder
// pictureFolder(), each under a new name "bill-<process id>-<n>.bmp"; the
// caller deletes them.
#pragma once

#include "platform/core/Tvx_String.h"

class AcTransaction;
class Tvx_Bill;

inline constexpr int kDefaultPictureHeight = 32;
inline constexpr int kMaxPictureHeight = 256;

// Makes the picture of the bill's entry being fed (Tvx_Bill::currentEntry) and
// sets pictureFile to its path. False, pictureFile empty and no file written,
// without a bill or transaction, outside a feed, when the entry has no values,
// or when the file cannot be written. While the progress is open, each
// picture made advances it by one step.
bool createImage(const Tvx_Bill* bill, AcTransaction* transaction, int height, int pictureCount,
                 int margin, bool inColour, bool framed, Tvx_String& pictureFile);

// Opens the progress with steps in all, at step 0; an open progress starts
// anew. False, leaving the progress closed, for fewer than 1 step.
bool initBMPDialog(int steps);
// Closes the progress; nothing happens when it is not open.
void closeBMPDialog();

struct BmpProgress {
    bool open = false;
    int steps = 0;
    int position = 0;
    // How often the progress was opened and closed since the start (or
    // resetBmpProgress).
    int openCount = 0;
    int closeCount = 0;
};
const BmpProgress& bmpProgress();
// The progress closed and its counts at 0.
void resetBmpProgress();

// The folder pictures are written to (a folder "vtss-bill-pictures" in the
// system's temporary folder), as a path ending in a separator.
Tvx_String pictureFolder();
