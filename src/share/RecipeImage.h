// The deck as a recipe image to post: its name, its lines by type with counts and codes, the
// totals, the cost curve and a QR code of its deck code. Drawn without a window.
#pragma once

#include <QImage>
#include <QString>

#include "catalogue/CardRecord.h"
#include "deck/Deck.h"

namespace kestrava {

constexpr int kRecipeWidth = 1200;

// 1200 pixels wide, as high as the deck needs, in fontFamily (the application's when empty).
QImage DrawRecipeImage(const Deck& deck, const CardCatalogue& catalogue,
                       const QString& fontFamily = {});

}  // namespace kestrava
