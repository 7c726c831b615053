#include "file/entrant_csv.h"
#include "file/csv_text.h"
#include "model/heap.h"

/* Header words for each column, as organisers write them in English and in
 * Chinese (both scripts); compared with basic Latin case folded. */
static const WCHAR *const NAME_WORDS[] = {L"name", L"entrant", L"player", L"姓名", L"名稱", L"名称", L"名字", L"選手", L"选手", NULL};
static const WCHAR *const CLUB_WORDS[] = {L"club", L"nation", L"country", L"association", L"俱樂部", L"俱乐部", L"會", L"会", L"國家", L"国家", L"協會", L"协会", L"單位", L"单位", NULL};
static const WCHAR *const RATING_WORDS[] = {L"rating", L"points", L"積分", L"积分", L"等級分", L"等级分", NULL};
static const WCHAR *const SEED_WORDS[] = {L"seed", L"種子", L"种子", NULL};
static const WCHAR *const *const COLUMN_WORDS[ENTRANT_COLUMN_COUNT] = {NAME_WORDS, CLUB_WORDS, RATING_WORDS, SEED_WORDS};
static const WCHAR *const ENGLISH_HEADINGS[ENTRANT_COLUMN_COUNT] = {L"Name", L"Club", L"Rating", L"Seed"};

static int isOuterSpace(WCHAR unit)
{
    return unit == L' ' || unit == 0x00A0 || unit == 0x3000;
}

/* Drops a field's outer spaces in place, and makes each run of line breaks
 * and tabs inside it (a spreadsheet cell's wrapped lines) one space: a
 * name or club is one line wherever it is shown. Returns the field. */
static WCHAR *trimmed(WCHAR *field)
{
    WCHAR *write = field;
    for (const WCHAR *read = field; *read; read++) {
        int breaks = *read == L'\r' || *read == L'\n' || *read == L'\t';
        if (!breaks)
            *write++ = *read;
        else if (write == field || write[-1] != L' ')
            *write++ = L' ';
    }
    *write = 0;
    while (isOuterSpace(*field))
        field++;
    int length = lstrlenW(field);
    while (length > 0 && isOuterSpace(field[length - 1]))
        field[--length] = 0;
    return field;
}

/* The column a header cell names, or -1. */
static int columnNamed(const WCHAR *cell)
{
    for (int column = 0; column < ENTRANT_COLUMN_COUNT; column++) {
        for (const WCHAR *const *word = COLUMN_WORDS[column]; *word; word++) {
            /* Folded as clubs are: "NAME" and "name" are one word. */
            if (sameClub(cell, *word))
                return column;
        }
    }
    return -1;
}

/* A whole number of up to eight digits, signed when allowSign, into *value.
 * Returns 1, or 0 for anything else. */
static int readWholeNumber(const WCHAR *text, int allowSign, int *value)
{
    int negative = 0;
    if (allowSign && (*text == L'-' || *text == L'+'))
        negative = *text++ == L'-';
    int digits = 0, number = 0;
    for (; *text >= L'0' && *text <= L'9'; text++, digits++)
        number = number * 10 + (*text - L'0');
    if (*text || digits == 0 || digits > 8)
        return 0;
    *value = negative ? -number : number;
    return 1;
}

static void noteProblem(EntrantImport *import, int line, int reason)
{
    if (import->problemCount < MAX_LISTED_ROW_PROBLEMS) {
        import->problem[import->problemCount].line = line;
        import->problem[import->problemCount].reason = reason;
    }
    import->problemCount++;
}

/* Which field holds each column: a header's words, or without one the
 * columns in EntrantColumn order. -1 for a column the file lacks. Returns
 * 1 when record is a header. */
static int mapColumns(CsvRecord *record, int *fieldOf)
{
    int header = 0;
    for (int column = 0; column < ENTRANT_COLUMN_COUNT; column++)
        fieldOf[column] = -1;
    for (int i = 0; i < record->fieldCount; i++) {
        int column = columnNamed(trimmed(record->field[i]));
        if (column >= 0 && fieldOf[column] < 0) {
            fieldOf[column] = i;
            header = 1;
        }
    }
    if (!header) {
        for (int column = 0; column < ENTRANT_COLUMN_COUNT; column++)
            fieldOf[column] = column;
        return 0;
    }
    /* A header without a name's word: the first column it leaves unnamed. */
    for (int i = 0; fieldOf[COLUMN_NAME] < 0 && i < record->fieldCount; i++) {
        int taken = 0;
        for (int column = 0; column < ENTRANT_COLUMN_COUNT; column++)
            taken |= fieldOf[column] == i;
        if (!taken)
            fieldOf[COLUMN_NAME] = i;
    }
    return 1;
}

