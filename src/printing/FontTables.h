#pragma once

#include <QByteArray>

// What the PDF writer reads itself of a font's tables, TrueType and OpenType
// alike (CFF outlines included): the bytes are QRawFont::fontTable's, from a
// font file on the user's machine, so any of them may be short or broken.
namespace FontTables {

// How a font's licence lets it into a document, by the fsType of its OS/2
// table: installable (0), editable (0x0008) and preview and print (0x0004)
// fonts are embedded as subsets of their glyphs, the least restrictive bit
// counting where several are set. Restricted fonts (0x0002), those that allow
// only bitmaps (0x0200) and those that may not be subset (0x0100) are drawn
// as outlines on the page instead. A font without an OS/2 table (or with one
// too short to say) counts as installable.
enum class Embedding {
    Subset,
    Outlines,
};
Embedding embeddingOf(const QByteArray &os2Table);

// The PostScript name (name 6) of a naming table, or nothing.
QByteArray postScriptName(const QByteArray &nameTable);

} // namespace FontTables
