// The deck registration sheet handed in at a tournament: A4 portrait, boxes to fill in by hand,
// the deck by type with subtotals, the totals and the deck code's QR code. Painted the same on
// a printer and into a PDF.
#pragma once

#include <QPagedPaintDevice>
#include <QString>

#include "catalogue/CardRecord.h"
#include "deck/Deck.h"

namespace kestrava {

// Deck lines on one page; the header is repeated on each further page.
constexpr int kSheetLinesPerPage = 60;

int RegistrationSheetPages(const Deck& deck);

// Paints the sheet on device (a QPdfWriter or a QPrinter) set to A4 portrait with no margins,
// a page at a time; false when the device cannot be painted on.
bool PaintRegistrationSheet(QPagedPaintDevice& device, const Deck& deck,
                            const CardCatalogue& catalogue, const QString& fontFamily = {});

// The sheet as a PDF file at path, written as the deck files are (the old file stays when the
// write fails).
bool WriteRegistrationPdf(const QString& path, const Deck& deck, const CardCatalogue& catalogue,
                          const QString& fontFamily = {});

}  // namespace kestrava
