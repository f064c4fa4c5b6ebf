#pragma once

#include <QString>
#include <QStringList>

class QFont;
class QPagedPaintDevice;

// Lays plain text out in one font over the pages of a printer or PDF, within
// the device's margins, and paints it page by page: no header, no footer, no
// page numbers.
namespace TextPages {

// Each text starts on a page of its own. False when the device cannot be painted on.
bool render(QPagedPaintDevice &device, const QStringList &texts, const QFont &font);

} // namespace TextPages
