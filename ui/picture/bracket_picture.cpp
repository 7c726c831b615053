#include "ui/picture/bracket_picture.h"

/* The faces one drawing uses, made once per drawing. */
struct PictureFonts {
    HFONT font[PICTURE_FONT_COUNT];
};

/* A frame drawn inside its box, so that a wider line never reaches into
 * the gap where the connectors run. */
static void drawBox(HDC dc, const PictureItem *item)
{
    HPEN pen = CreatePen(PS_INSIDEFRAME, item->lineWidth, item->ink);
    HBRUSH fill = CreateSolidBrush(item->fill);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, fill);
    Rectangle(dc, item->area.left, item->area.top, item->area.right, item->area.bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(fill);
    DeleteObject(pen);
}

static void drawLine(HDC dc, const PictureItem *item)
{
    HPEN pen = CreatePen(PS_SOLID, item->lineWidth, item->ink);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    MoveToEx(dc, item->area.left, item->area.top, NULL);
    LineTo(dc, item->area.right, item->area.bottom);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

/* Text cut at the end with an ellipsis and clipped to its band, so a long
 * name never reaches a neighbour. */
static void drawText(HDC dc, const PictureDescription *picture, const PictureItem *item, const PictureFonts *fonts)
{
    const PictureFontSpec &face = picture->fonts[item->font];
    HFONT narrow = item->fontWidth ? createNarrowPictureFont(face.height, item->fontWidth, face.weight) : NULL;
    HGDIOBJ oldFont = SelectObject(dc, narrow ? narrow : fonts->font[item->font]);
    SetTextColor(dc, item->ink);
    RECT band = item->area;
    UINT align = item->align == PICTURE_ALIGN_CENTRE ? DT_CENTER : DT_LEFT;
    DrawTextW(dc, pictureItemText(picture, item), -1, &band,
              align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, oldFont);
    if (narrow)
        DeleteObject(narrow);
}

/* Whether any of item's ink may fall inside visible (picture units): a
 * text stays in its band, a line or a frame within its width of its area. */
static int mayShow(const PictureItem *item, const RECT &visible)
{
    const RECT &area = item->area;
    RECT reach = {area.left < area.right ? area.left : area.right, area.top < area.bottom ? area.top : area.bottom,
                  area.left < area.right ? area.right : area.left, area.top < area.bottom ? area.bottom : area.top};
    InflateRect(&reach, item->lineWidth + 1, item->lineWidth + 1);
    RECT both;
    return IntersectRect(&both, &reach, &visible);
}

void drawPictureDescription(const PictureDescription *picture, HDC dc, RECT target)
{
    SIZE natural = picture->size;
    int width = target.right - target.left, height = target.bottom - target.top;
    if (!natural.cx || width <= 0 || height <= 0)
        return;
    int saved = SaveDC(dc);
    /* Scaled in one place: every coordinate below is a picture unit, so
     * fonts and lines stay sharp at any size. */
    int scaledWidth = width, scaledHeight = MulDiv(natural.cy, width, natural.cx);
    if (scaledHeight > height) {
        scaledHeight = height;
        scaledWidth = MulDiv(natural.cx, height, natural.cy);
    }
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, natural.cx, natural.cy, NULL);
    SetWindowOrgEx(dc, 0, 0, NULL);
    SetViewportExtEx(dc, scaledWidth, scaledHeight, NULL);
    SetViewportOrgEx(dc, target.left + (width - scaledWidth) / 2, target.top + (height - scaledHeight) / 2, NULL);
    SetBkMode(dc, TRANSPARENT);

    RECT whole = {0, 0, natural.cx, natural.cy};
    if (picture->paper != CLR_INVALID) {
        HBRUSH paper = CreateSolidBrush(picture->paper);
        FillRect(dc, &whole, paper);
        DeleteObject(paper);
    }

    /* Under a clip (a printed page's part of a poster) only what can show
     * is sent to the device: a page of a big bracket would otherwise
     * carry the whole picture. */
    RECT visible = whole;
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    if (!clip || GetClipRgn(dc, clip) != 1 || GetClipBox(dc, &visible) == ERROR)
        visible = whole;
    if (clip)
        DeleteObject(clip);
    PictureFonts fonts;
    for (int i = 0; i < PICTURE_FONT_COUNT; i++)
        fonts.font[i] = createPictureFont(picture->fonts[i].height, picture->fonts[i].weight);
    for (int i = 0; i < picture->count; i++) {
        const PictureItem *item = &picture->items[i];
        if (!mayShow(item, visible))
            continue;
        if (item->kind == PICTURE_BOX)
            drawBox(dc, item);
        else if (item->kind == PICTURE_LINE)
            drawLine(dc, item);
        else
            drawText(dc, picture, item, &fonts);
    }
    for (int i = 0; i < PICTURE_FONT_COUNT; i++)
        DeleteObject(fonts.font[i]);
    RestoreDC(dc, saved);
}

void drawBracketPicture(Bracket *bracket, HDC dc, RECT target)
{
    PictureDescription picture;
    if (describeBracketPicture(bracket, &picture))
        drawPictureDescription(&picture, dc, target);
    freePictureDescription(&picture);
}

int renderBracketPicture(Bracket *bracket, PictureCanvas *canvas)
{
    canvas->dc = NULL;
    canvas->bitmap = NULL;
    canvas->previous = NULL;
    PictureDescription picture;
    if (!describeBracketPicture(bracket, &picture)) {
        freePictureDescription(&picture);
        return 0;
    }
    SIZE size = picture.size;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;   /* top-down, as the encoder reads it */
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = NULL;
    canvas->dc = CreateCompatibleDC(NULL);
    if (canvas->dc)
        canvas->bitmap = CreateDIBSection(canvas->dc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    if (!canvas->bitmap || !bits) {
        if (canvas->dc)
            DeleteDC(canvas->dc);
        canvas->dc = NULL;
        freePictureDescription(&picture);
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    canvas->previous = SelectObject(canvas->dc, canvas->bitmap);
    RECT target = {0, 0, size.cx, size.cy};
    drawPictureDescription(&picture, canvas->dc, target);
    freePictureDescription(&picture);
    GdiFlush();
    /* GDI leaves the fourth byte 0; readers that take it as alpha would see
     * nothing. */
    BYTE *pixel = (BYTE *)bits;
    for (SIZE_T i = 0, count = (SIZE_T)size.cx * size.cy; i < count; i++, pixel += 4)
        pixel[3] = 255;
    canvas->raster.width = size.cx;
    canvas->raster.height = size.cy;
    canvas->raster.pixels = (const BYTE *)bits;
    return 1;
}

void releasePictureCanvas(PictureCanvas *canvas)
{
    if (canvas->dc) {
        SelectObject(canvas->dc, canvas->previous);
        DeleteDC(canvas->dc);
    }
    if (canvas->bitmap)
        DeleteObject(canvas->bitmap);
    canvas->dc = NULL;
    canvas->bitmap = NULL;
}
