// A name's fit in its picture box follows the name as it is now: widths are
// kept for the session, so a renamed entrant must be laid out as a fresh
// measurement lays it out, never with the width of the name it had.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "model/entrant_changes.h"
#include "support/bracket_file_fixture.h"
#include "ui/picture/name_widths.h"
#include "ui/picture/picture_layout.h"

namespace {

struct PictureNameFit : BracketFileTest {
    // The font of the first text item reading name, or -1.
    static int fontOf(const PictureDescription &picture, const std::wstring &name)
    {
        for (int i = 0; i < picture.count; i++)
            if (picture.items[i].kind == PICTURE_TEXT && name == pictureItemText(&picture, &picture.items[i]))
                return picture.items[i].font;
        return -1;
    }
};

TEST_F(PictureNameFit, RenamedEntrantsAreLaidOutAsAFreshMeasurementLaysThemOut)
{
    build(8, L"Cup");
    const std::wstring wide(40, L'W');
    // Each rename in turn: short and long, names one unit apart around the
    // longest the session keeps, a shared start, Chinese, and back again.
    const std::vector<std::wstring> names = {
        L"Ann", wide, L"Ann", std::wstring(46, L'i'), std::wstring(47, L'i'), std::wstring(48, L'W'),
        std::wstring(47, L'W'), wide + L"X", wide, L"\x9673\x5927\x6587", std::wstring(30, L'\x9673'), L"Ann"};
    PictureDescription warm = {}, fresh = {};
    std::wstring current = slot(1)->name;
    bool smallSeen = false;
    // The previous name's width is kept from the last round's pictures.
    for (const std::wstring &name : names) {
        ASSERT_EQ(1, renameEntrant(&bracket, current.c_str(), name.c_str()));
        current = name;
        ASSERT_EQ(1, describeBracketPicture(&bracket, &warm));
        forgetNameWidths();
        ASSERT_EQ(1, describeBracketPicture(&bracket, &fresh));
        EXPECT_EQ(1, samePictureDescription(&warm, &fresh)) << "renamed to a name of " << name.size() << " units";
        int font = fontOf(fresh, name);
        EXPECT_NE(-1, font);
        if (name == L"Ann") {
            EXPECT_EQ(PICTURE_FONT_NAME, font) << "a short name after a long one";
        }
        smallSeen = smallSeen || font == PICTURE_FONT_SMALL;
        freePictureDescription(&warm);
        freePictureDescription(&fresh);
    }
    EXPECT_TRUE(smallSeen) << "some name should need the smaller face";
}

} // namespace
