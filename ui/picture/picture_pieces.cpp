#include "ui/picture/picture_pieces.h"

#include "model/heap.h"
#include "ui/picture/bracket_picture.h"

/* The picture is recorded once at natural size, where a logical unit of the
 * metafile is a picture unit, and its records are read back: a rectangle is
 * a box, a text record stands for its text. */
enum {
    FONT_SLOTS = 64,
    PIECE_CLEARANCE = 2   /* a cut keeps a line's width off every piece */
};

struct RecordWalk {
    int fontHeights[FONT_SLOTS];  /* by the metafile's object index; 0: not a font */
    int currentHeight;
    int widestBox;
    PicturePieces *out;
    int capacity;
};

static void addPiece(RecordWalk *walk, RECT piece)
{
    InflateRect(&piece, PIECE_CLEARANCE, PIECE_CLEARANCE);
    if (walk->out->count < walk->capacity)
        walk->out->pieces[walk->out->count++] = piece;
}

static void readTextRecord(RecordWalk *walk, const EMREXTTEXTOUTW *text)
{
    if (text->emrtext.nChars == 0)
        return;
    /* A clipped text keeps inside its clipping rectangle; otherwise the
     * recorder's bounds say where its glyphs went. */
    const RECTL &bounds = (text->emrtext.fOptions & ETO_CLIPPED) ? text->emrtext.rcl : text->rclBounds;
    RECT where = {bounds.left, bounds.top, bounds.right, bounds.bottom};
    if (walk->currentHeight && (!walk->out->smallestText || walk->currentHeight < walk->out->smallestText))
        walk->out->smallestText = walk->currentHeight;
    addPiece(walk, where);
}

static void readRecord(RecordWalk *walk, const ENHMETARECORD *record)
{
    switch (record->iType) {
    case EMR_EXTCREATEFONTINDIRECTW: {
        const EMREXTCREATEFONTINDIRECTW *font = (const EMREXTCREATEFONTINDIRECTW *)record;
        int height = font->elfw.elfLogFont.lfHeight;
        if (font->ihFont < FONT_SLOTS)
            walk->fontHeights[font->ihFont] = height < 0 ? -height : height;
        break;
    }
    case EMR_SELECTOBJECT: {
        DWORD object = ((const EMRSELECTOBJECT *)record)->ihObject;
        /* Stock objects carry the high bit; only fonts of the picture count. */
        if (object < FONT_SLOTS && walk->fontHeights[object])
            walk->currentHeight = walk->fontHeights[object];
        break;
    }
    case EMR_DELETEOBJECT: {
        DWORD object = ((const EMRDELETEOBJECT *)record)->ihObject;
        if (object < FONT_SLOTS)
            walk->fontHeights[object] = 0;
        break;
    }
    case EMR_RECTANGLE: {
        const RECTL &drawn = ((const EMRRECTANGLE *)record)->rclBox;
        RECT box = {drawn.left, drawn.top, drawn.right, drawn.bottom};
        if (box.right - box.left > walk->widestBox)
            walk->widestBox = box.right - box.left;
        addPiece(walk, box);
        break;
    }
    case EMR_EXTTEXTOUTW: readTextRecord(walk, (const EMREXTTEXTOUTW *)record); break;
    }
}

/* The title band runs across the whole picture: no page edge could pass
 * beside it, and every printed page carries the title in its heading
 * anyway. It is the one text far wider than every box (a round's heading
 * is as wide as a box). */
static void setTitleApart(PicturePieces *pieces, int widestBox)
{
    int kept = 0;
    pieces->piecesTop = pieces->size.cy;
    for (int i = 0; i < pieces->count; i++) {
        RECT piece = pieces->pieces[i];
        if (2 * (piece.right - piece.left) > 3 * widestBox)
            continue;
        if (piece.top < pieces->piecesTop)
            pieces->piecesTop = piece.top > 0 ? piece.top : 0;
        pieces->pieces[kept++] = piece;
    }
    pieces->count = kept;
}

static HENHMETAFILE recordPicture(Bracket *bracket, SIZE size)
{
    HDC recorder = CreateEnhMetaFileW(NULL, NULL, NULL, NULL);
    if (!recorder)
        return NULL;
    RECT target = {0, 0, size.cx, size.cy};
    drawBracketPicture(bracket, recorder, target);
    return CloseEnhMetaFile(recorder);
}

int readPicturePieces(Bracket *bracket, PicturePieces *pieces)
{
    *pieces = PicturePieces{};
    pieces->size = bracketPictureSize(bracket);
    if (!pieces->size.cx)
        return 0;
    HENHMETAFILE metafile = recordPicture(bracket, pieces->size);
    UINT bytes = metafile ? GetEnhMetaFileBits(metafile, 0, NULL) : 0;
    BYTE *records = bytes ? (BYTE *)allocBlock(bytes) : NULL;
    if (records && GetEnhMetaFileBits(metafile, bytes, records) == bytes) {
        /* Every record is at least 8 bytes: a bound on the pieces. */
        int capacity = (int)(bytes / 8);
        pieces->pieces = (RECT *)allocBlock((SIZE_T)capacity * sizeof(RECT));
        RecordWalk walk = {};
        walk.out = pieces;
        walk.capacity = pieces->pieces ? capacity : 0;
        for (UINT at = 0; pieces->pieces && at + sizeof(EMR) <= bytes;) {
            const ENHMETARECORD *record = (const ENHMETARECORD *)(records + at);
            if (record->nSize < sizeof(EMR) || record->nSize > bytes - at)
                break;
            readRecord(&walk, record);
            at += record->nSize;
        }
        setTitleApart(pieces, walk.widestBox);
    }
    freeBlock(records);
    if (metafile)
        DeleteEnhMetaFile(metafile);
    if (!pieces->pieces) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        *pieces = PicturePieces{};
        return 0;
    }
    return 1;
}

void releasePicturePieces(PicturePieces *pieces)
{
    freeBlock(pieces->pieces);
    *pieces = PicturePieces{};
}
