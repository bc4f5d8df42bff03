#include <gtest/gtest.h>

#include "catalogue/Illustrators.h"
#include "support/QtPrinters.h"

namespace kestrava {
namespace {

// The names' order and spelling are data/gen_cards.py's to check; here, that the resource is
// read whole, in its order and as UTF-8.
TEST(Illustrators, AllThenTheSixtySevenNamesAsStored) {
    const QStringList list = IllustratorList();
    ASSERT_EQ(list.size(), 68);
    EXPECT_EQ(list.front(), "ALL");
    EXPECT_EQ(list.back(), QString::fromUtf16(u"鷲尾 迅"));
}

}  // namespace
}  // namespace kestrava
