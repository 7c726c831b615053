#include "file/csv_text.h"
#include "file/safe_replace.h"
#include "model/heap.h"

static int isUtf8(const BYTE *bytes, DWORD size)
{
    return size == 0 ||
           MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, (const char *)bytes, (int)size, NULL, 0) > 0;
}

int decodeCsvBytes(const BYTE *bytes, DWORD size, WCHAR **text, int *length)
{
    *text = NULL;
    *length = 0;
    if (size > CSV_MAX_FILE_SIZE)
        return 0;
    int wide = size >= 2 && ((bytes[0] == 0xFF && bytes[1] == 0xFE) || (bytes[0] == 0xFE && bytes[1] == 0xFF));
    WCHAR *made;
    int units;
    if (wide) {
        int bigEndian = bytes[0] == 0xFE;
        units = (int)((size - 2) / 2);
        made = (WCHAR *)allocBlock(sizeof(WCHAR) * ((SIZE_T)units + 2));
        if (!made)
            return 0;
        for (int i = 0; i < units; i++) {
            BYTE first = bytes[2 + 2 * i], second = bytes[3 + 2 * i];
            made[i] = bigEndian ? (WCHAR)((first << 8) | second) : (WCHAR)((second << 8) | first);
        }
    } else {
        if (size >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
            bytes += 3;
            size -= 3;
        }
        /* A spreadsheet that saves "CSV" without saying UTF-8 writes the
         * system's code page; such bytes are seldom valid UTF-8. */
        UINT codePage = isUtf8(bytes, size) ? CP_UTF8 : CP_ACP;
        units = size ? MultiByteToWideChar(codePage, 0, (const char *)bytes, (int)size, NULL, 0) : 0;
        if (size && units <= 0)
            return 0;
        made = (WCHAR *)allocBlock(sizeof(WCHAR) * ((SIZE_T)units + 2));
        if (!made)
            return 0;
        if (units)
            MultiByteToWideChar(codePage, 0, (const char *)bytes, (int)size, made, units);
    }
    made[units] = 0;
    made[units + 1] = 0;
    *text = made;
    *length = units;
    return 1;
}

