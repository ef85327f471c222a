#pragma once

#include "tools/icon_canvas.h"

// The seven 16 × 16 toolbar pictures. Each draws onto an empty 16-unit canvas.
namespace lorvex::icons {

void drawOpen(Canvas& canvas);      // an opened yellow folder with a small grey container
void drawPaste(Canvas& canvas);     // a brown clipboard with a white sheet in front
void drawSaveText(Canvas& canvas);  // a sheet of paper with a blue floppy disk in front
void drawSaveHtml(Canvas& canvas);  // a sheet of paper with a globe in front
void drawAnalyse(Canvas& canvas);   // a grey gear wheel
void drawHelp(Canvas& canvas);      // an opened book
void drawInfo(Canvas& canvas);      // a blue disc with a white letter "i"

}  // namespace lorvex::icons
