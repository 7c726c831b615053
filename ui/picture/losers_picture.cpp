#include "ui/picture/losers_picture.h"
#include "model/entrant_name.h"

#include "model/losers_bracket.h"
#include "res/resource.h"
#include "ui/common/fallback_string.h"
#include "ui/common/losers_marks.h"
#include "ui/common/match_marks.h"
#include "ui/picture/layout_memory.h"

/* Every box may have a line of small text over it (where an entrant drops
 * in from, or an open match's time) and the winners' boxes one under it
 * (the score). A round that takes in dropped entrants has a score and a
 * drop-in line between its two boxes, so its pairs are spread further than
 * the first round's, whose boxes carry one line each. */
enum {
    SECTION_BAND = 36,         /* the losers' bracket's heading, under a rule */
    FIRST_PAIR_CENTRE = 60,    /* below the round headings: room for the top boxes' lines */
    PAIR_PITCH = 104,          /* between the first round's matches */
    FIRST_ROUND_SPREAD = 50,   /* between a first-round match's boxes */
    DROP_SPREAD = 58,          /* between the boxes of a match an entrant drops into */
    PLACE_LABEL_WIDTH = 44     /* "1st" before each place's name */
};

int losersPictureShown(Bracket *bracket)
{
    return bracket->losers.on && bracket->losers.matches && losersAllowed(bracket);
}

/* The first row's reference line: under the section's heading and the
 * round headings. */
static int losersRowsTop(int top)
{
    return top + SECTION_BAND + PICTURE_HEADING_BAND;
}

/* Vertical centre of losers' round r's match i (1 .. ) between its two
 * boxes. Odd rounds stand half-way between the two matches feeding them;
 * an even round's upper box is the winner of the match before it and its
 * lower box the entrant dropping in, so each even round moves its pairs
 * down by half a spread. Worked out in closed form: match i of round r
 * stands for the 2^((r-1)/2) first-round matches beginning at its place. */
static int pairCentre(int rowsTop, int round, int i)
{
    int block = 1 << ((round - 1) / 2);
    return rowsTop + FIRST_PAIR_CENTRE + (i - 1) * block * PAIR_PITCH + (block - 1) * PAIR_PITCH / 2 +
           (round / 2) * (DROP_SPREAD / 2);
}

/* Vertical centre of match i's upper (side 0) or lower (side 1) box. */
static int entrantCentre(int rowsTop, int round, int i, int side)
{
    if (round == 1)
        return pairCentre(rowsTop, 1, i) + (side ? 1 : -1) * FIRST_ROUND_SPREAD / 2;
    if (round % 2 == 0)
        return pairCentre(rowsTop, round, i) + (side ? 1 : -1) * DROP_SPREAD / 2;
    return pairCentre(rowsTop, round - 1, 2 * i - 1 + side);
}

/* Where the grand final, its reset and the champion stand: the columns
 * after the losers' rounds, and the grand final's centre, half-way between
 * the winners' champion above and the losers' champion, who stands where
 * the losers' final's connector leads. */
struct FinalPlaces {
    int finalColumn;
    int resetColumn;      /* 0 without the reset */
    int championColumn;
    int finalCentre;
    int championCentre;
};

static FinalPlaces finalPlaces(Bracket *bracket, int rowsTop)
{
    FinalPlaces places;
    int rounds = losersRoundCount(bracket);
    places.finalColumn = rounds;
    places.resetColumn = bracket->losers.reset ? rounds + 1 : 0;
    places.championColumn = rounds + 1 + (bracket->losers.reset ? 1 : 0);
    places.finalCentre = pairCentre(rowsTop, rounds, 1) - DROP_SPREAD / 2;
    places.championCentre = places.finalCentre + (bracket->losers.reset ? DROP_SPREAD / 2 : 0);
    return places;
}

SIZE losersPictureExtent(Bracket *bracket, int top)
{
    int rowsTop = losersRowsTop(top);
    FinalPlaces places = finalPlaces(bracket, rowsTop);
    int lowest = places.championCentre + PICTURE_BOX_HEIGHT / 2 + PICTURE_RESULT_LINE + 3 * PICTURE_PLACE_LINE;
    for (int round = 1; round <= losersRoundCount(bracket); round++) {
        int y = entrantCentre(rowsTop, round, losersRoundSize(bracket, round), 1);
        if (y + PICTURE_BOX_HEIGHT / 2 + PICTURE_RESULT_LINE > lowest)
            lowest = y + PICTURE_BOX_HEIGHT / 2 + PICTURE_RESULT_LINE;
    }
    if (places.resetColumn && places.finalCentre + DROP_SPREAD + PICTURE_BOX_HEIGHT / 2 > lowest)
        lowest = places.finalCentre + DROP_SPREAD + PICTURE_BOX_HEIGHT / 2;
    SIZE extent = {pictureColumnLeft(places.championColumn) + PICTURE_BOX_WIDTH, lowest};
    return extent;
}