WCHAR detectCsvSeparator(const WCHAR *text, int length)
{
    int commas = 0, semicolons = 0, quoted = 0;
    for (int i = 0; i < length; i++) {
        WCHAR unit = text[i];
        if (unit == L'"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (unit == L'\r' || unit == L'\n')
            break;
        else if (unit == L'\t')
            return L'\t';
        else if (unit == L',')
            commas++;
        else if (unit == L';')
            semicolons++;
    }
    if (semicolons == 0 && commas == 0)
        return L',';
    return semicolons >= commas ? L';' : L',';
}

WCHAR csvSeparatorHint(const WCHAR *text, int length)
{
    if (length < 5 || (text[0] != L's' && text[0] != L'S') || (text[1] != L'e' && text[1] != L'E') ||
        (text[2] != L'p' && text[2] != L'P') || text[3] != L'=')
        return 0;
    if (length > 5 && text[5] != L'\r' && text[5] != L'\n')
        return 0;
    return text[4] == L'\r' || text[4] == L'\n' ? 0 : text[4];
}

void startCsvCursor(CsvCursor *cursor, WCHAR *text, int length, WCHAR separator)
{
    cursor->at = text;
    cursor->end = text + length;
    cursor->line = 1;
    cursor->separator = separator;
}

/* Steps over the line break at cursor->at, if one stands there. Returns 1
 * when it did. */
static int passLineBreak(CsvCursor *cursor)
{
    if (cursor->at < cursor->end && *cursor->at == L'\r') {
        cursor->at++;
        if (cursor->at < cursor->end && *cursor->at == L'\n')
            cursor->at++;
    } else if (cursor->at < cursor->end && *cursor->at == L'\n') {
        cursor->at++;
    } else {
        return 0;
    }
    cursor->line++;
    return 1;
}

/* Reads one field into place at cursor->at and terminates it. Returns 1
 * when a separator follows (another field of this record comes). */
static int readField(CsvCursor *cursor, CsvRecord *record, WCHAR *out)
{
    WCHAR *write = out;
    if (cursor->at < cursor->end && *cursor->at == L'"') {
        cursor->at++;
        for (;;) {
            if (cursor->at >= cursor->end) {
                record->unclosed = 1;
                break;
            }
            WCHAR unit = *cursor->at;
            if (unit == L'"') {
                if (cursor->at + 1 < cursor->end && cursor->at[1] == L'"') {
                    *write++ = L'"';
                    cursor->at += 2;
                    continue;
                }
                cursor->at++;
                break;
            }
            /* A line break inside quotes is the field's own: kept as it was
             * written, counted as a physical line. */
            if (unit == L'\n' || (unit == L'\r' && !(cursor->at + 1 < cursor->end && cursor->at[1] == L'\n')))
                cursor->line++;
            *write++ = unit;
            cursor->at++;
        }
    }
    /* Text after a closing quote is kept as written, as spreadsheets do. */
    while (cursor->at < cursor->end && *cursor->at != cursor->separator && *cursor->at != L'\r' &&
           *cursor->at != L'\n')
        *write++ = *cursor->at++;
    int more = cursor->at < cursor->end && *cursor->at == cursor->separator;
    if (more)
        cursor->at++;
    else
        passLineBreak(cursor);
    /* The separator or line break just passed, or the spare unit after the
     * text, takes the terminator: quotes undone only ever shorten a field. */
    *write = 0;
    return more;
}

int nextCsvRecord(CsvCursor *cursor, CsvRecord *record)
{
    if (cursor->at >= cursor->end)
        return 0;
    record->line = cursor->line;
    record->unclosed = 0;
    record->fieldCount = 0;
    for (;;) {
        WCHAR *start = cursor->at;
        int more = readField(cursor, record, start);
        if (record->fieldCount < CSV_MAX_FIELDS)
            record->field[record->fieldCount++] = start;
        if (!more)
            return 1;
    }
}

static void appendUnits(CsvWriter *writer, const WCHAR *units, int count)
{
    if (writer->failed)
        return;
    if (writer->length + count + 1 > writer->capacity) {
        int capacity = writer->capacity ? writer->capacity : 1024;
        while (writer->length + count + 1 > capacity)
            capacity *= 2;
        WCHAR *text = (WCHAR *)allocBlock(sizeof(WCHAR) * (SIZE_T)capacity);
        if (!text) {
            writer->failed = 1;
            return;
        }
        for (int i = 0; i < writer->length; i++)
            text[i] = writer->text[i];
        freeBlock(writer->text);
        writer->text = text;
        writer->capacity = capacity;
    }
    for (int i = 0; i < count; i++)
        writer->text[writer->length++] = units[i];
    writer->text[writer->length] = 0;
}

static int needsQuotes(const WCHAR *cell)
{
    if (!cell[0])
        return 0;
    int last = 0;
    for (int i = 0; cell[i]; i++) {
        WCHAR unit = cell[i];
        if (unit == L',' || unit == L';' || unit == L'\t' || unit == L'"' || unit == L'\r' || unit == L'\n')
            return 1;
        last = i;
    }
    /* A reader trims unquoted outer spaces. */
    return cell[0] == L' ' || cell[last] == L' ';
}

void appendCsvCell(CsvWriter *writer, const WCHAR *cell)
{
    if (!cell)
        cell = L"";
    if (writer->rowStarted)
        appendUnits(writer, L",", 1);
    writer->rowStarted = 1;
    if (!needsQuotes(cell)) {
        appendUnits(writer, cell, lstrlenW(cell));
        return;
    }
    appendUnits(writer, L"\"", 1);
    for (const WCHAR *unit = cell; *unit; unit++) {
        appendUnits(writer, unit, 1);
        if (*unit == L'"')
            appendUnits(writer, L"\"", 1);
    }
    appendUnits(writer, L"\"", 1);
}

void endCsvRow(CsvWriter *writer)
{
    appendUnits(writer, L"\r\n", 2);
    writer->rowStarted = 0;
}

int csvWriterBytes(const CsvWriter *writer, BYTE **bytes, DWORD *size)
{
    *bytes = NULL;
    *size = 0;
    if (writer->failed)
        return 0;
    int encoded = writer->length
                      ? WideCharToMultiByte(CP_UTF8, 0, writer->text, writer->length, NULL, 0, NULL, NULL)
                      : 0;
    if (writer->length && encoded <= 0)
        return 0;
    BYTE *made = (BYTE *)allocBlock((SIZE_T)encoded + 3);
    if (!made)
        return 0;
    /* The mark tells a spreadsheet the file is UTF-8, not its own code page. */
    made[0] = 0xEF;
    made[1] = 0xBB;
    made[2] = 0xBF;
    if (encoded)
        WideCharToMultiByte(CP_UTF8, 0, writer->text, writer->length, (char *)made + 3, encoded, NULL, NULL);
    *bytes = made;
    *size = (DWORD)encoded + 3;
    return 1;
}

void freeCsvWriter(CsvWriter *writer)
{
    freeBlock(writer->text);
    writer->text = NULL;
    writer->length = 0;
    writer->capacity = 0;
    writer->rowStarted = 0;
    writer->failed = 0;
}

int saveCsvWriter(CsvWriter *writer, const WCHAR *path)
{
    BYTE *bytes;
    DWORD size;
    int made = csvWriterBytes(writer, &bytes, &size);
    freeCsvWriter(writer);
    if (!made) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    int saved = replaceFileContents(path, bytes, size);
    DWORD error = GetLastError();
    freeBlock(bytes);
    SetLastError(error);
    return saved;
}

int readWholeFile(const WCHAR *path, BYTE **bytes, DWORD *size)
{
    *bytes = NULL;
    *size = 0;
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    LARGE_INTEGER length;
    DWORD error = 0;
    BYTE *made = NULL;
    DWORD read = 0;
    if (!GetFileSizeEx(file, &length))
        error = GetLastError();
    else if (length.QuadPart > CSV_MAX_FILE_SIZE)
        error = ERROR_FILE_TOO_LARGE;
    else if (!(made = (BYTE *)allocBlock((SIZE_T)length.QuadPart + 1)))
        error = ERROR_NOT_ENOUGH_MEMORY;
    else if (!ReadFile(file, made, (DWORD)length.QuadPart, &read, NULL))
        error = GetLastError();
    else if (read != (DWORD)length.QuadPart)
        error = ERROR_READ_FAULT;
    CloseHandle(file);
    if (error) {
        freeBlock(made);
        SetLastError(error);
        return 0;
    }
    *bytes = made;
    *size = read;
    return 1;
}
