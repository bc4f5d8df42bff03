#include "search/FormationGrid.h"

#include <gtest/gtest.h>

namespace kestrava {
namespace {

using namespace Qt::Literals::StringLiterals;

TEST(FormationGridRows, Cells) {
    const QString blankRow = QStringLiteral("      ");
    const struct {
        const char16_t* grid;
        std::array<QString, 3> rows;
    } cases[] = {
        {u"111020000", {u"兵兵兵"_s, u"  指  "_s, blankRow}},
        {u"", {blankRow, blankRow, blankRow}},
        {u"12", {u"兵指  "_s, blankRow, blankRow}},             // missing cells are blank
        {u"2220001112", {u"指指指"_s, blankRow, u"兵兵兵"_s}},  // the tenth is ignored
        {u"abc1 2xy１", {blankRow, u"兵  指"_s, blankRow}},     // only ASCII 1 and 2 mark
        {u"000000002", {blankRow, blankRow, u"    指"_s}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormationGridRows(QStringView(c.grid)), c.rows)
            << QString::fromUtf16(c.grid).toStdString();
    }
}

}  // namespace
}  // namespace kestrava
