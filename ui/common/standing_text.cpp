#include "ui/common/standing_text.h"

void standingCellText(const StandingRow *row, int column, WCHAR *text)
{
    text[0] = 0;
    switch (column) {
    case STANDING_COLUMN_PLACE:
        wsprintfW(text, row->level ? L"=%d" : L"%d", row->place);
        break;
    case 2:
        wsprintfW(text, L"%d", row->played);
        break;
    case 3:
        wsprintfW(text, L"%d", row->won);
        break;
    case 4:
        wsprintfW(text, L"%d", row->drawn);
        break;
    case 5:
        wsprintfW(text, L"%d", row->lost);
        break;
    case 6:
        wsprintfW(text, L"%d:%d", row->gamesFor, row->gamesAgainst);
        break;
    case 7:
        wsprintfW(text, L"%d:%d", row->pointsFor, row->pointsAgainst);
        break;
    case 8:
        wsprintfW(text, L"%d", row->matchPoints);
        break;
    }
}
