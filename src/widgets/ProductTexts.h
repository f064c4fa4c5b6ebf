#pragma once

#include <QString>

// The product's texts, in the user's language; the caption is the same in every language.
namespace ProductTexts {

// The caption of every window: "Numorra v" and the version of the program.
QString windowCaption();

// The main window's introduction paragraph (514 characters).
QString introduction();
// The main window's instruction line.
QString instruction();
// The about window's paragraph.
QString about();
// The one-line link label at the top of the main window, advertising the publisher's web community.
QString mainLinkCaption();
// The one-line link label at the top of the reading window.
QString readingLinkCaption();
// The report preview's link label inviting the reader to the community.
QString previewLinkCaption();
// The about window's (and the report preview's) link label naming the publisher's site.
QString aboutLinkCaption();

} // namespace ProductTexts