/* The reason the row cannot be taken into entrant, or 0 when it can. */
static int readRow(const CsvRecord *record, const int *fieldOf, const EntrantImport *import, Entrant *entrant)
{
    const WCHAR *cell[ENTRANT_COLUMN_COUNT];
    for (int column = 0; column < ENTRANT_COLUMN_COUNT; column++) {
        int field = fieldOf[column];
        cell[column] = field >= 0 && field < record->fieldCount ? record->field[field] : L"";
    }
    *entrant = Entrant();
    if (record->unclosed)
        return ROW_QUOTE_UNCLOSED;
    if (!cell[COLUMN_NAME][0])
        return ROW_NO_NAME;
    /* Before the name is looked for among a full list's, which a huge file
     * would otherwise do for each of its rows. */
    if (import->entrants.count >= MAX_ENTRANT_LIST_COUNT)
        return ROW_LIST_FULL;
    if (!copyFittingText(entrant->name, NAME_CAPACITY, cell[COLUMN_NAME], -1))
        return ROW_NAME_TOO_LONG;
    if (findEntrant(&import->entrants, entrant->name) >= 0)
        return ROW_NAME_REPEATED;
    if (!copyFittingText(entrant->club, CLUB_CAPACITY, cell[COLUMN_CLUB], -1))
        return ROW_CLUB_TOO_LONG;
    if (cell[COLUMN_RATING][0]) {
        if (!readWholeNumber(cell[COLUMN_RATING], 1, &entrant->rating))
            return ROW_RATING_NOT_WHOLE;
        entrant->rated = 1;
    }
    if (cell[COLUMN_SEED][0]) {
        if (!readWholeNumber(cell[COLUMN_SEED], 0, &entrant->seed) || entrant->seed < 1 ||
            entrant->seed > MAX_TEAM_COUNT)
            return ROW_SEED_NOT_VALID;
        for (int i = 0; i < import->entrants.count; i++) {
            if (import->entrants.items[i].seed == entrant->seed)
                return ROW_SEED_REPEATED;
        }
    }
    return 0;
}

static int isBlank(CsvRecord *record)
{
    if (record->unclosed)
        return 0;
    for (int i = 0; i < record->fieldCount; i++) {
        if (trimmed(record->field[i])[0])
            return 0;
    }
    return 1;
}

int readEntrantCsv(const BYTE *bytes, DWORD size, EntrantImport *import)
{
    *import = EntrantImport();
    WCHAR *text;
    int length;
    if (!decodeCsvBytes(bytes, size, &text, &length))
        return 0;
    WCHAR hinted = csvSeparatorHint(text, length);
    import->separator = hinted ? hinted : detectCsvSeparator(text, length);
    CsvCursor cursor;
    startCsvCursor(&cursor, text, length, import->separator);
    CsvRecord record;
    if (hinted)
        nextCsvRecord(&cursor, &record);
    int fieldOf[ENTRANT_COLUMN_COUNT];
    int mapped = 0;
    while (nextCsvRecord(&cursor, &record)) {
        if (isBlank(&record))
            continue;
        for (int i = 0; i < record.fieldCount; i++)
            record.field[i] = trimmed(record.field[i]);
        if (!mapped) {
            mapped = 1;
            import->header = mapColumns(&record, fieldOf);
            if (import->header)
                continue;
        }
        Entrant entrant;
        int reason = readRow(&record, fieldOf, import, &entrant);
        if (reason) {
            noteProblem(import, record.line, reason);
        } else if (!addEntrant(&import->entrants, &entrant)) {
            freeBlock(text);
            freeEntrantImport(import);
            return 0;
        }
    }
    freeBlock(text);
    return 1;
}

int readEntrantCsvFile(const WCHAR *path, EntrantImport *import)
{
    *import = EntrantImport();
    BYTE *bytes;
    DWORD size;
    if (!readWholeFile(path, &bytes, &size))
        return 0;
    int read = readEntrantCsv(bytes, size, import);
    freeBlock(bytes);
    if (!read)
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return read;
}

void freeEntrantImport(EntrantImport *import)
{
    freeEntrantList(&import->entrants);
    *import = EntrantImport();
}

/* A whole number as decimal text into buffer (12 units). */
static void formatWholeNumber(int value, WCHAR *buffer)
{
    WCHAR digits[12];
    int count = 0;
    unsigned magnitude = value < 0 ? 0u - (unsigned)value : (unsigned)value;
    do {
        digits[count++] = (WCHAR)(L'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    int at = 0;
    if (value < 0)
        buffer[at++] = L'-';
    while (count)
        buffer[at++] = digits[--count];
    buffer[at] = 0;
}

int saveEntrantCsvFile(const WCHAR *path, const EntrantList *list, const WCHAR *const *headings)
{
    if (!headings)
        headings = ENGLISH_HEADINGS;
    CsvWriter writer = {};
    for (int column = 0; column < ENTRANT_COLUMN_COUNT; column++)
        appendCsvCell(&writer, headings[column]);
    endCsvRow(&writer);
    for (int i = 0; i < list->count; i++) {
        const Entrant *entrant = &list->items[i];
        WCHAR rating[12] = L"", seed[12] = L"";
        if (entrant->rated)
            formatWholeNumber(entrant->rating, rating);
        if (entrant->seed)
            formatWholeNumber(entrant->seed, seed);
        appendCsvCell(&writer, entrant->name);
        appendCsvCell(&writer, entrant->club);
        appendCsvCell(&writer, rating);
        appendCsvCell(&writer, seed);
        endCsvRow(&writer);
    }
    return saveCsvWriter(&writer, path);
}