static void layoutHeading(PictureLayout *layout, int column, int rowsTop, const WCHAR *text)
{
    RECT band = {pictureColumnLeft(column), rowsTop - PICTURE_HEADING_BAND, 0, rowsTop};
    band.right = band.left + PICTURE_BOX_WIDTH;
    layoutText(layout, band, text, PICTURE_FONT_HEADING, PICTURE_ALIGN_CENTRE, PICTURE_HEADING_INK);
}

/* The rule over the section, its heading, and one heading a column. */
static void layoutHeadings(PictureLayout *layout, int top, const FinalPlaces &places)
{
    Bracket *bracket = layout->bracket;
    int right = layout->picture->size.cx - PICTURE_MARGIN, rowsTop = losersRowsTop(top);
    WCHAR text[128];
    layoutLine(layout, PICTURE_MARGIN, top, right, top);
    loadStringWithFallback(bracket->resourceModule, IDS_LOSERS_BRACKET, text, 128);
    RECT band = {PICTURE_MARGIN, top, right, top + SECTION_BAND};
    layoutText(layout, band, text, PICTURE_FONT_HEADING, PICTURE_ALIGN_LEFT, PICTURE_INK);
    int first = 1;
    for (int round = 1; round <= losersRoundCount(bracket); round++) {
        losersMatchHeading(bracket, first, text, 128);
        layoutHeading(layout, round - 1, rowsTop, text);
        first += losersRoundSize(bracket, round);
    }
    losersMatchHeading(bracket, bracket->slotCount - 1, text, 128);
    layoutHeading(layout, places.finalColumn, rowsTop, text);
    if (places.resetColumn) {
        losersMatchHeading(bracket, bracket->slotCount, text, 128);
        layoutHeading(layout, places.resetColumn, rowsTop, text);
    }
    loadStringWithFallback(bracket->resourceModule, IDS_PICTURE_CHAMPION, text, 128);
    layoutHeading(layout, places.championColumn, rowsTop, text);
}

/* What the entrants' boxes and labels say, loaded once a picture. */
struct LosersWords {
    WCHAR bye[64];
    MatchWords match;
};

/* One entrant of a losers' match or the grand final. Who comes from the
 * winners' bracket is labelled with the match it comes from, and shown as
 * a bye when nobody will; who won a losers' match carries its marks. */
static void layoutEntrant(PictureLayout *layout, LosersFeeder *feeder, RECT box, const LosersWords *words)
{
    Bracket *bracket = layout->bracket;
    const WCHAR *name;
    int state = feederEntrant(bracket, feeder, &name);
    if (!losersNumberOf(bracket, feeder->match)) {
        WCHAR from[FEEDER_TEXT_CAPACITY];
        feederTextIn(bracket, &words->match, feeder, from);
        RECT line = {box.left, box.top - PICTURE_RESULT_LINE, box.right, box.top};
        layoutText(layout, line, from, PICTURE_FONT_SMALL, PICTURE_ALIGN_LEFT, PICTURE_HEADING_INK);
        if (state == ENTRANT_NOBODY) {
            layoutByeBox(layout, box, words->bye);
            return;
        }
        layoutNameBox(layout, name, box, 0);
        return;
    }
    layoutNameBox(layout, name, box, 0);
    layoutMatchMarks(layout, feeder->match, box);
}

/* Losers' match k and the grand final (k = N-1): its two entrants in
 * column, and the connector to where its winner stands. */
static void layoutMatch(PictureLayout *layout, int k, int column, int upper, int lower, const LosersWords *words)
{
    if (copyUntouchedPiece(layout->memory, layout->picture, 2 * layout->bracket->slotCount - 1 + k))
        return;
    BracketNode *match = losersMatch(layout->bracket, k);
    int firstItem = layout->picture->count;
    LosersFeeder feeders[2];
    losersFeeders(layout->bracket, k, feeders);
    RECT first = pictureBoxAt(column, upper), second = pictureBoxAt(column, lower);
    layoutEntrant(layout, &feeders[0], first, words);
    layoutEntrant(layout, &feeders[1], second, words);
    layoutConnector(layout, first, second, pictureBoxAt(column + 1, (upper + lower) / 2));
    notePiece(layout->memory, layout->bracket, match, layout->picture, firstItem);
}

