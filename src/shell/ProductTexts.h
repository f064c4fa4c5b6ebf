#pragma once

#include <QString>

namespace ProductTexts {

// The main window's introduction paragraph (514 characters).
QString Introduction();
// The main window's instruction line.
QString Instruction();
// The about window's paragraph.
QString About();
// The one-line link label at the top of the main window, advertising the publisher's web community.
QString MainLinkCaption();
// The one-line link label at the top of the reading window.
QString ReadingLinkCaption();
// The about window's link label naming the publisher's site.
QString AboutLinkCaption();

} // namespace ProductTexts
