#pragma once
// The channel card a club hands out with its radios: on one page (A4 or Letter by the locale), the title, the
// date, each group that has channels as a small table (CH, frequency, name, PMR446 or LPD433 channel), its
// spacing, the mode and the options a user in the field meets, and the notes. Black on white, sized to be read
// at arm's length; the type gets smaller only as far as the page needs.

#include "RadioSettings.h"

#include <QDate>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace velmar {

struct CardFacts {
    QString title; // the setting's title, or a name for it when it has none
    QDate made;
    QString source; // the setting file the card is made from, never to be replaced by it; empty for none
};

// The page size the locale uses: Letter where the measurement system is the US one, else A4.
bool CardOnLetter();

// Paints the card on the current page of `device` (its page layout already set).
void PaintChannelCard(QPainter& painter, QPagedPaintDevice& device, const RadioSettings& s, const CardFacts& facts);

// The font the card needs when no usable font is there (its letters would be drawn as bars); empty when it is.
QString MissingCardFont();

// Writes the card as a PDF at `path`, one page unless the notes need more; false with *error (the file and why,
// or the font that is missing) when it cannot.
bool WriteChannelCardPdf(const QString& path, const RadioSettings& s, const CardFacts& facts, QString* error);

} // namespace velmar