/* The entrant of a match that its winner is not; NULL while undecided. */
static const WCHAR *otherEntrant(Bracket *bracket, BracketNode *match)
{
    const WCHAR *first, *second;
    if (!match || !match->name[0])
        return NULL;
    losersEntrants(bracket, match, &first, &second);
    return sameName(first, match->name) ? second : first;
}

/* Under the champion's marks: each place's word and, once decided, who
 * holds it. Second is whoever lost the last match played, third whoever
 * lost the losers' final. */
static void layoutPlaces(PictureLayout *layout, RECT champion)
{
    static const UINT WORDS[3] = {IDS_PLACE_FIRST, IDS_PLACE_SECOND, IDS_PLACE_THIRD};
    Bracket *bracket = layout->bracket;
    BracketNode *last = isResetInPlay(bracket) ? grandFinalReset(bracket) : grandFinal(bracket);
    const WCHAR *names[3] = {tournamentChampion(bracket), otherEntrant(bracket, last),
                             otherEntrant(bracket, losersMatch(bracket, losersMatchCount(bracket)))};
    int top = champion.bottom + PICTURE_RESULT_LINE;
    for (int place = 0; place < 3; place++, top += PICTURE_PLACE_LINE) {
        WCHAR word[32];
        loadStringWithFallback(bracket->resourceModule, WORDS[place], word, 32);
        RECT band = {champion.left, top, champion.left + PLACE_LABEL_WIDTH, top + PICTURE_PLACE_LINE};
        layoutText(layout, band, word, PICTURE_FONT_NAME, PICTURE_ALIGN_LEFT, PICTURE_HEADING_INK);
        band.left = band.right;
        band.right = champion.right;
        if (names[place])
            layoutText(layout, band, names[place], PICTURE_FONT_NAME, PICTURE_ALIGN_LEFT, PICTURE_INK);
    }
}

/* After the grand final's entrants: with the reset on, its two entrants
 * (the grand final's winner, carrying its marks, and the other finalist
 * while the reset is to be played), then the champion with the last
 * match's marks and the places. */
static void layoutFinish(PictureLayout *layout, const FinalPlaces &places)
{
    Bracket *bracket = layout->bracket;
    BracketNode *grand = grandFinal(bracket), *last = grand;
    if (places.resetColumn) {
        RECT first = pictureBoxAt(places.resetColumn, places.finalCentre);
        RECT second = pictureBoxAt(places.resetColumn, places.finalCentre + DROP_SPREAD);
        layoutNameBox(layout, grand->name, first, 0);
        layoutMatchMarks(layout, grand, first);
        const WCHAR *other = isResetInPlay(bracket) ? otherEntrant(bracket, grand) : NULL;
        layoutNameBox(layout, other ? other : L"", second, 0);
        last = grandFinalReset(bracket);
        layoutConnector(layout, first, second, pictureBoxAt(places.championColumn, places.championCentre));
    }
    RECT champion = pictureBoxAt(places.championColumn, places.championCentre);
    layoutNameBox(layout, tournamentChampion(bracket), champion, 1);
    layoutMatchMarks(layout, last, champion);
    layoutPlaces(layout, champion);
}

void layoutLosersPicture(PictureLayout *layout, int top)
{
    Bracket *bracket = layout->bracket;
    int rowsTop = losersRowsTop(top);
    FinalPlaces places = finalPlaces(bracket, rowsTop);
    LosersWords words;
    loadStringWithFallback(bracket->resourceModule, IDS_BYE, words.bye, 64);
    loadMatchWords(bracket->resourceModule, &words.match);
    layoutHeadings(layout, top, places);
    int k = 1;
    for (int round = 1, rounds = losersRoundCount(bracket); round <= rounds; round++) {
        for (int i = 1, size = losersRoundSize(bracket, round); i <= size; i++, k++)
            layoutMatch(layout, k, round - 1, entrantCentre(rowsTop, round, i, 0),
                        entrantCentre(rowsTop, round, i, 1), &words);
    }
    layoutMatch(layout, bracket->slotCount - 1, places.finalColumn, places.finalCentre - DROP_SPREAD / 2,
                places.finalCentre + DROP_SPREAD / 2, &words);
    if (!flushUntouchedPieces(layout->memory, layout->picture))
        layout->complete = 0;
    layoutFinish(layout, places);
}
